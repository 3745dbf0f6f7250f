#include "launch/run_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_window.h"
#include "recording_launcher.h"

namespace marrowick {
namespace {

using testing::RecordingLauncher;

TEST(RunCommandLine, StartsWhatTheCommandFieldHolds) {
    RecordingLauncher launcher;
    testing::RecordWindow window;
    window.controls.type(ControlId::INPUT_ADDR, "addr");
    RunCommandLine(window.form, launcher);
    RunCommandLine(window.form, launcher);
    EXPECT_EQ(launcher.started, (std::vector<std::string>{R"(Trovilane -n -1 -p "" -O "addr")",
                                                          R"(Trovilane -n -1 -p "" -O "addr")"}));
}

TEST(RunCommandLine, BeforeAnyCompositionHandsOverTheEmptyText) {
    RecordingLauncher launcher;
    testing::RecordWindow window;
    RunCommandLine(window.form, launcher);
    EXPECT_EQ(launcher.started, std::vector<std::string>{""});
}

TEST(RunCommandLine, TheStartButtonRunsItAfterTheCountWasRewritten) {
    RecordingLauncher launcher;
    testing::RecordWindow window([&] { /* bound below */ });
    window.router.bind(Routine::RunCommandLine, [&] { RunCommandLine(window.form, launcher); });
    window.controls.type(ControlId::INPUT_NUM, "007");
    window.controls.leave(ControlId::INPUT_NUM);  // pressing the button takes the focus first
    window.controls.click(ControlId::按钮1);
    EXPECT_EQ(launcher.started, std::vector<std::string>{R"(Trovilane -n 7 -p "" -O "")"});
}

}  // namespace
}  // namespace marrowick
