#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace vantrel::bench {

// The console report, keeping each run's time so the solver can be set against dgesv at the end.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Seconds {
    double real = 0.0;
    double cpu = 0.0;
  };
  std::map<std::string, Seconds> secondsByName_;
};

}  // namespace vantrel::bench
