#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "input/selig_lednicer_converter.h"

namespace vantrel::batch {

enum class ActionKind {
  Open,
  Alfa,
  Xm,
  Lsq,
  AlfaScroll,
  XmScroll,
  Numerical,
  Vortex,
  Sweep,
  Flap,
  Compare,
  Panel
};

// One user action to replay. Only the fields of its kind are used.
struct Action {
  ActionKind kind = ActionKind::Numerical;
  std::string text;        // open: the file; alfa, xm: the typed text; lsq: the degree text;
                           // flap: the hinge x/c as typed
  std::string deflection;  // flap: the deflection in degrees as typed
  bool withEnds = true;    // lsq: "With End conditions"
  int value = 0;           // alfa-scroll, xm-scroll; panel: the number of panels
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
struct ConvergeCommand {
  std::string source;  // a NACA designation or an airfoil file
  double alfa = 4.0;
  int from = 10;
  int to = 2560;
  std::optional<std::filesystem::path> plotsDir;
};
struct HelpCommand {};
struct UsageError {
  std::string message;
};

using Command =
    std::variant<RunCommand, NacaCommand, ConvertCommand, ConvergeCommand, HelpCommand, UsageError>;

// The arguments after the program name.
Command parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();

// Angles a sweep can visit at most; a wider sweep is refused on the command line.
inline constexpr long kMaxSweepAngles = 100000;
inline constexpr int kMaxStations = 100000;

}  // namespace vantrel::batch
