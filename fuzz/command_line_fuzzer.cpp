// The batch tool's command line is typed by anyone and written by scripts: whatever the words,
// parsing gives a command or a usage message, and a sweep it accepts has a bounded list of angles.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "batch/command_line.h"
#include "batch/sweep_angles.h"
#include "batch/sweep_budget.h"

namespace {

// The input's bytes split at zero bytes, as the words of argv.
std::vector<std::string> wordsOf(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  if (size == 0) words.clear();
  return words;
}

void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void checkSweep(const vantrel::Action& action) {
  const auto angles = vantrel::batch::sweepAngles(action.from, action.to, action.step);
  if (angles.empty()) fail("an accepted sweep visits no angle");
  if (angles.size() > static_cast<std::size_t>(vantrel::batch::kMaxSweepAngles)) {
    fail("an accepted sweep visits more angles than allowed");
  }
  for (double angle : angles) {
    if (!std::isfinite(angle)) fail("a sweep angle is not finite");
  }
  for (int panels : {1, 40, 10000}) {
    const auto cost = vantrel::batch::lumpedVortexSweepCost(angles.size(), panels);
    vantrel::batch::refusedSweepCost(cost, angles.size(), panels, "Vantrel.txt");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto command = vantrel::batch::parseCommandLine(wordsOf(data, size));
  if (const auto* usage = std::get_if<vantrel::batch::UsageError>(&command)) {
    if (usage->message.empty()) fail("a usage error without a message");
  }
  if (const auto* run = std::get_if<vantrel::batch::RunCommand>(&command)) {
    for (const auto& action : run->actions) {
      if (action.kind == vantrel::ActionKind::Sweep) checkSweep(action);
    }
  }
  if (const auto* naca = std::get_if<vantrel::batch::NacaCommand>(&command)) {
    if (naca->stations < 2 || naca->stations > vantrel::batch::kMaxStations) {
      fail("naca accepted a station count out of range");
    }
  }
  return 0;
}
