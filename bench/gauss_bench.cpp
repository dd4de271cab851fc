// GaussSolve and LAPACK's dgesv on the same lumped-vortex systems.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench_summary.h"
#include "coefficients/gauss_e.h"
#include "fixtures/lumped_vortex_system.h"
#include "state/headless_controls.h"

extern "C" void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv,
                       double* b, const int* ldb, int* info);
extern "C" void openblas_set_num_threads(int threads) __attribute__((weak));

namespace vantrel {
namespace {

void setFlopRate(benchmark::State& state, int n) {
  state.counters["GFLOP/s"] = benchmark::Counter(2.0 * std::pow(n, 3) / 3.0 * 1e-9,
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void solveByGaussSolve(benchmark::State& state) {
  const int M = static_cast<int>(state.range(0));
  const bench::ThreadCount threads(static_cast<int>(state.range(1)));
  const Matrix K = lumped_vortex_system::forCamberLine(M, &lumped_vortex_system::naca2412MeanLine);
  HeadlessControls form;
  std::vector<double> R(static_cast<std::size_t>(M) + 1);
  Matrix Aug;
  for (auto _ : state) {
    state.PauseTiming();
    Aug = K;
    state.ResumeTiming();
    if (GaussSolve(1, M, Aug, R, form, Language::Original) != GaussOutcome::Solved)
      state.SkipWithError("not solved");
    benchmark::DoNotOptimize(R.data());
  }
  setFlopRate(state, M);
}

// The same system in LAPACK's column order, the right-hand side apart.
void solveByDgesv(benchmark::State& state) {
  const int M = static_cast<int>(state.range(0));
  if (openblas_set_num_threads) openblas_set_num_threads(static_cast<int>(state.range(1)));
  const Matrix K = lumped_vortex_system::forCamberLine(M, &lumped_vortex_system::naca2412MeanLine);
  std::vector<double> columns(static_cast<std::size_t>(M) * M);
  std::vector<double> rightHandSide(M);
  for (int I = 1; I <= M; ++I) {
    for (int J = 1; J <= M; ++J) columns[(J - 1) * static_cast<std::size_t>(M) + (I - 1)] = K(I, J);
    rightHandSide[I - 1] = K(I, M + 1);
  }
  std::vector<double> a;
  std::vector<double> b;
  std::vector<int> pivots(M);
  const int one = 1;
  for (auto _ : state) {
    state.PauseTiming();
    a = columns;
    b = rightHandSide;
    state.ResumeTiming();
    int info = 0;
    dgesv_(&M, &one, a.data(), &M, pivots.data(), b.data(), &M, &info);
    if (info != 0) state.SkipWithError("dgesv failed");
    benchmark::DoNotOptimize(b.data());
  }
  if (openblas_set_num_threads) openblas_set_num_threads(1);
  setFlopRate(state, M);
}

// Sizes and thread counts: one thread throughout, and one against two where threads count.
void solverSizes(benchmark::internal::Benchmark* benchmark) {
  for (int n : {100, 500, 1000, 2000, 4000}) benchmark->Args({n, 1});
  for (int n : {2000, 4000}) benchmark->Args({n, 2});
  benchmark->ArgNames({"", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Each system is copied afresh outside the timed part, since both solvers reduce it in place.
BENCHMARK(solveByGaussSolve)->Name("GaussSolve")->Apply(solverSizes);
BENCHMARK(solveByDgesv)->Name("LapackDgesv")->Apply(solverSizes);

}  // namespace
}  // namespace vantrel
