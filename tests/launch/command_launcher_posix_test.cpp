#include "launch/command_launcher_posix.h"

#include <gtest/gtest.h>

#include <fstream>

#include "launch_fixture.h"
#include "reaping_by_hand.h"

namespace marrowick {
namespace {

std::string path_variable() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "";
}

class PosixLauncher : public testing::LaunchFixture {
  protected:
    void TearDown() override { EXPECT_TRUE(reaper.reap_all()); }

    testing::ReapingByHand reaper;
    std::vector<SpawnRequest> spawned;
    PosixCommandLauncher recording{program_folder_.string(), reaper,
                                   [this](const SpawnRequest& r) -> std::optional<StartedProcess> {
                                       spawned.push_back(r);
                                       return std::nullopt;  // as if the system refused
                                   }};
    PosixCommandLauncher real{program_folder_.string(), reaper};
};

TEST_F(PosixLauncher, TheComposedCommandReachesTheDownloaderAsSeparateArguments) {
    real.start(R"(Trovilane -n 10 -p "D:\save" -O "addr")");
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].arguments, (std::vector<std::string>{"Trovilane", "-n", "10", "-p",
                                                               R"(D:\save)", "-O", "addr"}));
    EXPECT_EQ(recorded[0].current_directory, program_folder_.string());
}

TEST_F(PosixLauncher, EmptyPiecesAndUnbalancedQuotesArriveAsTheSplitRuleSays) {
    real.start(R"(Trovilane -n  -p "" -o "my "addr)");
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].arguments,
              (std::vector<std::string>{"Trovilane", "-n", "-p", "", "-o", "my addr"}));
}

TEST_F(PosixLauncher, FindsTheProgramBesideItselfBeforeTheSearchPath) {
    const auto on_path = root_ / "bin";
    std::filesystem::create_directories(on_path);
    std::filesystem::copy_file(FIXTURE_DOWNLOADER, on_path / "Trovilane");
    const std::string saved_path = path_variable();
    ::setenv("PATH", on_path.c_str(), 1);
    real.start("Trovilane");
    ::setenv("PATH", saved_path.c_str(), 1);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].executable, (program_folder_ / "Trovilane").string());
}

TEST_F(PosixLauncher, FallsBackToTheSearchPath) {
    const auto on_path = root_ / "bin";
    std::filesystem::create_directories(on_path);
    std::filesystem::copy_file(FIXTURE_DOWNLOADER, on_path / "Other");
    const std::string saved_path = path_variable();
    ::setenv("PATH", on_path.c_str(), 1);
    real.start(R"(Other "x y")");
    ::setenv("PATH", saved_path.c_str(), 1);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].executable, (on_path / "Other").string());
    EXPECT_EQ(recorded[0].arguments, (std::vector<std::string>{"Other", "x y"}));
}

TEST_F(PosixLauncher, TwoStartsGiveTwoProcessesForTheReaper) {
    real.start("Trovilane -n 1");
    real.start("Trovilane -n 1");
    EXPECT_EQ(reaper.started.size(), 2U);
    const auto recorded = records(2);
    ASSERT_EQ(recorded.size(), 2U);
    EXPECT_NE(recorded[0].pid, recorded[1].pid);
}

TEST_F(PosixLauncher, StartsNothingForAnEmptyBlankOrUnknownCommand) {
    std::ofstream(program_folder_ / "plain") << "text\n";
    for (const char* command : {"", "   \t", "NoSuchDownloader -n 1", "plain"}) {
        recording.start(command);
        real.start(command);
    }
    EXPECT_TRUE(spawned.empty());
    EXPECT_TRUE(reaper.started.empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(std::filesystem::is_empty(records_));
}

TEST_F(PosixLauncher, ARefusedStartIsSilent) {
    recording.start("Trovilane -n 1");
    EXPECT_TRUE(reaper.started.empty());
    ASSERT_EQ(spawned.size(), 1U);
    EXPECT_EQ(spawned[0].program, (program_folder_ / "Trovilane").string());
    EXPECT_EQ(spawned[0].arguments, (std::vector<std::string>{"Trovilane", "-n", "1"}));
}

}  // namespace
}  // namespace marrowick
