// POSIX (Linux): a double spawn that shares memory instead of copying it.
//
// A middle process starts a new session, spawns the program's process and ends at once, so the
// program is adopted by init (or the nearest subreaper), which reaps it: this process never
// holds a zombie and keeps no list of what it started. Both new processes share this one's
// memory (CLONE_VM, as posix_spawn does), so nothing is copied. This process waits until the
// program's process has exec'd or failed, which a close-on-exec pipe tells: it reaches
// end-of-file at the exec or at the exit after a failure. Only then are the shared stacks and
// arguments released; a failure's errno is handed back in shared memory.
//
// The new processes run on stacks of their own and make raw system calls only: they share this
// process's memory, so they must not take locks, allocate, or run this process's signal
// handlers. All signals stay blocked in them until the program's process has reset every
// handled signal to its default.
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>

#include "launch/detached_spawn.h"

extern char** environ;  // NOLINT: the process environment, passed on unchanged

namespace marrowick {
namespace {

// What the parent hands to the new processes and they hand back; lives on the parent's stack.
struct SharedState {
    const char* program;
    char* const* argv;
    char* const* envp;
    unsigned highest_fd;
    unsigned start_pipe;  // write end, close-on-exec: kept open until the exec
    void* program_stack_top;
    volatile int error;  // errno of a failed start, or 0
};

// The kernel's own sigaction record, for raw rt_sigaction calls.
struct KernelSigaction {
    void (*handler)(int);
    unsigned long flags;
    void (*restorer)();
    std::uint64_t mask;
};

constexpr int signal_count = 64;

__attribute__((no_sanitize("address"))) void reset_handled_signals() {
    for (int signal_number = 1; signal_number <= signal_count; ++signal_number) {
        KernelSigaction current{};
        if (::syscall(SYS_rt_sigaction, signal_number, nullptr, &current, sizeof(std::uint64_t)) !=
                0 ||
            current.handler == SIG_DFL || current.handler == SIG_IGN) {
            continue;
        }
        KernelSigaction fallback{};
        fallback.handler = SIG_DFL;
        ::syscall(SYS_rt_sigaction, signal_number, &fallback, nullptr, sizeof(std::uint64_t));
    }
}

// Closes every descriptor from `first` up but `keep`.
__attribute__((no_sanitize("address"))) void close_descriptors_from(unsigned first, unsigned keep,
                                                                    unsigned highest) {
    const bool below = keep <= first || ::syscall(SYS_close_range, first, keep - 1, 0U) == 0;
    if (below && ::syscall(SYS_close_range, keep + 1, UINT_MAX, 0U) == 0) {
        return;
    }
    for (unsigned fd = first; fd <= highest; ++fd) {  // kernels without close_range
        if (fd != keep) {
            ::syscall(SYS_close, fd);
        }
    }
}

__attribute__((no_sanitize("address"))) int become_program(void* state) {
    auto* shared = static_cast<SharedState*>(state);
    reset_handled_signals();
    const std::uint64_t none = 0;
    ::syscall(SYS_rt_sigprocmask, SIG_SETMASK, &none, nullptr, sizeof none);
    close_descriptors_from(3, shared->start_pipe, shared->highest_fd);
    ::syscall(SYS_execve, shared->program, shared->argv, shared->envp);
    shared->error = errno != 0 ? errno : ENOEXEC;
    ::syscall(SYS_exit_group, 127);
    return 127;
}

__attribute__((no_sanitize("address"))) int run_middle_process(void* state) {
    auto* shared = static_cast<SharedState*>(state);
    ::syscall(SYS_setsid);
    if (::clone(become_program, shared->program_stack_top, CLONE_VM | SIGCHLD, shared) < 0) {
        shared->error = errno;
    }
    ::syscall(SYS_exit_group, 0);
    return 0;
}

// A stack for a new process, unmapped when done.
class ProcessStack {
  public:
    ProcessStack() noexcept
        : base_(::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0)) {}
    ~ProcessStack() {
        if (valid()) {
            ::munmap(base_, size);
        }
    }
    ProcessStack(const ProcessStack&) = delete;
    ProcessStack& operator=(const ProcessStack&) = delete;

    [[nodiscard]] bool valid() const noexcept { return base_ != MAP_FAILED; }
    [[nodiscard]] void* top() const noexcept { return static_cast<char*>(base_) + size; }

  private:
    static constexpr std::size_t size = std::size_t{64} * 1024;
    void* base_;
};

// Blocks every signal in this thread while it lives.
class AllSignalsBlocked {
  public:
    AllSignalsBlocked() noexcept {
        sigset_t all;
        ::sigfillset(&all);
        ::pthread_sigmask(SIG_SETMASK, &all, &previous_);
    }
    ~AllSignalsBlocked() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    AllSignalsBlocked(const AllSignalsBlocked&) = delete;
    AllSignalsBlocked& operator=(const AllSignalsBlocked&) = delete;

  private:
    sigset_t previous_{};
};

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

// Blocks until every write end of the pipe is closed.
void wait_for_end_of_file(int read_end) {
    pollfd hang_up{.fd = read_end, .events = POLLIN, .revents = 0};
    while (true) {
        const int ready = ::poll(&hang_up, 1, -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        char ignored = 0;
        if (ready < 0 || ::read(read_end, &ignored, 1) <= 0) {
            return;
        }
    }
}

unsigned highest_descriptor() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur <= 1U << 20) {
        return static_cast<unsigned>(limit.rlim_cur) - 1;
    }
    return (1U << 20) - 1;
}

}  // namespace

SpawnOutcome spawn_detached(const SpawnRequest& request) {
    std::vector<char*> argv;
    argv.reserve(request.arguments.size() + 1);
    for (const std::string& argument : request.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));  // NOLINT: execve's signature
    }
    argv.push_back(nullptr);

    const ProcessStack middle_stack;
    const ProcessStack program_stack;
    int ends[2];
    if (!middle_stack.valid() || !program_stack.valid() || ::pipe2(ends, O_CLOEXEC) != 0) {
        return SpawnOutcome::Refused;
    }
    const UniqueFd read_end(ends[0]);
    UniqueFd write_end(ends[1]);
    SharedState shared{.program = request.program.c_str(),
                       .argv = argv.data(),
                       .envp = environ,
                       .highest_fd = highest_descriptor(),
                       .start_pipe = static_cast<unsigned>(write_end.get()),
                       .program_stack_top = program_stack.top(),
                       .error = 0};
    pid_t middle = -1;
    {
        const AllSignalsBlocked blocked;
        // Returns once the middle process has ended, right after it spawned the program's.
        middle = ::clone(run_middle_process, middle_stack.top(), CLONE_VM | CLONE_VFORK | SIGCHLD,
                         &shared);
    }
    write_end.reset();
    if (middle < 0) {
        return SpawnOutcome::Refused;
    }
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The program's process runs on the shared stack and arguments until its exec.
    wait_for_end_of_file(read_end.get());
    return shared.error == 0 ? SpawnOutcome::Started : SpawnOutcome::Refused;
}

}  // namespace marrowick
