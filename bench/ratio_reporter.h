// A console reporter that also keeps each benchmark's time per iteration, so that a benchmark
// program can print the ratios it is about once all have run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace marrowick::bench {

class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void print_ratio(const std::string& what, const std::string& numerator,
                     const std::string& denominator) const {
        const auto top = seconds_.find(numerator);
        const auto bottom = seconds_.find(denominator);
        if (top == seconds_.end() || bottom == seconds_.end() || bottom->second <= 0) {
            std::printf("%s: not measured\n", what.c_str());
            return;
        }
        std::printf("%s: %.2fx\n", what.c_str(), top->second / bottom->second);
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace marrowick::bench
