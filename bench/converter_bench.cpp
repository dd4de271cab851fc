// The Selig/Lednicer converter on files from ordinary size to a million points: the time grows
// with the count, not its square.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "fixtures/test_airfoil.h"
#include "input/selig_lednicer_converter.h"

namespace vantrel {
namespace {

void ConvertSeligFile(benchmark::State& state) {
  const int points = static_cast<int>(state.range(0));
  const std::string file = test::seligNaca2412Text(points / 2);
  for (auto _ : state) {
    std::istringstream in(file);
    auto converted = convertAirfoil(in, "naca2412.dat");
    benchmark::DoNotOptimize(converted);
  }
  state.SetItemsProcessed(state.iterations() * points);
}

BENCHMARK(ConvertSeligFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantrel
