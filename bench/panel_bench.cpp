// The panel method: one solve at the numbers of panels a user picks, and the α update the scroll
// bar runs (sums of the two unit solutions, no solve).
#include <benchmark/benchmark.h>

#include "bench_summary.h"
#include "input/naca.h"
#include "panel/panel_method.h"

namespace vantrel {
namespace {

SurfacePoints naca2412() {
  const auto naca = nacaAirfoil("2412", 201);
  return {naca->xU, naca->yU, naca->xL, naca->yL};
}

void PanelSolve(benchmark::State& state) {
  const bench::ThreadCount threads(static_cast<int>(state.range(1)));
  const SurfacePoints surfaces = naca2412();
  for (auto _ : state) {
    auto solution = solvePanelMethod(surfaces, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(solution);
  }
}

// CL, the quarter-chord moment and the pressure on every panel at a new angle.
void PanelAlfaUpdate(benchmark::State& state) {
  const auto solution =
      std::get<PanelSolution>(solvePanelMethod(naca2412(), static_cast<int>(state.range(0))));
  double alfa = 0.01;
  for (auto _ : state) {
    alfa += 1e-6;
    benchmark::DoNotOptimize(solution.CL(alfa));
    benchmark::DoNotOptimize(solution.CmQuarter(alfa));
    auto pressures = solution.pressures(alfa);
    benchmark::DoNotOptimize(pressures);
  }
}

// The default count on one thread; the counts where a user waits on one thread and on two.
BENCHMARK(PanelSolve)
    ->Args({160, 1})
    ->Args({400, 1})
    ->Args({1000, 1})
    ->Args({1000, 2})
    ->Args({2000, 1})
    ->Args({2000, 2})
    ->ArgNames({"", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(PanelAlfaUpdate)->Arg(160)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace vantrel
