// The form's controls as Qt widgets: what MainWindowForm reads and writes through.
#pragma once

#include "ui/control_surface.h"
#include "ui/qt/main_window_qt.h"

namespace marrowick {

class QtControlSurface final : public ControlSurface {
  public:
    explicit QtControlSurface(MainWindowQt& window) : window_(window) {}

    [[nodiscard]] Text displayed_text(ControlId edit_box) override;
    void set_displayed_text(ControlId edit_box, std::string_view text) override;
    [[nodiscard]] bool is_checked(ControlId check_box) override;
    [[nodiscard]] std::size_t selection_end(ControlId edit_box) override;
    void place_caret(ControlId edit_box, std::size_t offset) override;

  private:
    MainWindowQt& window_;
};

}  // namespace marrowick
