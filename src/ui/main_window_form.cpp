#include "ui/main_window_form.h"

#include <algorithm>
#include <string>

#include "ui/integer_input.h"

namespace marrowick {
namespace {

std::size_t index_of(ControlId id) {
    return static_cast<std::size_t>(id);
}

}  // namespace

Text MainWindowForm::read_content(ControlId edit_box) {
    return surface_.displayed_text(edit_box);
}

int MainWindowForm::read_checked(ControlId check_box) {
    return surface_.is_checked(check_box) ? 1 : 0;
}

void MainWindowForm::write_content(ControlId edit_box, std::string_view content) {
    // The toolkit may or may not report a change made by the program, and only when the text
    // differs. Dropping its report and raising once ourselves makes every write raise exactly once.
    change_suppressed_[index_of(edit_box)] = true;
    surface_.set_displayed_text(edit_box, content);
    change_suppressed_[index_of(edit_box)] = false;
    text_changed(edit_box);
}

void MainWindowForm::text_changed(ControlId edit_box) {
    if (!change_suppressed_[index_of(edit_box)]) {
        router_.RaiseEvent(edit_box, EventKind::ContentChanged);
    }
}

void MainWindowForm::clicked(ControlId control) {
    router_.RaiseEvent(control, EventKind::Clicked);
}

void MainWindowForm::focus_left(ControlId control) {
    const ControlSpec& entry = control_spec(control);
    if (entry.kind == ControlKind::EditBox && entry.input_mode == InputMode::Integer) {
        NormaliseIntegerText(control);
    }
}

bool MainWindowForm::NormaliseIntegerText(ControlId edit_box) {
    const Text shown = surface_.displayed_text(edit_box);
    const std::string canonical = canonical_integer_text(shown.view());
    if (canonical == shown.view()) {
        return false;
    }
    const std::size_t caret = surface_.selection_end(edit_box);
    // Raised exactly once, whether or not the toolkit reports changes the program makes.
    write_content(edit_box, canonical);
    surface_.place_caret(edit_box, caret);
    return true;
}

}  // namespace marrowick
