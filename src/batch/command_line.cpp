#include "batch/command_line.h"

#include <charconv>
#include <cmath>
#include <map>

#include "app/number_chars.h"
#include "batch/sweep_angles.h"

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
      {"sweep", {ActionKind::Sweep, 3}}};
  return names;
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
    case ActionKind::Numerical:
    case ActionKind::Vortex:
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
  bool haveSweep = false;
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
      if (!value)
        return missing(word, found->second.argumentCount == 3 ? "FROM TO STEP" : "its argument");
      values.push_back(*value);
    }
    Action action;
    action.kind = found->second.kind;
    if (auto error = completeAction(action, word, values, reader)) return *error;
    if (action.kind == ActionKind::Sweep) {
      if (haveSweep) return UsageError{"sweep: only one sweep per run"};
      haveSweep = true;
    }
    run.actions.push_back(std::move(action));
  }
  if (run.actions.empty()) return UsageError{"no action given"};
  return run;
}

// naca DESIGNATION [--stations N], convert FILE [--stations N]
template <typename Generator>
Command parseGenerator(ArgumentReader& reader, const std::string& command, Generator generator) {
  auto subject = reader.take();
  if (!subject || subject->starts_with("--")) {
    return missing(command, command == "naca" ? "DESIGNATION" : "FILE");
  }
  generator = Generator{*subject, generator.stations};
  while (!reader.done()) {
    const std::string word = *reader.take();
    if (word != "--stations") return UsageError{command + ": unexpected \"" + word + "\""};
    const auto count = reader.take();
    const auto stations = count ? strictInteger(*count, 2, kMaxStations) : std::nullopt;
    if (!stations) {
      return UsageError{command + ": --stations needs a whole number from 2 to " +
                        std::to_string(kMaxStations)};
    }
    generator.stations = *stations;
  }
  return generator;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
  ArgumentReader reader(arguments);
  if (reader.done()) return UsageError{"no action given"};
  const std::string first = reader.peek();
  if (first == "--help" || first == "-h") return HelpCommand{};
  if (first == "naca") {
    reader.take();
    return parseGenerator(reader, first, NacaCommand{});
  }
  if (first == "convert") {
    reader.take();
    return parseGenerator(reader, first, ConvertCommand{});
  }
  return parseRun(reader);
}

std::string usageText() {
  return "usage: qeb-vantrel-batch [--workdir DIR] [--json] [--plots DIR] [--csv DIR] ACTION...\n"
         "       qeb-vantrel-batch naca DESIGNATION [--stations N]\n"
         "       qeb-vantrel-batch convert FILE.dat [--stations N]\n"
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
         "exit status: 0 every action ran, 1 an action failed, 2 command line not understood\n";
}

}  // namespace vantrel::batch
