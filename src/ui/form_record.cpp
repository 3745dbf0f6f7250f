#include "ui/form_record.h"

#include <algorithm>

namespace marrowick {
namespace {

std::size_t index_of(ControlId id) {
    return static_cast<std::size_t>(id);
}

}  // namespace

FormRecord::FormRecord() {
    for (const ControlSpec& entry : main_window_form().controls) {
        if (entry.kind == ControlKind::EditBox) {
            texts_[index_of(entry.id)] = entry.caption;
        } else if (entry.kind == ControlKind::CheckBox) {
            checked_ = entry.initially_checked;
        }
    }
}

Text FormRecord::displayed_text(ControlId edit_box) {
    const std::string& shown = texts_[index_of(edit_box)];
    return shown.empty() ? Text() : Text::copy_of(shown);
}

void FormRecord::set_displayed_text(ControlId edit_box, std::string_view text) {
    if (texts_[index_of(edit_box)] == text) {
        return;  // like a toolkit, an unchanged text is no change to report
    }
    texts_[index_of(edit_box)] = text;
    if (form_ != nullptr) {
        form_->text_changed(edit_box);
    }
}

bool FormRecord::is_checked(ControlId /*check_box*/) {
    return checked_;
}

std::size_t FormRecord::selection_end(ControlId edit_box) {
    return selection_ends_[index_of(edit_box)];
}

void FormRecord::place_caret(ControlId edit_box, std::size_t offset) {
    selection_ends_[index_of(edit_box)] = std::min(offset, texts_[index_of(edit_box)].size());
}

void FormRecord::type(ControlId edit_box, std::string_view new_text) {
    if (texts_[index_of(edit_box)] == new_text) {
        return;
    }
    texts_[index_of(edit_box)] = new_text;
    selection_ends_[index_of(edit_box)] = new_text.size();
    if (form_ != nullptr) {
        form_->text_changed(edit_box);
    }
}

void FormRecord::click(ControlId control) {
    if (control_spec(control).kind == ControlKind::CheckBox) {
        checked_ = !checked_;
    }
    if (form_ != nullptr) {
        form_->clicked(control);
    }
}

void FormRecord::leave(ControlId control) {
    if (form_ != nullptr) {
        form_->focus_left(control);
    }
}

const std::string& FormRecord::text(ControlId edit_box) const {
    return texts_[index_of(edit_box)];
}

}  // namespace marrowick
