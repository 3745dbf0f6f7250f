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
#include "process_probe.h"

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

}  // namespace marrowick::testing
