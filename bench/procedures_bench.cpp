// The two procedures whose speed a user feels: the lumped vortex method on a convergence-study
// camber line, and the angle-of-attack scroll bar's recomputation with its three plots.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "bench_summary.h"
#include "fixtures/lumped_vortex_system.h"
#include "fixtures/test_airfoil.h"
#include "loads/aero_loads.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "state/session.h"
#include "vortex/lump_vm.h"

namespace vantrel {
namespace {

// A folder of its own for the reports the procedures append to, removed afterwards.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The whole run as the user meets it: the panels, the influence system, its solution and the
// report, at each angle in turn (as a sweep types each angle and recomputes), on the given
// number of threads.
void lumpedVortexRuns(benchmark::State& state, int stations,
                      std::initializer_list<const char*> angles) {
  const bench::ThreadCount threads(static_cast<int>(state.range(0)));
  Ortak ortak;
  test::fillCamberAirfoil(ortak, test::camberOf(test::evenlySpacedTheta(stations),
                                                &lumped_vortex_system::naca2412MeanLine));
  HeadlessControls form;
  ScratchFolder folder("vantrel-bench-vortex");
  Session session{ortak, form, folder.path()};
  for (auto _ : state) {
    for (const char* angle : angles) {
      state.PauseTiming();
      form.setText(TextBox::Text_Alfa, angle);
      std::filesystem::remove(session.reportPath(kCoordinateReport));
      state.ResumeTiming();
      LumpedVortex(session);
    }
  }
  state.counters["messages"] = static_cast<double>(form.messages().size());
}

void LumpedVortexOn2000Panels(benchmark::State& state) {
  lumpedVortexRuns(state, 2001, {"4"});
}
// A short polar: three angles at 4000 panels.
void LumpedVortexSweepOn4000Panels(benchmark::State& state) {
  lumpedVortexRuns(state, 4001, {"0", "4", "8"});
}

void ScrollBarPathOn200Stations(benchmark::State& state) {
  Ortak ortak;
  test::fillCamberAirfoil(
      ortak, test::camberOf(test::evenlySpacedTheta(200), &lumped_vortex_system::naca2412MeanLine));
  ortak.M = 5;
  ortak.A = {0.0, 0.0815, 0.0139, -0.0031, 0.0007, -0.0002};
  ortak.A0Camber = -0.0041;
  HeadlessControls form;
  form.setText(TextBox::Text_Alfa, "4");
  ScratchFolder folder("vantrel-bench-scroll");
  Session session{ortak, form, folder.path()};
  int calls = 0;
  for (auto _ : state) {
    // The results log grows with every call; start it afresh now and then.
    if (++calls % 1000 == 0) {
      state.PauseTiming();
      std::filesystem::remove(session.reportPath(kResultsLog));
      state.ResumeTiming();
    }
    session.logFailureShown = false;
    CalcAeroLoads(session);
  }
}

BENCHMARK(LumpedVortexOn2000Panels)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(LumpedVortexSweepOn4000Panels)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ScrollBarPathOn200Stations)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace vantrel
