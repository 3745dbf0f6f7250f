// Form access: the one way in which the routines reach MainWindow's controls.
#pragma once

#include <string_view>

#include "common/text.h"
#include "ui/form.h"

namespace marrowick {

class FormAccess {
  public:
    virtual ~FormAccess() = default;

    // A fresh copy of what the edit box shows, owned by the caller; absent when the box is empty.
    // Nothing is trimmed or normalised.
    [[nodiscard]] virtual Text read_content(ControlId edit_box) = 0;

    // 1 when the check box shows its check mark, else 0.
    [[nodiscard]] virtual int read_checked(ControlId check_box) = 0;

    // Replaces the edit box's whole text with a copy of `content` (an absent text empties it) and
    // raises its ContentChanged exactly once before returning, also when the text is unchanged.
    virtual void write_content(ControlId edit_box, std::string_view content) = 0;
};

}  // namespace marrowick
