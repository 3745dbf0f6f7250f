#include "launch/detached_spawn.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "launch_fixture.h"

namespace marrowick {
namespace {

using namespace std::chrono_literals;

class DetachedSpawn : public testing::LaunchFixture {
  protected:
    SpawnRequest fixture_request(std::vector<std::string> arguments) {
        return {.program = (program_folder_ / "Trovilane").string(),
                .arguments = std::move(arguments)};
    }
};

TEST_F(DetachedSpawn, PassesTheArgumentVectorUnchanged) {
    const std::vector<std::string> arguments{"Trovilane",   "",     "two words",
                                             R"(D:\save\)", "文章", "\"quoted\""};
    EXPECT_EQ(spawn_detached(fixture_request(arguments)), SpawnOutcome::Started);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].arguments, arguments);
}

TEST_F(DetachedSpawn, RunsInTheCurrentDirectoryWithOnlyTheStandardDescriptors) {
    // A descriptor this process holds open without close-on-exec must not leak into the child.
    const int leaky = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaky, 3);
    EXPECT_EQ(spawn_detached(fixture_request({"Trovilane"})), SpawnOutcome::Started);
    ::close(leaky);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0].current_directory, program_folder_.string());
    EXPECT_EQ(recorded[0].open_descriptors, "0,1,2");
}

TEST_F(DetachedSpawn, StartsInASessionOfItsOwn) {
    EXPECT_EQ(spawn_detached(fixture_request({"Trovilane"})), SpawnOutcome::Started);
    const auto recorded = records(1);
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_NE(recorded[0].session, std::to_string(::getsid(0)));
}

TEST_F(DetachedSpawn, ReportsARefusalForFilesThatCannotRun) {
    const auto not_executable = program_folder_ / "notes.txt";
    std::ofstream(not_executable) << "not a program\n";
    EXPECT_EQ(spawn_detached({.program = not_executable.string(), .arguments = {"notes.txt"}}),
              SpawnOutcome::Refused);
    EXPECT_EQ(spawn_detached({.program = "/nonexistent/Trovilane", .arguments = {"Trovilane"}}),
              SpawnOutcome::Refused);
}

TEST_F(DetachedSpawn, LeavesNoZombieBehind) {
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(spawn_detached(fixture_request({"Trovilane"})), SpawnOutcome::Started);
    }
    ASSERT_EQ(records(20).size(), 20U);
    std::this_thread::sleep_for(100ms);  // the fixtures have written their records and exit
    EXPECT_EQ(testing::zombie_children(), std::vector<int>{});
}

TEST_F(DetachedSpawn, DoesNotWaitForTheProgramToEnd) {
    ::setenv("TROVILANE_FIXTURE_LINGER_MS", "3000", 1);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(spawn_detached(fixture_request({"Trovilane"})), SpawnOutcome::Started);
    // Far below the program's three seconds; the bound is generous for a loaded machine.
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1500ms);
}

}  // namespace
}  // namespace marrowick
