// The real window, built as the program builds it, with a launcher that only records what it
// was asked to start. Helpers act as a user does: keys to the focused control, mouse clicks.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application_qt.h"
#include "command/compose_command_line.h"
#include "recording_launcher.h"
#include "ui/main_window_form.h"
#include "ui/qt/main_window_qt.h"

namespace marrowick::testing {

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        application.LoadMainWindow();
        window = application.window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        // Count the compositions while still composing for real.
        application.router().bind(Routine::ComposeCommandLine, [this] {
            ++compositions;
            ComposeCommandLine(*application.form());
        });
    }

    QLineEdit* box(ControlId id) const { return window->edit_box(id); }
    QAbstractButton* button(ControlId id) const { return window->button(id); }
    std::string text(ControlId id) const { return box(id)->text().toStdString(); }
    std::string command() const { return text(ControlId::INPUT_CMD); }
    std::optional<ControlId> focused() const {
        return window->control_id_of(QApplication::focusWidget());
    }

    // Keys go to the focused control, as they would from a keyboard.
    static QWidget* keyboard_target() { return QApplication::focusWidget(); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyboard_target(), key, modifiers);
    }
    static void type(const QString& characters) {
        for (QChar c : characters) {
            const auto key = c == u' '           ? Qt::Key_Space
                             : c.unicode() < 128 ? static_cast<Qt::Key>(c.toUpper().unicode())
                                                 : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, keyboard_target(), key, QString(c), Qt::NoModifier);
        }
    }
    void click(ControlId id) const { QTest::mouseClick(window->control(id), Qt::LeftButton); }
    // What a platform delivers for a double click: the second press also comes as a double click.
    void double_click(ControlId id) const {
        QWidget* target = window->control(id);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mousePress(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
    }
    // Replaces the whole text of the focused box with a paste, which no filter touches.
    static void paste_over(const QString& pasted) {
        press(Qt::Key_A, Qt::ControlModifier);
        if (pasted.isEmpty()) {
            press(Qt::Key_Delete);
            return;
        }
        QApplication::clipboard()->setText(pasted);
        press(Qt::Key_V, Qt::ControlModifier);
    }

    RecordingLauncher launcher;
    Application application{launcher};
    MainWindowQt* window = nullptr;
    int compositions = 0;
};

}  // namespace marrowick::testing
