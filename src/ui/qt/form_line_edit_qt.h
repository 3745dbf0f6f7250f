// An edit box of the form: a QLineEdit that reports losing the focus, drops typed characters
// its input mode does not take, and makes very large edits in one step.
#pragma once

#include <QClipboard>
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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // QLineEdit keeps one undo entry per character it inserts or removes, so a paste of
    // megabytes would hold hundreds of megabytes for as long as the box lives. An edit touching
    // more characters than this replaces the text in one step instead; it cannot be undone.
    static constexpr qsizetype largest_undoable_edit = qsizetype{64} * 1024;

    // Replaces the selection (or inserts at the cursor) in one step if the edit is too large
    // to undo; returns whether it did.
    bool replace_in_one_step(const QString& inserted);
    void paste_from(QClipboard::Mode mode);
    void paste_clipboard() { paste_from(QClipboard::Clipboard); }
    void cut_selection();
    void delete_selection();

    InputMode mode_;
};

}  // namespace marrowick
