// Starts a command line on POSIX systems, which take an argument vector rather than one string:
// the line is split, its first word looked up as a program, and the program spawned in a
// session of its own. Started programs go to a reaper, which collects them once they end.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "launch/child_reaper.h"
#include "launch/command_launcher.h"
#include "launch/detached_spawn.h"

namespace marrowick {

class PosixCommandLauncher final : public CommandLauncher {
  public:
    using Spawner = std::function<std::optional<StartedProcess>(const SpawnRequest&)>;

    // `program_folder` is searched first for a bare program name. The spawner is the seam
    // through which the actual start goes.
    PosixCommandLauncher(std::string program_folder, ChildReaper& reaper,
                         Spawner spawner = spawn_detached);

    void start(std::string_view command_line) override;

  private:
    std::string program_folder_;
    ChildReaper& reaper_;
    Spawner spawner_;
};

}  // namespace marrowick
