// What one keystroke costs the core: a whole recomposition over the record form, and the count
// box's focus-loss rewrite.
#include <benchmark/benchmark.h>

#include <string>

#include "command/compose_command_line.h"
#include "ratio_reporter.h"
#include "ui/events.h"
#include "ui/form_record.h"
#include "ui/integer_input.h"
#include "ui/main_window_form.h"

namespace {

using namespace marrowick;

// The inputs a user may have typed: an address of `address` bytes and a path of `path` bytes.
void compose(benchmark::State& state, std::size_t address, std::size_t path) {
    FormRecord controls;
    EventRouter router(main_window_form().bindings);
    MainWindowForm form(controls, router);
    controls.set_displayed_text(ControlId::INPUT_ADDR, std::string(address, 'a'));
    controls.set_displayed_text(ControlId::INPUT_PATH, std::string(path, 'p'));
    controls.set_displayed_text(ControlId::INPUT_NUM, "25");
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        ComposeCommandLine(form);
        benchmark::DoNotOptimize(controls.text(ControlId::INPUT_CMD).data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(controls.text(ControlId::INPUT_CMD).size()));
}

void BM_ComposeTypical(benchmark::State& state) {
    compose(state, 20, 30);
}
void BM_Compose64KiB(benchmark::State& state) {
    compose(state, 32 << 10, 32 << 10);
}
void BM_Compose1MiB(benchmark::State& state) {
    compose(state, 512 << 10, 512 << 10);
}

BENCHMARK(BM_ComposeTypical);
BENCHMARK(BM_Compose64KiB);
BENCHMARK(BM_Compose1MiB);

void BM_CanonicalIntegerText(benchmark::State& state) {
    const std::string shown[] = {"-1", "007", "12abc", " 42", "99999999999999999999"};
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        for (const std::string& text : shown) {
            benchmark::DoNotOptimize(canonical_integer_text(text));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 5);
}
BENCHMARK(BM_CanonicalIntegerText);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    marrowick::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio(
        "1 MiB composition against 64 KiB (16x the input; linear is ~16x, target < 20x)",
        "BM_Compose1MiB", "BM_Compose64KiB");
    benchmark::Shutdown();
    return 0;
}
