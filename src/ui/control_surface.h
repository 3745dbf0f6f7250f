// What the form needs from the controls a toolkit (or a plain record) provides.
//
// A surface only shows and stores; every decision (events, suppression, the integer rewrite) is
// made by MainWindowForm. A surface reports each change of an edit box's text, whoever made it,
// to MainWindowForm::text_changed() — or, if its toolkit reports only the user's changes, at least
// those; the form copes with both.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/text.h"
#include "ui/form.h"

namespace marrowick {

class ControlSurface {
  public:
    virtual ~ControlSurface() = default;

    // What the edit box shows, as a fresh text; absent when it is empty.
    [[nodiscard]] virtual Text displayed_text(ControlId edit_box) = 0;
    virtual void set_displayed_text(ControlId edit_box, std::string_view text) = 0;

    [[nodiscard]] virtual bool is_checked(ControlId check_box) = 0;

    // Offsets are the toolkit's own text positions.
    [[nodiscard]] virtual std::size_t selection_end(ControlId edit_box) = 0;
    // Collapses the selection to a caret at `offset`, limited to the text's length, and scrolls
    // the caret into view.
    virtual void place_caret(ControlId edit_box, std::size_t offset) = 0;
};

}  // namespace marrowick
