// What a click on the start button costs: RunCommandLine for a program that exits at once,
// against a bare posix_spawn of the same program, which returns once the exec has happened.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "launch/command_launcher_posix.h"
#include "launch/run_command_line.h"
#include "ratio_reporter.h"
#include "ui/events.h"
#include "ui/form_record.h"
#include "ui/main_window_form.h"

extern char** environ;  // NOLINT: passed on to the spawned program

namespace {

using namespace marrowick;
using Clock = std::chrono::steady_clock;

constexpr const char* program = "/bin/true";

// Keeps the started program for the benchmark loop to reap.
struct ReapAtOnce final : ChildReaper {
    std::optional<StartedProcess> last;
    void adopt(StartedProcess process) override { last = std::move(process); }
};

void BM_RunCommandLine(benchmark::State& state) {
    FormRecord controls;
    EventRouter router(main_window_form().bindings);
    MainWindowForm form(controls, router);
    controls.set_displayed_text(ControlId::INPUT_CMD,
                                std::string(program) + R"( -n 5 -p "/tmp" -O "addr")");
    ReapAtOnce reaper;
    PosixCommandLauncher launcher("/nonexistent", reaper);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        const auto start = Clock::now();
        RunCommandLine(form, launcher);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        // Not timed: wait for the started program to end and reap it, as the bare spawn below
        // does, so that no start competes with the one before it for the processor.
        if (reaper.last) {
            waitpid(reaper.last->pid(), nullptr, 0);
            reaper.last.reset();
        }
    }
}
BENCHMARK(BM_RunCommandLine)->UseManualTime()->Iterations(1000);

void BM_BarePosixSpawn(benchmark::State& state) {
    std::vector<std::string> arguments{program, "-n", "5", "-p", "/tmp", "-O", "addr"};
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        const auto start = Clock::now();
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (failed == 0) {
            waitpid(pid, nullptr, 0);  // not timed: the bare spawn must reap its own child
        }
    }
}
BENCHMARK(BM_BarePosixSpawn)->UseManualTime()->Iterations(1000);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    marrowick::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("RunCommandLine against bare posix_spawn (target < 1.5x)",
                         "BM_RunCommandLine/iterations:1000/manual_time",
                         "BM_BarePosixSpawn/iterations:1000/manual_time");
    benchmark::Shutdown();
    return 0;
}
