// MainWindow's controls as a plain record of values, for running the routines without a window.
//
// It behaves as a toolkit would: every change of a text, the program's own included, is reported
// to the attached form, and a click toggles the check box before it is reported.
#pragma once

#include <array>
#include <string>

#include "ui/control_surface.h"
#include "ui/main_window_form.h"

namespace marrowick {

class FormRecord final : public ControlSurface {
  public:
    FormRecord();  // the controls' initial contents and states from the form description

    void attach(MainWindowForm& form) { form_ = &form; }

    [[nodiscard]] Text displayed_text(ControlId edit_box) override;
    void set_displayed_text(ControlId edit_box, std::string_view text) override;
    [[nodiscard]] bool is_checked(ControlId check_box) override;
    [[nodiscard]] std::size_t selection_end(ControlId edit_box) override;
    void place_caret(ControlId edit_box, std::size_t offset) override;

    // What a user does.
    void type(ControlId edit_box, std::string_view new_text);  // one edit that leaves new_text
    void click(ControlId control);
    void leave(ControlId control);

    [[nodiscard]] const std::string& text(ControlId edit_box) const;

  private:
    MainWindowForm* form_ = nullptr;
    std::array<std::string, control_count> texts_;
    std::array<std::size_t, control_count> selection_ends_{};
    bool checked_ = false;
};

}  // namespace marrowick
