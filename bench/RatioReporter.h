#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the console report, then for each pair of benchmarks (measured, baseline) the ratio of
// their times per iteration, matching runs by their arguments ("BM_Render/256/1" with
// "BM_Fill/256/1").
class RatioReporter : public benchmark::ConsoleReporter {
public:
  RatioReporter(std::string title, std::vector<std::pair<std::string, std::string>> pairs)
      : title_(std::move(title)), pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const {
    std::printf("\n%s\n", title_.c_str());
    for (const auto& [measured, baseline] : pairs_)
      for (const auto& [name, time] : times_) {
        if (name.rfind(measured, 0) != 0) continue;
        const std::string args = name.substr(measured.size());
        if (!args.empty() && args[0] != '/') continue;
        const auto base = times_.find(baseline + args);
        if (base == times_.end() || base->second <= 0) continue;
        std::printf("  %-40s %12.3f  %-32s %12.3f  ratio %.2f\n", name.c_str(), time, (baseline + args).c_str(),
                    base->second, time / base->second);
      }
  }

private:
  std::string title_;
  std::vector<std::pair<std::string, std::string>> pairs_;
  std::map<std::string, double> times_;
};
