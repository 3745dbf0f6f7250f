// Starting a program as a detached process: the operating system's side of launching.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace marrowick {

struct SpawnRequest {
    std::string program;                 // a path to the file to run
    std::vector<std::string> arguments;  // the argument vector, the program's own name first
};

enum class SpawnOutcome {
    Started,   // the program is running in place of the new process
    Refused,   // the system could not start it (not found, not executable, out of resources)
    NoAnswer,  // the wait for the start ran out; the process may still start
};

// Starts the program in a new session of its own, with the environment and current directory of
// this process and no file descriptor beyond 0, 1 and 2. The new process is not a child of this
// one, so it outlives the window and is never left as a zombie here. Waits at most `start_wait`
// for the start to succeed or fail, never for the program to end.
SpawnOutcome spawn_detached(const SpawnRequest& request, std::chrono::milliseconds start_wait);

}  // namespace marrowick
