// POSIX (Linux): posix_spawn, which shares this process's memory until the exec instead of
// copying it and reports a failed exec itself, with a new session, an empty signal mask and
// every descriptor from 3 up closed in the new process. The exit watch is a pidfd.
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

#include "launch/detached_spawn.h"

extern char** environ;  // NOLINT: the process environment, passed on unchanged

namespace marrowick {
namespace {

class SpawnAttributes {
  public:
    SpawnAttributes() noexcept {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }
    ~SpawnAttributes() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    [[nodiscard]] const posix_spawnattr_t* attributes() const noexcept { return &attributes_; }
    [[nodiscard]] const posix_spawn_file_actions_t* actions() const noexcept { return &actions_; }

  private:
    posix_spawnattr_t attributes_{};
    posix_spawn_file_actions_t actions_{};
};

}  // namespace

StartedProcess::~StartedProcess() {
    if (exit_watch_ >= 0) {
        ::close(exit_watch_);
    }
}

StartedProcess::StartedProcess(StartedProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), exit_watch_(std::exchange(other.exit_watch_, -1)) {}

StartedProcess& StartedProcess::operator=(StartedProcess&& other) noexcept {
    if (this != &other) {
        if (exit_watch_ >= 0) {
            ::close(exit_watch_);
        }
        pid_ = std::exchange(other.pid_, -1);
        exit_watch_ = std::exchange(other.exit_watch_, -1);
    }
    return *this;
}

bool StartedProcess::reap_if_ended() noexcept {
    if (pid_ <= 0) {
        return true;
    }
    pid_t reaped = 0;
    do {
        reaped = ::waitpid(pid_, nullptr, WNOHANG);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == 0) {
        return false;
    }
    pid_ = -1;  // reaped, or no longer ours to reap
    return true;
}

std::optional<StartedProcess> spawn_detached(const SpawnRequest& request) {
    std::vector<char*> argv;
    argv.reserve(request.arguments.size() + 1);
    for (const std::string& argument : request.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));  // NOLINT: posix_spawn's signature
    }
    argv.push_back(nullptr);

    const SpawnAttributes settings;
    pid_t pid = 0;
    if (::posix_spawn(&pid, request.program.c_str(), settings.actions(), settings.attributes(),
                      argv.data(), environ) != 0) {
        return std::nullopt;
    }
    // A process that has already ended is still ours until reaped, so its pid is not reused and
    // the pidfd refers to it.
    const int exit_watch = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0U));
    return StartedProcess(pid, exit_watch);
}

}  // namespace marrowick
