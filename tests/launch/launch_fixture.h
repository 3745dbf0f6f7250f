// A scratch program folder for launch tests, with the fixture downloader placed in it as
// "Trovilane", the current directory moved into it, and a folder collecting the fixture's records.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fixture_records.h"

namespace marrowick::testing {

class LaunchFixture : public ::testing::Test {
protected:
    LaunchFixture() {
        char pattern[] = "/tmp/marrowick-launch-XXXXXX";
        root_ = ::mkdtemp(pattern);
        program_folder_ = root_ / "程序 folder";
        records_ = root_ / "records";
        std::filesystem::create_directories(program_folder_);
        std::filesystem::create_directories(records_);
        std::filesystem::copy_file(FIXTURE_DOWNLOADER, program_folder_ / "Trovilane");
        previous_directory_ = std::filesystem::current_path();
        std::filesystem::current_path(program_folder_);
        ::setenv("TROVILANE_FIXTURE_RECORDS", records_.c_str(), 1);
    }
    ~LaunchFixture() override {
        std::filesystem::current_path(previous_directory_);
        ::unsetenv("TROVILANE_FIXTURE_RECORDS");
        ::unsetenv("TROVILANE_FIXTURE_LINGER_MS");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::vector<FixtureRecord> records(std::size_t expected) {
        return wait_for_fixture_records(records_, expected);
    }

    std::filesystem::path root_;
    std::filesystem::path program_folder_;
    std::filesystem::path records_;
    std::filesystem::path previous_directory_;
};

// The pids of this process's children that have ended but were not reaped.
inline std::vector<int> zombie_children() {
    std::vector<int> zombies;
    const std::string own = std::to_string(::getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue;
        }
        // pid (comm) state ppid ...: comm may hold blanks, so read after its closing parenthesis
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream rest(line.substr(close + 2));
        std::string state, parent;
        rest >> state >> parent;
        if (parent == own && state == "Z") {
            zombies.push_back(std::stoi(entry.path().filename().string()));
        }
    }
    return zombies;
}

}  // namespace marrowick::testing
