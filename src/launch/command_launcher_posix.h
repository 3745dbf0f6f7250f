// Starts a command line on POSIX systems, which take an argument vector rather than one string:
// the line is split, its first word looked up as a program, and the program spawned detached.
#pragma once

#include <functional>
#include <string>

#include "launch/command_launcher.h"
#include "launch/detached_spawn.h"

namespace marrowick {

class PosixCommandLauncher final : public CommandLauncher {
  public:
    using Spawner = std::function<SpawnOutcome(const SpawnRequest&)>;

    // `program_folder` is searched first for a bare program name. The spawner is the seam
    // through which the actual start goes; by default a detached spawn.
    explicit PosixCommandLauncher(std::string program_folder, Spawner spawner = {});

    void start(std::string_view command_line) override;

  private:
    std::string program_folder_;
    Spawner spawner_;
};

}  // namespace marrowick
