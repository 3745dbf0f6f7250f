// POSIX: a double fork. The middle process starts a new session, forks the program's process and
// ends at once, so the program is adopted by init (or the nearest subreaper) and reaped there.
// A close-on-exec pipe tells whether the exec happened: it reaches end-of-file at a successful
// exec, or carries the errno of a failed one.
//
// Between fork and exec only async-signal-safe calls are made: everything that allocates is
// prepared beforehand.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

#include "launch/detached_spawn.h"

extern char** environ;  // NOLINT: the process environment, passed on unchanged

namespace marrowick {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) noexcept : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    [[nodiscard]] int get() const noexcept { return fd_; }
    void reset() noexcept {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_;
};

// Closes every descriptor from `first` up, leaving `keep` open (it is close-on-exec itself).
void close_descriptors_from(int first, int keep, int highest_possible) {
    auto close_range = [](unsigned from, unsigned to) {
        if (from > to) {
            return true;
        }
        return ::syscall(SYS_close_range, from, to, 0U) == 0;
    };
    if (close_range(static_cast<unsigned>(first), static_cast<unsigned>(keep) - 1) &&
        close_range(static_cast<unsigned>(keep) + 1, UINT_MAX)) {
        return;
    }
    for (int fd = first; fd <= highest_possible; ++fd) {  // kernels without close_range
        if (fd != keep) {
            ::close(fd);
        }
    }
}

void write_errno_and_exit(int pipe_fd, int error) {
    [[maybe_unused]] ssize_t written = ::write(pipe_fd, &error, sizeof error);
    ::_exit(127);
}

[[noreturn]] void become_program(const char* program, char* const* argv, int pipe_fd,
                                 int highest_fd) {
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    close_descriptors_from(3, pipe_fd, highest_fd);
    ::execve(program, argv, environ);
    write_errno_and_exit(pipe_fd, errno);
    ::_exit(127);
}

[[noreturn]] void run_middle_process(const char* program, char* const* argv, int pipe_fd,
                                     int highest_fd) {
    ::setsid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        become_program(program, argv, pipe_fd, highest_fd);
    }
    if (pid < 0) {
        write_errno_and_exit(pipe_fd, errno);
    }
    ::_exit(0);
}

int highest_descriptor() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur <= INT_MAX) {
        return static_cast<int>(limit.rlim_cur) - 1;
    }
    return 65535;
}

void reap(pid_t pid) {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

SpawnOutcome spawn_detached(const SpawnRequest& request, std::chrono::milliseconds start_wait) {
    std::vector<char*> argv;
    argv.reserve(request.arguments.size() + 1);
    for (const std::string& argument : request.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));  // NOLINT: execve's signature
    }
    argv.push_back(nullptr);
    const int highest_fd = highest_descriptor();

    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return SpawnOutcome::Refused;
    }
    UniqueFd read_end(ends[0]);
    UniqueFd write_end(ends[1]);

    const pid_t middle = ::fork();
    if (middle < 0) {
        return SpawnOutcome::Refused;
    }
    if (middle == 0) {
        run_middle_process(request.program.c_str(), argv.data(), write_end.get(), highest_fd);
    }
    write_end.reset();
    reap(middle);

    pollfd ready{.fd = read_end.get(), .events = POLLIN, .revents = 0};
    const auto deadline = std::chrono::steady_clock::now() + start_wait;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int polled = ::poll(&ready, 1, static_cast<int>(std::max<long long>(0, left.count())));
        if (polled > 0) {
            break;
        }
        if (polled == 0) {
            return SpawnOutcome::NoAnswer;
        }
        if (errno != EINTR) {
            return SpawnOutcome::NoAnswer;
        }
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(read_end.get(), &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == 0 ? SpawnOutcome::Started : SpawnOutcome::Refused;
}

}  // namespace marrowick
