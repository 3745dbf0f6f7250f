// The window under input no user means to give: huge pastes, a thousand clicks, memory that
// runs out in the middle of a keystroke.
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <thread>

#include "app/fatal_report_qt.h"
#include "common/text_allocator.h"
#include "launch/child_reaper_qt.h"
#include "launch/command_launcher_posix.h"
#include "launch/run_command_line.h"
#include "process_probe.h"
#include "window_fixture.h"

namespace marrowick {
namespace {

using enum ControlId;
using testing::WindowFixture;

using HugePaste = WindowFixture;

TEST_F(HugePaste, TenMebibytesInEachBoxReachTheCommandAndClearAgain) {
    const QString huge(10 << 20, QChar(u'界'));
    const std::string huge_bytes = huge.toStdString();
    for (ControlId id : {INPUT_ADDR, INPUT_NUM, INPUT_PATH}) {
        click(id);
        paste_over(huge);
        EXPECT_NE(command().find(huge_bytes), std::string::npos) << control_spec(id).name;
        paste_over("");
        EXPECT_EQ(command().find(huge_bytes), std::string::npos) << control_spec(id).name;
    }
    EXPECT_EQ(command(), R"(Trovilane -n  -p "" -O "")");  // the count was cleared too
}

TEST_F(HugePaste, ALargeEditIsOneChangeAndASmallOneStaysUndoable) {
    const QString large(100 << 10, QChar(u'p'));
    click(INPUT_PATH);
    paste_over("small");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(INPUT_PATH), "");  // Qt's own paste, which can be undone

    compositions = 0;
    paste_over(large);
    EXPECT_EQ(box(INPUT_PATH)->text(), large);
    EXPECT_EQ(box(INPUT_PATH)->cursorPosition(), large.size());
    EXPECT_EQ(compositions, 1);  // one change, one recomposition

    press(Qt::Key_A, Qt::ControlModifier);
    type("q");  // typing over the whole large text replaces it in one step too
    EXPECT_EQ(text(INPUT_PATH), "q");
    EXPECT_EQ(compositions, 2);

    paste_over(large);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    EXPECT_EQ(text(INPUT_PATH), "");
    EXPECT_EQ(compositions, 4);
}

TEST_F(HugePaste, TheCountStillDropsWhatItDoesNotTakeOverALargeSelection) {
    click(INPUT_NUM);
    paste_over(QString(100 << 10, QChar(u'7')));
    press(Qt::Key_A, Qt::ControlModifier);
    compositions = 0;
    type("x");
    EXPECT_EQ(box(INPUT_NUM)->text().size(), 100 << 10);
    EXPECT_EQ(compositions, 0);
    type("5");
    EXPECT_EQ(text(INPUT_NUM), "5");
}

TEST_F(HugePaste, RepeatedPastesLeaveNothingBehind) {
    // LeakSanitizer checks at exit that every text of every round was released.
    const QString large(64 << 10, QChar(u'x'));
    click(INPUT_PATH);
    for (int round = 0; round < 100; ++round) {
        paste_over(large);
        paste_over("");
    }
    EXPECT_EQ(command(), R"(Trovilane -n -1 -p "" -O "")");
}

// The start button wired to the real launcher, with a "Trovilane" that exits at once.
class ManyClicks : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        char pattern[] = "/tmp/marrowick-clicks-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        std::filesystem::create_symlink("/bin/true", folder_ / "Trovilane");
        real_launcher_ = std::make_unique<PosixCommandLauncher>(folder_.string(), reaper_);
        application.router().bind(Routine::RunCommandLine,
                                  [this] { RunCommandLine(*application.form(), *real_launcher_); });
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    QtChildReaper reaper_;
    std::unique_ptr<PosixCommandLauncher> real_launcher_;
};

TEST_F(ManyClicks, LeaveNoZombieAndNoDescriptorBehind) {
    click(INPUT_ADDR);
    type("a");
    const std::size_t descriptors_before = testing::open_descriptor_count();
    for (int i = 0; i < 1000; ++i) {
        click(按钮1);
    }
    // The event loop reaps each one as it ends.
    EXPECT_TRUE(QTest::qWaitFor([this] { return reaper_.running() == 0; }, 10000));
    EXPECT_EQ(testing::zombie_children(), std::vector<int>{});
    EXPECT_EQ(testing::open_descriptor_count(), descriptors_before);
}

// The window with its real fatal report, whose error box is closed as soon as it shows, as a
// user would, after its text has gone to standard error.
class FatalFailureInAKeystroke : public WindowFixture {
  protected:
    void arm_the_report() {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        install_fatal_report(application.router());
        QObject::connect(&box_closer_, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "box says: %s\n", box->text().toUtf8().constData());
                box->accept();
            }
        });
        box_closer_.start(20);
    }

  private:
    QTimer box_closer_;
};

TEST_F(FatalFailureInAKeystroke, ShowsTheBytesAskedForAndEndsWith255) {
    EXPECT_EXIT(
        {
            arm_the_report();
            click(INPUT_ADDR);
            ScopedTextAllocationFailure next_text_fails;
            type("x");  // recomposes: reading the count ("-1", 3 bytes) fails
            std::fprintf(stderr, "the keystroke returned\n");
            std::exit(0);
        },
        ::testing::ExitedWithCode(255), "box says: 内存不足：无法分配 3 字节。");
}

TEST_F(FatalFailureInAKeystroke, MemoryRunningOutElsewhereIsReportedTheSameWay) {
    EXPECT_EXIT(
        {
            arm_the_report();
            std::get_new_handler()();  // what operator new calls when memory runs out
            std::exit(0);
        },
        ::testing::ExitedWithCode(255), "box says: 内存不足。");
}

}  // namespace
}  // namespace marrowick
