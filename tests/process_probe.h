// What /proc says about this test process: its unreaped children and its open descriptors.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace marrowick::testing {

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

inline std::size_t open_descriptor_count() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

}  // namespace marrowick::testing
