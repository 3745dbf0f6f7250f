// A launcher that starts nothing and records every command line it was asked to start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launch/command_launcher.h"

namespace marrowick::testing {

struct RecordingLauncher final : CommandLauncher {
    std::vector<std::string> started;
    void start(std::string_view command_line) override { started.emplace_back(command_line); }
};

}  // namespace marrowick::testing
