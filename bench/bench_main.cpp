#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_summary.h"
#include "coefficients/gauss_kernel.h"

extern "C" void openblas_set_num_threads(int threads) __attribute__((weak));

namespace vantrel::bench {
namespace {

// The benchmarks that run on one thread and on two, as "name/threads:"; the tables compare each.
const char* const kThreadedBenchmarks[] = {"GaussSolve/2000/threads:",
                                           "GaussSolve/4000/threads:",
                                           "LumpedVortexOn2000Panels/threads:",
                                           "LumpedVortexSweepOn4000Panels/threads:",
                                           "ConvergenceStudy10To2560Panels/threads:",
                                           "PanelSolve/1000/threads:",
                                           "PanelSolve/2000/threads:"};

double medianOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

SummaryReporter::SummaryReporter()
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs)
    if (run.run_type == Run::RT_Iteration && !run.error_occurred)
      runsByName_[run.benchmark_name()].push_back(
          {run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
           run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit)});
  ConsoleReporter::ReportRuns(runs);
}

ThreadCount::ThreadCount(int threads) {
  ::setenv("VANTREL_THREADS", std::to_string(threads).c_str(), 1);
}

ThreadCount::~ThreadCount() {
  ::unsetenv("VANTREL_THREADS");
}

void SummaryReporter::summarise() {
  for (const auto& [name, runs] : runsByName_) {
    std::vector<double> real, cpu;
    for (const Seconds& run : runs) real.push_back(run.real), cpu.push_back(run.cpu);
    summaryByName_[name] = {{medianOf(real), medianOf(cpu)},
                            *std::min_element(real.begin(), real.end()),
                            static_cast<int>(runs.size())};
  }
}

const SummaryReporter::Summary* SummaryReporter::find(const std::string& name) const {
  const auto found = summaryByName_.find(name + "/real_time");
  return found == summaryByName_.end() ? nullptr : &found->second;
}

void SummaryReporter::printSolverTable() const {
  std::printf("\nGaussSolve (%s kernel) against single-threaded OpenBLAS dgesv\n",
              std::string(nameOf(fastestVectorInstructions())).c_str());
  // On a machine shared with other work the processor time is the steadier measure; both shown.
  std::printf("%6s %10s %10s %10s %10s %11s %10s %10s\n", "n", "Gauss ms", "dgesv ms", "Gauss GF/s",
              "dgesv GF/s", "ratio(real)", "Gauss cpu", "ratio(cpu)");
  for (int n : {100, 500, 1000, 2000, 4000}) {
    const Summary* g = find("GaussSolve/" + std::to_string(n) + "/threads:1");
    const Summary* l = find("LapackDgesv/" + std::to_string(n) + "/threads:1");
    if (g == nullptr || l == nullptr) continue;
    const double flops = 2.0 * std::pow(n, 3) / 3.0;
    std::printf("%6d %10.3f %10.3f %10.1f %10.1f %11.2f %10.3f %10.2f\n", n, g->median.real * 1e3,
                l->median.real * 1e3, flops / g->median.real * 1e-9, flops / l->median.real * 1e-9,
                g->median.real / l->median.real, g->median.cpu * 1e3,
                g->median.cpu / l->median.cpu);
  }
}

// Two threads against one, and the solver's two threads against dgesv on two: real time, since
// the point is the wait. The fastest run beside the median shows how much a loaded machine took;
// the calling thread's processor time on two threads (its share of the work and all that is left
// on one thread) bounds the real time from below, whatever else the machine runs.
void SummaryReporter::printThreadTable() const {
  std::printf("\nTwo threads against one (median of runs, fastest in brackets)\n");
  std::printf("%-34s %4s %18s %18s %8s %10s %10s %16s %8s\n", "benchmark", "runs", "1 thread ms",
              "2 threads ms", "speed-up", "cpu(1) ms", "cpu(2) ms", "dgesv(2) ms", "to dgesv");
  for (const std::string prefix : kThreadedBenchmarks) {
    const Summary* one = find(prefix + "1");
    const Summary* two = find(prefix + "2");
    if (one == nullptr || two == nullptr) continue;
    const std::string name = prefix.substr(0, prefix.size() - std::string("/threads:").size());
    std::printf("%-34s %4d %9.1f (%6.1f) %9.1f (%6.1f) %8.2f %10.1f %10.1f", name.c_str(),
                one->runs, one->median.real * 1e3, one->fastestReal * 1e3, two->median.real * 1e3,
                two->fastestReal * 1e3, one->median.real / two->median.real, one->median.cpu * 1e3,
                two->median.cpu * 1e3);
    const std::string lapackName = "LapackDgesv" + prefix.substr(std::string("GaussSolve").size());
    const Summary* lapack = name.starts_with("GaussSolve/") ? find(lapackName + "2") : nullptr;
    if (lapack != nullptr)
      std::printf(" %7.1f (%6.1f) %9.2f", lapack->median.real * 1e3, lapack->fastestReal * 1e3,
                  two->median.real / lapack->median.real);
    std::printf("\n");
  }
}

// The whole lumped vortex run against the elimination it contains, on the same threads.
void SummaryReporter::printWholeRunTable() const {
  std::printf("\nLumped vortex method at 2000 panels: the whole run against its elimination\n");
  std::printf("%8s %12s %16s %8s\n", "threads", "whole ms", "elimination ms", "ratio");
  for (int threads : {1, 2}) {
    const std::string suffix = "/threads:" + std::to_string(threads);
    const Summary* whole = find("LumpedVortexOn2000Panels" + suffix);
    const Summary* elimination = find("GaussSolve/2000" + suffix);
    if (whole == nullptr || elimination == nullptr) continue;
    std::printf("%8d %12.1f %16.1f %8.2f\n", threads, whole->median.real * 1e3,
                elimination->median.real * 1e3, whole->median.real / elimination->median.real);
  }
}

void SummaryReporter::Finalize() {
  ConsoleReporter::Finalize();
  summarise();
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
