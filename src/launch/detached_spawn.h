// Starting a program as a detached process: the operating system's side of launching.
#pragma once

#include <string>
#include <vector>

namespace marrowick {

struct SpawnRequest {
    std::string program;                 // a path to the file to run
    std::vector<std::string> arguments;  // the argument vector, the program's own name first
};

enum class SpawnOutcome {
    Started,  // the program is running in place of the new process
    Refused,  // the system could not start it (not found, not executable, out of resources)
};

// Starts the program in a new session of its own, with the environment and current directory of
// this process and no file descriptor beyond 0, 1 and 2. The new process is not a child of this
// one, so it outlives the window and is never left as a zombie here. Returns as soon as the
// program has replaced the new process or failed to, as posix_spawn does; it never waits for
// the program to get going or to end.
SpawnOutcome spawn_detached(const SpawnRequest& request);

}  // namespace marrowick
