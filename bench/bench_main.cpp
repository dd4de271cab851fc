#include <cmath>
#include <cstdio>
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

void SummaryReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nGaussSolve (%s kernel) against single-threaded OpenBLAS dgesv\n",
              std::string(nameOf(fastestVectorInstructions())).c_str());
  // On a machine shared with other work the processor time is the steadier measure; both shown.
  std::printf("%6s %10s %10s %10s %10s %11s %10s %10s\n", "n", "Gauss ms", "dgesv ms", "Gauss GF/s",
              "dgesv GF/s", "ratio(real)", "Gauss cpu", "ratio(cpu)");
  for (int n : {100, 500, 1000, 2000}) {
    const auto gauss = secondsByName_.find("GaussSolve/" + std::to_string(n) + "/real_time");
    const auto lapack = secondsByName_.find("LapackDgesv/" + std::to_string(n) + "/real_time");
    if (gauss == secondsByName_.end() || lapack == secondsByName_.end()) continue;
    const double flops = 2.0 * std::pow(n, 3) / 3.0;
    const Seconds g = gauss->second;
    const Seconds l = lapack->second;
    std::printf("%6d %10.3f %10.3f %10.1f %10.1f %11.2f %10.3f %10.2f\n", n, g.real * 1e3,
                l.real * 1e3, flops / g.real * 1e-9, flops / l.real * 1e-9, g.real / l.real,
                g.cpu * 1e3, g.cpu / l.cpu);
  }
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
