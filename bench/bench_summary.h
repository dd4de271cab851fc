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
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Seconds {
    double real = 0.0;
    double cpu = 0.0;
  };
  const Seconds* find(const std::string& name) const;
  void printSolverTable() const;
  void printThreadTable() const;
  void printWholeRunTable() const;
  std::map<std::string, Seconds> secondsByName_;
};

}  // namespace vantrel::bench
