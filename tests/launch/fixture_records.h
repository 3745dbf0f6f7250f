// Reading what the fixture downloader recorded.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace marrowick::testing {

struct FixtureRecord {
    std::vector<std::string> arguments;
    std::string current_directory;
    std::string executable;
    std::string open_descriptors;
    std::string session;
    std::string pid;
};

inline FixtureRecord read_fixture_record(const std::filesystem::path& file) {
    FixtureRecord record;
    std::ifstream in(file, std::ios::binary);
    std::string key;
    while (in >> key) {
        std::size_t length = 0;
        in >> length;
        in.get();  // ':'
        std::string value(length, '\0');
        in.read(value.data(), static_cast<std::streamsize>(length));
        in.get();  // '\n'
        if (key == "arg") {
            record.arguments.push_back(value);
        } else if (key == "cwd") {
            record.current_directory = value;
        } else if (key == "exe") {
            record.executable = value;
        } else if (key == "fds") {
            record.open_descriptors = value;
        } else if (key == "sid") {
            record.session = value;
        } else if (key == "pid") {
            record.pid = value;
        }
    }
    return record;
}

// The complete records in the folder, waiting up to `patience` for `expected` of them.
inline std::vector<FixtureRecord> wait_for_fixture_records(
    const std::filesystem::path& folder, std::size_t expected,
    std::chrono::milliseconds patience = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::vector<FixtureRecord> records;
    while (true) {
        records.clear();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".partial") {
                records.push_back(read_fixture_record(entry.path()));
            }
        }
        if (records.size() >= expected || std::chrono::steady_clock::now() > deadline) {
            return records;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace marrowick::testing
