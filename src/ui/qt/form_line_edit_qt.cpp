#include "ui/qt/form_line_edit_qt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <memory>

#include "ui/integer_input.h"

namespace marrowick {
namespace {

// The typed characters the integer mode keeps, in order.
QString accepted_part(const QString& typed) {
    QString kept;
    for (QChar c : typed) {
        if (integer_input_accepts(c.unicode())) {
            kept.append(c);
        }
    }
    return kept;
}

bool all_accepted(const QString& typed) {
    return std::all_of(typed.begin(), typed.end(),
                       [](QChar c) { return integer_input_accepts(c.unicode()); });
}

bool is_shortcut(const QKeyEvent& event) {
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

}  // namespace

FormLineEdit::FormLineEdit(InputMode mode, QWidget* parent) : QLineEdit(parent), mode_(mode) {
    setAcceptDrops(false);  // text comes by typing and pasting, as in a plain edit box
}

bool FormLineEdit::replace_in_one_step(const QString& inserted) {
    if (inserted.size() + selectionLength() <= largest_undoable_edit) {
        return false;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString replaced = text();
    replaced.replace(start, selectionLength(), inserted);
    setText(replaced);
    setCursorPosition(start + static_cast<int>(inserted.size()));
    return true;
}

void FormLineEdit::paste_from(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    if (!replace_in_one_step(pasted)) {
        insert(pasted);
    }
}

void FormLineEdit::cut_selection() {
    if (hasSelectedText()) {
        copy();
        delete_selection();
    }
}

void FormLineEdit::delete_selection() {
    if (!replace_in_one_step({})) {
        del();
    }
}

void FormLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste_clipboard();  // a paste is not filtered
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut_selection();
        event->accept();
        return;
    }
    if (hasSelectedText() && !is_shortcut(*event) &&
        (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        replace_in_one_step({})) {
        event->accept();
        return;
    }
    // Only typed characters are filtered. Keys held with Ctrl, Alt or Meta type nothing: they
    // are shortcuts. A printable character the integer mode does not take is dropped without
    // a trace.
    const QString typed = event->text();
    if (is_shortcut(*event) || typed.isEmpty() || !typed.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString kept = mode_ == InputMode::Integer ? accepted_part(typed) : typed;
    event->accept();
    if (kept.isEmpty() || replace_in_one_step(kept)) {
        return;
    }
    if (kept == typed) {
        QLineEdit::keyPressEvent(event);
    } else {
        insert(kept);  // only part of what was typed is taken
    }
}

void FormLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Text committed by an input method is typed text too: a Chinese input method must not get
    // letters or Chinese characters into an integer box.
    if (mode_ == InputMode::Integer && !all_accepted(event->commitString())) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(accepted_part(event->commitString()), event->replacementStart(),
                                 event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void FormLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && on_focus_left) {
        on_focus_left();
    }
}

void FormLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The standard menu, with its editing entries going through this box's own edits.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const auto reroute = [this](QAction* action, void (FormLineEdit::*edit)()) {
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, edit);
    };
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            reroute(action, &FormLineEdit::paste_clipboard);
        } else if (action->objectName() == QLatin1String("edit-cut")) {
            reroute(action, &FormLineEdit::cut_selection);
        } else if (action->objectName() == QLatin1String("edit-delete")) {
            reroute(action, &FormLineEdit::delete_selection);
        }
    }
    menu->exec(event->globalPos());
}

void FormLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X selection where the press put the cursor.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        paste_from(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace marrowick
