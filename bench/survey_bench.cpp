// A survey of a collection the size of the public ones (1600 files: Selig files as downloaded and
// NACA sections in this program's layout), on one thread and on two.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "coefficients/worker_threads.h"
#include "fixtures/test_airfoil.h"
#include "input/naca.h"
#include "survey/survey.h"

namespace vantrel {
namespace {

constexpr int kCollectionFiles = 1600;

std::filesystem::path collectionFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("vantrel-survey-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    for (int i = 0; i < kCollectionFiles; ++i) {
      const std::string number = std::to_string(10000 + i);
      if (i % 2 == 0) {
        std::ofstream(path / ("selig" + number + ".dat")) << test::seligNaca2412Text(40 + i % 41);
      } else {
        const int camber = i % 7;
        const int thickness = 6 + i % 19;
        const std::string designation = std::to_string(camber) +
                                        std::to_string(camber == 0 ? 0 : 2 + i % 5) +
                                        (thickness < 10 ? "0" : "") + std::to_string(thickness);
        std::ofstream(path / ("naca" + number + ".nca"))
            << nacaDataFile(*nacaAirfoil(designation, 41 + i % 60));
      }
    }
    return path;
  }();
  return folder;
}

void SurveyCollection(benchmark::State& state) {
  const auto items = surveyItems({collectionFolder().string()});
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto rows = runSurvey(items, 4.0, threads);
    benchmark::DoNotOptimize(rows);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(items.size()));
}

BENCHMARK(SurveyCollection)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace vantrel
