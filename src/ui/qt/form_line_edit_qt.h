// An edit box of the form: a QLineEdit that reports losing the focus and, in the integer input
// mode, drops typed characters the mode does not take.
#pragma once

#include <QLineEdit>

#include <functional>

#include "ui/form.h"

namespace marrowick {

class FormLineEdit final : public QLineEdit {
  public:
    FormLineEdit(InputMode mode, QWidget* parent);

    // Called after every loss of the keyboard focus, to another control, another window or
    // another application; not when the box's own context menu opens.
    std::function<void()> on_focus_left;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    InputMode mode_;
};

}  // namespace marrowick
