#include "ui/qt/qt_control_surface.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <algorithm>

namespace marrowick {

Text QtControlSurface::displayed_text(ControlId edit_box) {
    const QString shown = window_.edit_box(edit_box)->text();
    if (shown.isEmpty()) {
        return {};
    }
    const QByteArray bytes = shown.toUtf8();
    return Text::copy_of({bytes.constData(), static_cast<std::size_t>(bytes.size())});
}

void QtControlSurface::set_displayed_text(ControlId edit_box, std::string_view text) {
    QLineEdit* box = window_.edit_box(edit_box);
    box->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    box->setCursorPosition(0);  // a written box shows the start of its text
}

bool QtControlSurface::is_checked(ControlId check_box) {
    return window_.button(check_box)->isChecked();
}

std::size_t QtControlSurface::selection_end(ControlId edit_box) {
    const QLineEdit* box = window_.edit_box(edit_box);
    return static_cast<std::size_t>(box->hasSelectedText() ? box->selectionEnd()
                                                           : box->cursorPosition());
}

void QtControlSurface::place_caret(ControlId edit_box, std::size_t offset) {
    QLineEdit* box = window_.edit_box(edit_box);
    const auto length = static_cast<std::size_t>(box->text().size());
    box->setCursorPosition(static_cast<int>(std::min(offset, length)));  // also scrolls to it
}

}  // namespace marrowick
