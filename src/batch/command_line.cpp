#include "batch/command_line.h"

#include <cctype>

#include "panel/panel_method.h"

#include <charconv>
#include <cmath>
#include <map>

#include "app/number_chars.h"
#include "batch/sweep_angles.h"
#include "input/naca.h"

namespace vantrel::batch {
namespace {

std::optional<double> strictNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = parseDoubleChars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> strictInteger(std::string_view text, int lowest, int highest) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool done() const { return next_ >= arguments_.size(); }
  const std::string& peek() const { return arguments_[next_]; }
  std::optional<std::string> take() {
    if (done()) return std::nullopt;
    return arguments_[next_++];
  }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

UsageError missing(const std::string& action, const std::string& what) {
  return {action + ": missing " + what};
}

struct ActionName {
  ActionKind kind;
  int argumentCount;  // before optional ones
};

const std::map<std::string, ActionName, std::less<>>& actionNames() {
  static const std::map<std::string, ActionName, std::less<>> names = {
      {"open", {ActionKind::Open, 1}},
      {"alfa", {ActionKind::Alfa, 1}},
      {"xm", {ActionKind::Xm, 1}},
      {"lsq", {ActionKind::Lsq, 1}},
      {"alfa-scroll", {ActionKind::AlfaScroll, 1}},
      {"xm-scroll", {ActionKind::XmScroll, 1}},
      {"numerical", {ActionKind::Numerical, 0}},
      {"vortex", {ActionKind::Vortex, 0}},
      {"sweep", {ActionKind::Sweep, 3}},
      {"flap", {ActionKind::Flap, 2}},
      {"compare", {ActionKind::Compare, 0}},
      {"panel", {ActionKind::Panel, 0}}};
  return names;
}

const char* argumentNames(const ActionName& action) {
  if (action.kind == ActionKind::Sweep) return "FROM TO STEP";
  if (action.kind == ActionKind::Flap) return "XH DEG";
  return "its argument";
}

std::optional<UsageError> completeAction(Action& action, const std::string& name,
                                         const std::vector<std::string>& values,
                                         ArgumentReader& reader) {
  switch (action.kind) {
    case ActionKind::Open:
    case ActionKind::Alfa:
    case ActionKind::Xm:
      action.text = values[0];
      return std::nullopt;
    case ActionKind::Lsq:
      action.text = values[0];
      if (!reader.done() && (reader.peek() == "ends" || reader.peek() == "free")) {
        action.withEnds = *reader.take() == "ends";
      }
      return std::nullopt;
    case ActionKind::AlfaScroll:
    case ActionKind::XmScroll: {
      const int highest = action.kind == ActionKind::AlfaScroll ? 200 : 100;
      const auto value = strictInteger(values[0], 0, highest);
      if (!value) {
        return UsageError{name + ": VALUE must be a whole number from 0 to " +
                          std::to_string(highest) + ", not \"" + values[0] + "\""};
      }
      action.value = *value;
      return std::nullopt;
    }
    case ActionKind::Sweep: {
      const auto from = strictNumber(values[0]);
      const auto to = strictNumber(values[1]);
      const auto step = strictNumber(values[2]);
      if (!from || !to || !step) return UsageError{"sweep: FROM, TO and STEP must be numbers"};
      if (auto reason = refusedSweep(*from, *to, *step)) return UsageError{*reason};
      action.from = *from, action.to = *to, action.step = *step;
      return std::nullopt;
    }
    case ActionKind::Flap:
      // The numbers are checked where the window checks them, with the same messages.
      action.text = values[0];
      action.deflection = values[1];
      return std::nullopt;
    case ActionKind::Panel: {
      // An optional number of panels; a word that is not a number is the next action.
      action.value = kDefaultPanels;
      if (reader.done() || reader.peek().empty() ||
          !std::isdigit(static_cast<unsigned char>(reader.peek().front()))) {
        return std::nullopt;
      }
      const std::string count = *reader.take();
      const auto panels = strictInteger(count, kFewestPanels, kMostPanels);
      if (!panels) {
        return UsageError{name + ": N must be a whole number from " +
                          std::to_string(kFewestPanels) + " to " + std::to_string(kMostPanels) +
                          ", not \"" + count + "\""};
      }
      action.value = *panels;
      return std::nullopt;
    }
    case ActionKind::Numerical:
    case ActionKind::Vortex:
    case ActionKind::Compare:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<UsageError> readOption(const std::string& option, ArgumentReader& reader,
                                     RunOptions& options) {
  if (option == "--json") {
    options.json = true;
    return std::nullopt;
  }
  if (option == "--axes") {
    options.axes = true;
    return std::nullopt;
  }
  if (option != "--workdir" && option != "--plots" && option != "--csv") {
    return UsageError{"unknown option \"" + option + "\""};
  }
  const auto folder = reader.take();
  if (!folder || folder->empty()) return UsageError{option + ": missing DIR"};
  if (option == "--workdir") options.workDir = *folder;
  if (option == "--plots") options.plotsDir = std::filesystem::path(*folder);
  if (option == "--csv") options.csvDir = std::filesystem::path(*folder);
  return std::nullopt;
}

Command parseRun(ArgumentReader& reader) {
  RunCommand run;
  bool haveTable = false;
  while (!reader.done()) {
    const std::string word = *reader.take();
    if (word.starts_with("--")) {
      if (auto error = readOption(word, reader, run.options)) return *error;
      continue;
    }
    const auto found = actionNames().find(word);
    if (found == actionNames().end()) return UsageError{"unknown action \"" + word + "\""};
    std::vector<std::string> values;
    for (int i = 0; i < found->second.argumentCount; ++i) {
      auto value = reader.take();
      if (!value) return missing(word, argumentNames(found->second));
      values.push_back(*value);
    }
    Action action;
    action.kind = found->second.kind;
    if (auto error = completeAction(action, word, values, reader)) return *error;
    // The table a sweep or a comparison prints takes the place of the summary: one per run.
    if (action.kind == ActionKind::Sweep || action.kind == ActionKind::Compare) {
      if (haveTable) return UsageError{word + ": only one sweep or compare per run"};
      haveTable = true;
    }
    run.actions.push_back(std::move(action));
  }
  if (run.actions.empty()) return UsageError{"no action given"};
  if (run.options.axes && !run.options.plotsDir) {
    return UsageError{
        "--axes: adds axes and values to the pictures of --plots DIR, which is missing"};
  }
  return run;
}

// naca DESIGNATION [--stations N], convert FILE [--stations N]
template <typename Generator>
Command parseGenerator(ArgumentReader& reader, const std::string& command, Generator generator,
                       int mostStations) {
  auto subject = reader.take();
  if (!subject || subject->starts_with("--")) {
    return missing(command, command == "naca" ? "DESIGNATION" : "FILE");
  }
  generator = Generator{*subject, generator.stations};
  while (!reader.done()) {
    const std::string word = *reader.take();
    if (word != "--stations") return UsageError{command + ": unexpected \"" + word + "\""};
    const auto count = reader.take();
    const auto stations = count ? strictInteger(*count, 2, mostStations) : std::nullopt;
    if (!stations) {
      return UsageError{command + ": --stations needs a whole number from 2 to " +
                        std::to_string(mostStations)};
    }
    generator.stations = *stations;
  }
  return generator;
}

// converge SOURCE [--alfa DEG] [--from N0] [--to N1] [--plots DIR]
Command parseConverge(ArgumentReader& reader) {
  ConvergeCommand converge;
  auto source = reader.take();
  if (!source || source->starts_with("--")) return missing("converge", "SOURCE");
  converge.source = *source;
  while (!reader.done()) {
    const std::string option = *reader.take();
    const auto value = reader.take();
    if (option == "--plots" && value && !value->empty()) {
      converge.plotsDir = std::filesystem::path(*value);
    } else if (option == "--alfa") {
      const auto alfa = value ? strictNumber(*value) : std::nullopt;
      if (!alfa) return UsageError{"converge: --alfa needs a number of degrees"};
      converge.alfa = *alfa;
    } else if (option == "--from" || option == "--to") {
      const auto count = value ? strictInteger(*value, 1, kMaxStations) : std::nullopt;
      if (!count) return UsageError{"converge: " + option + " needs a whole number of panels"};
      (option == "--from" ? converge.from : converge.to) = *count;
    } else {
      return UsageError{"converge: unexpected \"" + option + "\""};
    }
  }
  return converge;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
  ArgumentReader reader(arguments);
  if (reader.done()) return UsageError{"no action given"};
  const std::string first = reader.peek();
  if (first == "--help" || first == "-h") return HelpCommand{};
  if (first == "naca") {
    reader.take();
    return parseGenerator(reader, first, NacaCommand{}, kMostNacaStations);
  }
  if (first == "convert") {
    reader.take();
    return parseGenerator(reader, first, ConvertCommand{}, kMaxStations);
  }
  if (first == "converge") {
    reader.take();
    return parseConverge(reader);
  }
  return parseRun(reader);
}

std::string usageText() {
  return "usage: qeb-vantrel-batch [--workdir DIR] [--json] [--plots DIR [--axes]] [--csv DIR]\n"
         "                         ACTION...\n"
         "       qeb-vantrel-batch naca DESIGNATION [--stations N]\n"
         "       qeb-vantrel-batch convert FILE.dat [--stations N]\n"
         "       qeb-vantrel-batch converge SOURCE [--alfa DEG] [--from N0] [--to N1] [--plots "
         "DIR]\n"
         "         SOURCE: a NACA designation or a .nca/.dat file; N = N0, 2 N0, ... N1 panels\n"
         "         (default 10 to 2560, alfa 4); prints a CSV table of the convergence\n"
         "actions, replayed in order as a user would do them in the window:\n"
         "  open FILE                read an airfoil file\n"
         "  alfa TEXT                type TEXT into the angle-of-attack box\n"
         "  xm TEXT                  type TEXT into the reference-point box\n"
         "  lsq DEGREE [ends|free]   least-squares fit with (ends, default) or without end\n"
         "                           conditions, then \"CALCULATE\"\n"
         "  alfa-scroll VALUE        move the angle-of-attack scroll bar to VALUE (0..200)\n"
         "  xm-scroll VALUE          move the reference-point scroll bar to VALUE (0..100)\n"
         "  numerical                \"Numerical Integration\"\n"
         "  vortex                   \"Lumped Vortex Method\"\n"
         "  sweep FROM TO STEP       rerun the last method at each angle; prints a CSV table\n"
         "  flap XH DEG              turn a plain flap hinged at XH (x/c) through DEG degrees\n"
         "                           (trailing edge down); flap XH 0 restores the airfoil\n"
         "  compare                  every method on the airfoil at the current angle and\n"
         "                           reference point; prints a CSV table\n"
         "  panel [N]                the vortex panel method on the whole outline with N panels\n"
         "                           (default 160) at the angle in the box\n"
         "--axes draws axes and values on the pictures of --plots and writes NAME.axes.json\n"
         "exit status: 0 every action ran, 1 an action failed, 2 command line not understood\n";
}

}  // namespace vantrel::batch
