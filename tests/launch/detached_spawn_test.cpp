#include "launch/detached_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "launch_fixture.h"
#include "reaping_by_hand.h"

namespace marrowick {
namespace {

class DetachedSpawn : public testing::LaunchFixture {
  protected:
    SpawnRequest fixture_request(std::vector<std::string> arguments) {
        return {.program = (program_folder_ / "Trovilane").string(),
                .arguments = std::move(arguments)};
    }
    // Starts the fixture and hands it to the reaper; whether it started.
    bool start(std::vector<std::string> arguments) {
        std::optional<StartedProcess> started =
            spawn_detached(fixture_request(std::move(arguments)));
        if (started) {
            reaper_.adopt(std::move(*started));
        }
        return started.has_value();
    }
    void TearDown() override { EXPECT_TRUE(reaper_.reap_all()); }

    testing::ReapingByHand reaper_;
};

TEST_F(DetachedSpawn, PassesTheArgumentVectorUnchanged) {
    const std::vector<std::string> arguments{"Trovilane",   "",     "two words",
                                             R"(D:\save\)", "文章", "\"quoted\""};
    ASSERT_TRUE(start(arguments));
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].arguments, arguments);
}

TEST_F(DetachedSpawn, RunsInTheCurrentDirectoryWithOnlyTheStandardDescriptors) {
    // A descriptor this process holds open without close-on-exec must not leak into the child.
    const int leaky = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaky, 3);
    ASSERT_TRUE(start({"Trovilane"}));
    ::close(leaky);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].current_directory, program_folder_.string());
    EXPECT_EQ(recorded[0].open_descriptors, "0,1,2");
}

TEST_F(DetachedSpawn, StartsInASessionOfItsOwn) {
    ASSERT_TRUE(start({"Trovilane"}));
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].session, recorded[0].pid);  // it leads a session of its own
    EXPECT_NE(recorded[0].session, std::to_string(::getsid(0)));
}

TEST_F(DetachedSpawn, StartsNothingForFilesThatCannotRun) {
    const auto not_executable = program_folder_ / "notes.txt";
    std::ofstream(not_executable) << "not a program\n";
    EXPECT_EQ(spawn_detached({.program = not_executable.string(), .arguments = {"notes.txt"}}),
              std::nullopt);
    EXPECT_EQ(spawn_detached({.program = "/nonexistent/Trovilane", .arguments = {"Trovilane"}}),
              std::nullopt);
    EXPECT_EQ(testing::zombie_children(), std::vector<int>{});
}

TEST_F(DetachedSpawn, EveryEndedProgramIsReapedThroughItsExitWatch) {
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(start({"Trovilane"}));
    }
    ASSERT_EQ(records(20).size(), 20U);
    EXPECT_TRUE(reaper_.reap_all());
    EXPECT_EQ(testing::zombie_children(), std::vector<int>{});
}

TEST_F(DetachedSpawn, ReturnsWhileTheProgramStillRuns) {
    // The program works for two seconds; the start must not wait for that, and the running
    // program is not reaped yet.
    ::setenv("TROVILANE_FIXTURE_LINGER_MS", "2000", 1);
    std::optional<StartedProcess> started = spawn_detached(fixture_request({"Trovilane"}));
    ASSERT_TRUE(started);
    EXPECT_EQ(::kill(started->pid(), 0), 0);
    EXPECT_FALSE(started->reap_if_ended());
    reaper_.adopt(std::move(*started));
}

}  // namespace
}  // namespace marrowick
