#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/user_actions.h"
#include "input/naca.h"
#include "input/selig_lednicer_converter.h"
#include "language/program_texts.h"

namespace vantrel::batch {

struct RunOptions {
  std::filesystem::path workDir = ".";
  bool json = false;
  std::optional<std::filesystem::path> plotsDir;
  bool axes = false;  // axes and values on the pictures of plotsDir
  std::optional<std::filesystem::path> csvDir;
  Language language = Language::Original;  // of the messages and the report headings
};

struct RunCommand {
  RunOptions options;
  std::vector<Action> actions;
};
struct NacaCommand {
  std::string designation;
  int stations = kDefaultNacaStations;
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
struct SurveyCommand {
  std::vector<std::string> sources;  // files, folders and NACA designations, in order
  double alfa = 0.0;  // the window's angle when it opens, so a row equals `open FILE numerical`
};
struct HelpCommand {};
struct UsageError {
  std::string message;
};

using Command = std::variant<RunCommand, NacaCommand, ConvertCommand, ConvergeCommand,
                             SurveyCommand, HelpCommand, UsageError>;

// The arguments after the program name.
Command parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();

// Angles a sweep can visit at most; a wider sweep is refused on the command line.
inline constexpr long kMaxSweepAngles = 100000;
inline constexpr int kMaxStations = 100000;

}  // namespace vantrel::batch
