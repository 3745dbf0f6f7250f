#include "ui/qt/main_window_qt.h"

#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/tab_order.h"
#include "window_fixture.h"

namespace marrowick {
namespace {

using enum ControlId;
using testing::WindowFixture;

using MainWindowAtStart = WindowFixture;

TEST_F(MainWindowAtStart, ShowsTheInitialStateAndRanNoRoutine) {
    EXPECT_EQ(command(), "");
    EXPECT_EQ(text(INPUT_NUM), "-1");
    EXPECT_EQ(text(INPUT_ADDR), "");
    EXPECT_EQ(text(INPUT_PATH), "");
    EXPECT_FALSE(button(INPUT_ORIG)->isChecked());
    EXPECT_EQ(focused(), INPUT_ORIG);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(window->windowTitle(), "Marrowick_GUI");
}

TEST_F(MainWindowAtStart, EveryControlMatchesTheFormDescription) {
    for (const ControlSpec& entry : main_window_form().controls) {
        const QWidget* widget = window->control(entry.id);
        ASSERT_NE(widget, nullptr) << entry.name;
        EXPECT_EQ(widget->objectName().toStdString(), entry.name);
        EXPECT_EQ(widget->geometry(), QRect(entry.geometry.left, entry.geometry.top,
                                            entry.geometry.width, entry.geometry.height))
            << entry.name;
        EXPECT_EQ(widget->isEnabled(), entry.enabled) << entry.name;
        EXPECT_TRUE(widget->isVisible()) << entry.name;
        EXPECT_EQ(widget->focusPolicy() == Qt::StrongFocus,
                  entry.tab_stop && entry.kind != ControlKind::Label)
            << entry.name;
        QString shown;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            shown = label->text();
        } else if (const auto* pressable = qobject_cast<const QAbstractButton*>(widget)) {
            shown = pressable->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            shown = edit->text();
        }
        EXPECT_EQ(shown.toStdString(), entry.caption) << entry.name;
    }
    const auto* start = qobject_cast<const QPushButton*>(window->control(按钮1));
    EXPECT_FALSE(start->autoDefault());
    EXPECT_FALSE(start->isDefault());
    EXPECT_EQ(window->control(INPUT_ORIG)->layoutDirection(), Qt::RightToLeft);
}

TEST_F(MainWindowAtStart, StacksTheCountFieldOverItsLabel) {
    const QPoint shared = window->control(标签3)->geometry().topRight();  // x 407 lies under both
    EXPECT_EQ(window->childAt(shared), window->control(INPUT_NUM));
}

TEST_F(MainWindowAtStart, CannotBeResizedOrMaximised) {
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->windowIcon().isNull());
}

using Typing = WindowFixture;

TEST_F(Typing, RecomposesAtEveryKeystroke) {
    click(INPUT_ADDR);
    type("ab");
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "ab")");
    EXPECT_EQ(compositions, 2);
    press(Qt::Key_Backspace);
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "a")");
    EXPECT_EQ(compositions, 3);
    press(Qt::Key_Tab);  // to INPUT_NUM
    press(Qt::Key_Tab);  // to INPUT_PATH
    type("/tmp/文章 目录");
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "/tmp/文章 目录" -O "a")");
    EXPECT_EQ(compositions, 3 + 10);
}

TEST_F(Typing, AKeystrokeThatChangesNothingRaisesNothing) {
    click(INPUT_ADDR);
    press(Qt::Key_Backspace);  // an empty box stays empty
    press(Qt::Key_Left);
    EXPECT_EQ(compositions, 0);
    EXPECT_EQ(command(), "");
}

TEST_F(Typing, TheCountTakesDigitsAndMinusSignsOnly) {
    click(INPUT_NUM);
    press(Qt::Key_End);
    type("a 2.+3-x五５");
    EXPECT_EQ(text(INPUT_NUM), "-123-");
    EXPECT_EQ(compositions, 3);  // 2, 3 and - were taken; nothing else raised an event
    EXPECT_EQ(command(), R"(Trovilane -n -123- -p "" -O "")");
}

TEST_F(Typing, TheCountDropsLettersCommittedByAnInputMethod) {
    click(INPUT_NUM);
    press(Qt::Key_End);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("五5a"));
    QApplication::sendEvent(box(INPUT_NUM), &commit);
    EXPECT_EQ(text(INPUT_NUM), "-15");
}

TEST_F(Typing, APasteIntoTheCountIsNotFiltered) {
    click(INPUT_NUM);
    paste_over("abc");
    EXPECT_EQ(text(INPUT_NUM), "abc");
    EXPECT_EQ(command(), R"(Trovilane -n abc -p "" -O "")");
}

struct FocusLossRow {
    const char* pasted;
    const char* afterwards;
    bool recomposed;
};

class CountFocusLoss : public WindowFixture, public ::testing::WithParamInterface<FocusLossRow> {};

TEST_P(CountFocusLoss, RewritesTheCountWhenTabLeavesIt) {
    const FocusLossRow& row = GetParam();
    click(INPUT_NUM);
    paste_over(QString::fromUtf8(row.pasted));
    ASSERT_EQ(text(INPUT_NUM), row.pasted);
    compositions = 0;
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), INPUT_PATH);
    EXPECT_EQ(text(INPUT_NUM), row.afterwards);
    EXPECT_EQ(compositions, row.recomposed ? 1 : 0);
    if (row.recomposed) {
        EXPECT_EQ(command(), "Trovilane -n " + std::string(row.afterwards) + R"( -p "" -O "")");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountFocusLoss,
    ::testing::Values(FocusLossRow{"-1", "-1", false}, FocusLossRow{"", "", false},
                      FocusLossRow{"0", "", true}, FocusLossRow{"-0", "", true},
                      FocusLossRow{"+0", "", true}, FocusLossRow{"00", "", true},
                      FocusLossRow{"-", "", true}, FocusLossRow{"007", "7", true},
                      FocusLossRow{"+5", "5", true}, FocusLossRow{"1-2", "1", true},
                      FocusLossRow{"12abc", "12", true}, FocusLossRow{"abc", "", true},
                      FocusLossRow{" 42", "42", true},
                      FocusLossRow{"99999999999", "2147483647", true},
                      FocusLossRow{"-99999999999999999999999", "-2147483648", true}));

using CountRewrite = WindowFixture;

TEST_F(CountRewrite, LeavesTheCaretAtTheOldSelectionEnd) {
    click(INPUT_NUM);
    paste_over("007");
    press(Qt::Key_End);
    press(Qt::Key_Tab);
    EXPECT_EQ(text(INPUT_NUM), "7");
    EXPECT_EQ(box(INPUT_NUM)->cursorPosition(), 1);
    EXPECT_FALSE(box(INPUT_NUM)->hasSelectedText());
}

TEST_F(CountRewrite, HappensOnThePressOfTheStartButtonBeforeItsClick) {
    click(INPUT_NUM);
    paste_over("007");
    QTest::mousePress(window->control(按钮1), Qt::LeftButton);
    EXPECT_EQ(text(INPUT_NUM), "7");
    EXPECT_EQ(command(), R"(Trovilane -n 7 -p "" -O "")");
    EXPECT_TRUE(launcher.started.empty());
    QTest::mouseRelease(window->control(按钮1), Qt::LeftButton);
    EXPECT_EQ(launcher.started, std::vector<std::string>{R"(Trovilane -n 7 -p "" -O "")"});
}

TEST_F(CountRewrite, HappensWhenTheWindowLosesTheFocus) {
    click(INPUT_NUM);
    paste_over("+8");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(text(INPUT_NUM), "8");
    EXPECT_EQ(command(), R"(Trovilane -n 8 -p "" -O "")");
    // Back in the window, the focus returns to the control that had it.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(focused(), INPUT_NUM);
}

using Keyboard = WindowFixture;

TEST_F(Keyboard, TabAndShiftTabCycleThroughTheTabOrder) {
    const std::vector<ControlId> forward{按钮1, INPUT_ADDR, INPUT_NUM, INPUT_PATH, INPUT_ORIG};
    for (ControlId expected : forward) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), expected);
    }
    const std::vector<ControlId> backward{INPUT_PATH, INPUT_NUM, INPUT_ADDR, 按钮1, INPUT_ORIG};
    for (ControlId expected : backward) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), expected);
    }
    press(Qt::Key_Tab, Qt::ShiftModifier);  // Shift+Tab as some keyboards report it
    EXPECT_EQ(focused(), INPUT_PATH);
}

TEST_F(Keyboard, EnterDoesNothingAnywhere) {
    click(INPUT_ADDR);
    type("a");
    const std::string before = command();
    for (ControlId id : main_window_tab_order()) {
        window->control(id)->setFocus();
        press(Qt::Key_Return);
        press(Qt::Key_Enter);
        EXPECT_EQ(focused(), id);
    }
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_FALSE(button(INPUT_ORIG)->isChecked());
    EXPECT_EQ(command(), before);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Keyboard, SpaceClicksTheFocusedButtonAndCheckBox) {
    press(Qt::Key_Space);  // INPUT_ORIG has the focus
    EXPECT_TRUE(button(INPUT_ORIG)->isChecked());
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -o "")");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(launcher.started, std::vector<std::string>{R"(Trovilane -n -1 -p "" -o "")"});
}

TEST_F(Keyboard, EscClosesTheWindowFromAnEditBox) {
    click(INPUT_PATH);
    type("x");
    press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(application.router().events_held());
}

TEST_F(Keyboard, EscWithAModifierDoesNotClose) {
    press(Qt::Key_Escape, Qt::ShiftModifier);
    press(Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
}

using Mouse = WindowFixture;

TEST_F(Mouse, ClickingTheCheckBoxComposesWithItsNewState) {
    click(INPUT_ORIG);
    EXPECT_TRUE(button(INPUT_ORIG)->isChecked());
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -o "")");
    click(INPUT_ORIG);
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "")");
    EXPECT_EQ(compositions, 2);
}

TEST_F(Mouse, ADoubleClickOnTheCheckBoxIsTwoClicks) {
    double_click(INPUT_ORIG);
    EXPECT_FALSE(button(INPUT_ORIG)->isChecked());
    EXPECT_EQ(compositions, 2);
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "")");
}

TEST_F(Mouse, ADoubleClickOnTheStartButtonStartsTwice) {
    double_click(按钮1);
    EXPECT_EQ(launcher.started.size(), 2U);
}

TEST_F(Mouse, EachClickOnTheStartButtonStartsTheCommandOnce) {
    click(按钮1);  // before any composition: the empty command
    click(INPUT_ADDR);
    type("u");
    click(按钮1);
    click(按钮1);
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"", R"(Trovilane -n -1 -p "" -O "u")",
                                                          R"(Trovilane -n -1 -p "" -O "u")"}));
}

TEST_F(Mouse, TheCommandFieldTakesNeitherFocusNorSelection) {
    click(INPUT_ADDR);
    type("abc");
    click(INPUT_CMD);
    double_click(INPUT_CMD);
    EXPECT_EQ(focused(), INPUT_ADDR);
    EXPECT_FALSE(box(INPUT_CMD)->hasSelectedText());
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "abc")");
}

}  // namespace
}  // namespace marrowick
