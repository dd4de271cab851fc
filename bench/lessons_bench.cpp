// The convergence study as the window runs it: NACA 2412 from 10 to 2560 panels, each doubling a
// lumped vortex solve and numerical integration, on one thread and on two.
#include <benchmark/benchmark.h>

#include <variant>

#include "bench_summary.h"
#include "lessons/convergence_study.h"

namespace vantrel {
namespace {

void ConvergenceStudy10To2560Panels(benchmark::State& state) {
  const bench::ThreadCount threads(static_cast<int>(state.range(0)));
  const ConvergenceSettings settings{.source = "2412", .alfa = 4.0, .from = 10, .to = 2560};
  for (auto _ : state) {
    auto study = runConvergenceStudy(settings);
    if (!std::holds_alternative<ConvergenceStudy>(study)) state.SkipWithError("study refused");
    benchmark::DoNotOptimize(study);
  }
}

BENCHMARK(ConvergenceStudy10To2560Panels)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantrel
