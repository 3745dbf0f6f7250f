// MainWindow's controls as the routines and the toolkit see them.
//
// It serves form access over a ControlSurface, and turns the surface's notifications (a text
// changed, a control was clicked, a box lost the focus) into events through the EventRouter.
#pragma once

#include <array>

#include "ui/control_surface.h"
#include "ui/events.h"
#include "ui/form_access.h"

namespace marrowick {

class MainWindowForm final : public FormAccess {
  public:
    MainWindowForm(ControlSurface& surface, EventRouter& router)
        : surface_(surface), router_(router) {}

    [[nodiscard]] Text read_content(ControlId edit_box) override;
    [[nodiscard]] int read_checked(ControlId check_box) override;
    void write_content(ControlId edit_box, std::string_view content) override;

    // The surface reports that an edit box's text changed. Raises ContentChanged unless the change
    // comes from inside a form access write.
    void text_changed(ControlId edit_box);

    // The surface reports a click of the push button, or of the check box after it toggled.
    void clicked(ControlId control);

    // The surface reports that a control lost the keyboard focus.
    void focus_left(ControlId control);

    // The focus-loss rewrite of an integer box into its canonical text. Returns whether the text
    // was rewritten.
    bool NormaliseIntegerText(ControlId edit_box);

  private:
    ControlSurface& surface_;
    EventRouter& router_;
    std::array<bool, control_count> change_suppressed_{};
};

}  // namespace marrowick
