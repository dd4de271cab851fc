#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace vantrel::bench {

// Sets VANTREL_THREADS for the length of one benchmark, as a user would for a run.
class ThreadCount {
 public:
  explicit ThreadCount(int threads);
  ~ThreadCount();
  ThreadCount(const ThreadCount&) = delete;
  ThreadCount& operator=(const ThreadCount&) = delete;
};

// The console report, keeping each run's time so the solver can be set against dgesv at the end.
// With repetitions (--benchmark_repetitions=N) the tables give the median of the N runs and
// the fastest.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  // In colour on a terminal only, so a report sent to a file reads as plain text.
  SummaryReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Seconds {
    double real = 0.0;
    double cpu = 0.0;
  };
  struct Summary {
    Seconds median;
    double fastestReal = 0.0;
    int runs = 0;
  };
  const Summary* find(const std::string& name) const;
  void summarise();
  void printSolverTable() const;
  void printThreadTable() const;
  void printWholeRunTable() const;
  std::map<std::string, std::vector<Seconds>> runsByName_;
  std::map<std::string, Summary> summaryByName_;
};

}  // namespace vantrel::bench
