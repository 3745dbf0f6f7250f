// Starting a program in a session of its own: the operating system's side of launching.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace marrowick {

struct SpawnRequest {
    std::string program;                 // a path to the file to run
    std::vector<std::string> arguments;  // the argument vector, the program's own name first
};

// A started program. It is this process's child until it has ended and been reaped; its exit
// watch is a descriptor that becomes readable once it has ended, for an event loop to wait on.
class StartedProcess {
  public:
    StartedProcess(pid_t pid, int exit_watch) noexcept : pid_(pid), exit_watch_(exit_watch) {}
    ~StartedProcess();
    StartedProcess(StartedProcess&& other) noexcept;
    StartedProcess& operator=(StartedProcess&& other) noexcept;
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    [[nodiscard]] pid_t pid() const noexcept { return pid_; }
    [[nodiscard]] int exit_watch() const noexcept { return exit_watch_; }

    // Collects the exit of an ended process, so that it is not left as a zombie. Returns false,
    // without waiting, while it still runs.
    bool reap_if_ended() noexcept;

  private:
    pid_t pid_;
    int exit_watch_;
};

// Starts the program in a new session, with the environment and current directory of this
// process and no file descriptor beyond 0, 1 and 2, so that it outlives the window and the
// terminal the window was started from. Returns once the program has replaced the new process
// (nothing when it could not: not found, not executable, out of resources); it never waits for
// the program to get going or to end.
std::optional<StartedProcess> spawn_detached(const SpawnRequest& request);

}  // namespace marrowick
