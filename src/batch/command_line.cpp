#include "batch/command_line.h"

#include <charconv>
#include <cmath>
#include <map>

#include "batch/sweep_angles.h"
#include "input/naca.h"
#include "panel/panel_method.h"
#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel::batch {
namespace {

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool done() const { return next_ >= arguments_.size(); }
  const std::string& peek() const { return arguments_[next_]; }
  std::optional<std::string> take() {
    if (done()) return std::nullopt;
    return arguments_[next_++];
  }
  std::variant<Action, ActionError> takeAction() { return readAction(arguments_, next_); }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

// A word of the command line as a message quotes it: control characters as "?", so that an escape
// sequence reaches the terminal as text.
std::string shown(const std::string& word) {
  return "\"" + quotedForMessage(word, 200) + "\"";
}

// The panel method's N, as typed after `panel`, or its default.
std::optional<UsageError> countPanels(Action& action) {
  if (action.text.empty()) {
    action.value = kDefaultPanels;
    return std::nullopt;
  }
  const auto panels = strictInteger(action.text, kFewestPanels, kMostPanels);
  if (!panels) {
    return UsageError{"panel: N must be a whole number from " + std::to_string(kFewestPanels) +
                      " to " + std::to_string(kMostPanels) + ", not " + shown(action.text)};
  }
  action.value = *panels;
  return std::nullopt;
}

UsageError missing(const std::string& command, const std::string& what) {
  return {command + ": missing " + what};
}

std::optional<UsageError> readLanguage(ArgumentReader& reader, RunOptions& options) {
  std::string codes;
  for (Language language : allLanguages()) {
    codes += (codes.empty() ? "" : " or ") + std::string(languageCode(language));
  }
  const auto code = reader.take();
  if (!code || code->empty()) return UsageError{"--lang: missing " + codes};
  const auto language = languageOfCode(*code);
  if (!language) return UsageError{"--lang: the language is " + codes + ", not " + shown(*code)};
  options.language = *language;
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
  if (option == "--lang") return readLanguage(reader, options);
  if (option != "--workdir" && option != "--plots" && option != "--csv") {
    return UsageError{"unknown option " + shown(option)};
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
    if (reader.peek().starts_with("--")) {
      const std::string option = *reader.take();
      if (auto error = readOption(option, reader, run.options)) return *error;
      continue;
    }
    auto read = reader.takeAction();
    if (auto* error = std::get_if<ActionError>(&read)) return UsageError{error->message};
    Action action = std::get<Action>(std::move(read));
    if (action.kind == ActionKind::Sweep) {
      if (auto reason = refusedSweep(action.from, action.to, action.step)) {
        return UsageError{*reason};
      }
    }
    if (action.kind == ActionKind::Panel) {
      if (auto error = countPanels(action)) return *error;
    }
    // The table a sweep or a comparison prints takes the place of the summary: one per run.
    if (action.kind == ActionKind::Sweep || action.kind == ActionKind::Compare) {
      if (haveTable) {
        return UsageError{std::string(actionWord(action.kind)) +
                          ": only one sweep or compare per run"};
      }
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
    if (word != "--stations") return UsageError{command + ": unexpected " + shown(word)};
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
    if (option == "--plots") {
      if (!value || value->empty()) return UsageError{"converge: --plots: missing DIR"};
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
      return UsageError{"converge: unexpected " + shown(option)};
    }
  }
  return converge;
}

// survey SOURCE... [--alfa DEG]; the option may stand anywhere after the command.
Command parseSurvey(ArgumentReader& reader) {
  SurveyCommand survey;
  while (!reader.done()) {
    const std::string word = *reader.take();
    if (word == "--alfa") {
      const auto value = reader.take();
      const auto alfa = value ? strictNumber(*value) : std::nullopt;
      if (!alfa) return UsageError{"survey: --alfa needs a number of degrees"};
      survey.alfa = *alfa;
    } else if (word.starts_with("--")) {
      return UsageError{"survey: unexpected " + shown(word)};
    } else {
      survey.sources.push_back(word);
    }
  }
  if (survey.sources.empty()) return missing("survey", "SOURCE");
  return survey;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments) {
  ArgumentReader reader(arguments);
  if (reader.done()) return UsageError{"no action given"};
  const std::string first = reader.peek();
  if (first == "--help" || first == "-h") return HelpCommand{};
  // `naca DESIGNATION [--stations N]` prints the file; the same word before other actions reads
  // the section for them.
  if (first == "naca" && (arguments.size() <= 2 || arguments[2] == "--stations")) {
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
  if (first == "survey") {
    reader.take();
    return parseSurvey(reader);
  }
  return parseRun(reader);
}

std::string usageText() {
  return "usage: qeb-vantrel-batch [--workdir DIR] [--json] [--plots DIR [--axes]] [--csv DIR]\n"
         "                         [--lang original|en] ACTION...\n"
         "       qeb-vantrel-batch naca DESIGNATION [--stations N]\n"
         "       qeb-vantrel-batch convert FILE.dat [--stations N]\n"
         "       qeb-vantrel-batch converge SOURCE [--alfa DEG] [--from N0] [--to N1] [--plots "
         "DIR]\n"
         "         SOURCE: a NACA designation or a .nca/.dat file; N = N0, 2 N0, ... N1 panels\n"
         "         (default 10 to 2560, alfa 4); prints a CSV table of the convergence\n"
         "       qeb-vantrel-batch survey SOURCE... [--alfa DEG]\n"
         "         SOURCE: a .nca/.dat file, a folder of them or a NACA designation; prints one\n"
         "         CSV row per airfoil (alfa 0 unless given); exit status 1 if any failed\n"
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
         "  naca DESIGNATION [STATIONS]  read the NACA section the generator makes (default 41\n"
         "                           stations) as open reads a file; on its own (or with\n"
         "                           --stations) it prints the file instead\n"
         "--axes draws axes and values on the pictures of --plots and writes NAME.axes.json\n"
         "--lang en writes the messages and the report headings in English; original (the\n"
         "  default) keeps the program's own, Turkish ones\n"
         "exit status: 0 every action ran, 1 an action failed, 2 command line not understood\n";
}

}  // namespace vantrel::batch
