#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_summary.h"
#include "coefficients/gauss_kernel.h"

extern "C" void openblas_set_num_threads(int threads) __attribute__((weak));

namespace vantrel::bench {

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs)
    if (run.run_type == Run::RT_Iteration && !run.error_occurred)
      secondsByName_[run.benchmark_name()] = {
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit)};
  ConsoleReporter::ReportRuns(runs);
}

ThreadCount::ThreadCount(int threads) {
  ::setenv("VANTREL_THREADS", std::to_string(threads).c_str(), 1);
}

ThreadCount::~ThreadCount() {
  ::unsetenv("VANTREL_THREADS");
}

const SummaryReporter::Seconds* SummaryReporter::find(const std::string& name) const {
  const auto found = secondsByName_.find(name + "/real_time");
  return found == secondsByName_.end() ? nullptr : &found->second;
}

void SummaryReporter::printSolverTable() const {
  std::printf("\nGaussSolve (%s kernel) against single-threaded OpenBLAS dgesv\n",
              std::string(nameOf(fastestVectorInstructions())).c_str());
  // On a machine shared with other work the processor time is the steadier measure; both shown.
  std::printf("%6s %10s %10s %10s %10s %11s %10s %10s\n", "n", "Gauss ms", "dgesv ms", "Gauss GF/s",
              "dgesv GF/s", "ratio(real)", "Gauss cpu", "ratio(cpu)");
  for (int n : {100, 500, 1000, 2000, 4000}) {
    const Seconds* g = find("GaussSolve/" + std::to_string(n) + "/threads:1");
    const Seconds* l = find("LapackDgesv/" + std::to_string(n) + "/threads:1");
    if (g == nullptr || l == nullptr) continue;
    const double flops = 2.0 * std::pow(n, 3) / 3.0;
    std::printf("%6d %10.3f %10.3f %10.1f %10.1f %11.2f %10.3f %10.2f\n", n, g->real * 1e3,
                l->real * 1e3, flops / g->real * 1e-9, flops / l->real * 1e-9, g->real / l->real,
                g->cpu * 1e3, g->cpu / l->cpu);
  }
}

// Two threads against one, and against dgesv on two threads: real time, since the point is
// the wait.
void SummaryReporter::printThreadTable() const {
  std::printf("\nTwo threads: GaussSolve against itself on one thread and against dgesv on two\n");
  std::printf("%6s %12s %12s %12s %14s %14s\n", "n", "1 thread ms", "2 threads ms", "speed-up",
              "dgesv(2) ms", "ratio to dgesv");
  for (int n : {2000, 4000}) {
    const Seconds* one = find("GaussSolve/" + std::to_string(n) + "/threads:1");
    const Seconds* two = find("GaussSolve/" + std::to_string(n) + "/threads:2");
    const Seconds* lapack = find("LapackDgesv/" + std::to_string(n) + "/threads:2");
    if (one == nullptr || two == nullptr || lapack == nullptr) continue;
    std::printf("%6d %12.1f %12.1f %12.2f %14.1f %14.2f\n", n, one->real * 1e3, two->real * 1e3,
                one->real / two->real, lapack->real * 1e3, two->real / lapack->real);
  }
}

// The whole lumped vortex run against the elimination it contains, on the same threads.
void SummaryReporter::printWholeRunTable() const {
  std::printf("\nLumped vortex method at 2000 panels: the whole run against its elimination\n");
  std::printf("%8s %12s %16s %8s\n", "threads", "whole ms", "elimination ms", "ratio");
  for (int threads : {1, 2}) {
    const std::string suffix = "/threads:" + std::to_string(threads);
    const Seconds* whole = find("LumpedVortexOn2000Panels" + suffix);
    const Seconds* elimination = find("GaussSolve/2000" + suffix);
    if (whole == nullptr || elimination == nullptr) continue;
    std::printf("%8d %12.1f %16.1f %8.2f\n", threads, whole->real * 1e3, elimination->real * 1e3,
                whole->real / elimination->real);
  }
}

void SummaryReporter::Finalize() {
  ConsoleReporter::Finalize();
  printSolverTable();
  printThreadTable();
  printWholeRunTable();
}

}  // namespace vantrel::bench

int main(int argc, char** argv) {
  if (openblas_set_num_threads) openblas_set_num_threads(1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  vantrel::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
