#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "input/selig_lednicer_converter.h"

namespace vantrel::batch {

enum class ActionKind { Open, Alfa, Xm, Lsq, AlfaScroll, XmScroll, Numerical, Vortex, Sweep };

// One user action to replay. Only the fields of its kind are used.
struct Action {
  ActionKind kind = ActionKind::Numerical;
  std::string text;      // open: the file; alfa, xm: the typed text; lsq: the degree text
  bool withEnds = true;  // lsq: "With End conditions"
  int value = 0;         // alfa-scroll, xm-scroll
  double from = 0, to = 0, step = 0;  // sweep
};

struct RunOptions {
  std::filesystem::path workDir = ".";
  bool json = false;
  std::optional<std::filesystem::path> plotsDir;
  bool axes = false;  // axes and values on the pictures of plotsDir
  std::optional<std::filesystem::path> csvDir;
};

struct RunCommand {
  RunOptions options;
  std::vector<Action> actions;
};
struct NacaCommand {
  std::string designation;
  int stations = 41;
};
struct ConvertCommand {
  std::string file;
  int stations = kDefaultStations;
};
struct HelpCommand {};
struct UsageError {
  std::string message;
};

using Command = std::variant<RunCommand, NacaCommand, ConvertCommand, HelpCommand, UsageError>;

// The arguments after the program name.
Command parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();

// Angles a sweep can visit at most; a wider sweep is refused on the command line.
inline constexpr long kMaxSweepAngles = 100000;
inline constexpr int kMaxStations = 100000;

}  // namespace vantrel::batch
