#include "ui/qt/form_line_edit_qt.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

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

}  // namespace

FormLineEdit::FormLineEdit(InputMode mode, QWidget* parent) : QLineEdit(parent), mode_(mode) {}

void FormLineEdit::keyPressEvent(QKeyEvent* event) {
    // Only typed characters are filtered. Keys held with Ctrl, Alt or Meta type nothing: they are
    // shortcuts (Ctrl+V pastes, and a paste is not filtered). A printable character the mode does
    // not take is dropped without a trace.
    const bool shortcut =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (mode_ == InputMode::Integer && !shortcut && !all_accepted(event->text())) {
        const QString kept = accepted_part(event->text());
        if (!kept.isEmpty()) {
            insert(kept);
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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

}  // namespace marrowick
