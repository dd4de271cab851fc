#include "app/user_actions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <system_error>

#include "input/naca.h"

#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

// A word as a message quotes it: control characters as "?", so that an escape sequence reaches
// the terminal as text.
std::string shown(const std::string& word) {
  return "\"" + quotedForMessage(word, 200) + "\"";
}

}  // namespace

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

namespace {

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
      {"panel", {ActionKind::Panel, 0}},
      {"naca", {ActionKind::Naca, 1}}};
  return names;
}

const char* argumentNames(const ActionName& action) {
  if (action.kind == ActionKind::Sweep) return "FROM TO STEP";
  if (action.kind == ActionKind::Flap) return "XH DEG";
  if (action.kind == ActionKind::Naca) return "DESIGNATION";
  return "its argument";
}

// naca DESIGNATION [STATIONS]: a word after the designation that starts with a digit is the count.
std::optional<ActionError> completeNaca(Action& action, const std::string& designation,
                                        const std::vector<std::string>& words, std::size_t& next) {
  if (!nacaAirfoil(designation, kDefaultNacaStations)) {
    return ActionError{"naca: " + shown(designation) +
                       " is not a NACA 4- or 5-digit designation this generator covers"};
  }
  action.text = designation;
  action.value = kDefaultNacaStations;
  if (next >= words.size() || words[next].empty() ||
      !std::isdigit(static_cast<unsigned char>(words[next].front()))) {
    return std::nullopt;
  }
  const auto stations = strictInteger(words[next], 2, kMostNacaStations);
  if (!stations) {
    return ActionError{"naca: STATIONS must be a whole number from 2 to " +
                       std::to_string(kMostNacaStations) + ", not " + shown(words[next])};
  }
  ++next;
  action.value = *stations;
  return std::nullopt;
}

std::optional<ActionError> completeAction(Action& action, const std::string& name,
                                          const std::vector<std::string>& values,
                                          const std::vector<std::string>& words,
                                          std::size_t& next) {
  switch (action.kind) {
    case ActionKind::Open:
    case ActionKind::Alfa:
    case ActionKind::Xm:
      action.text = values[0];
      return std::nullopt;
    case ActionKind::Lsq:
      action.text = values[0];
      if (next < words.size() && (words[next] == "ends" || words[next] == "free")) {
        action.withEnds = words[next++] == "ends";
      }
      return std::nullopt;
    case ActionKind::AlfaScroll:
    case ActionKind::XmScroll: {
      const int highest = action.kind == ActionKind::AlfaScroll ? 200 : 100;
      const auto value = strictInteger(values[0], 0, highest);
      if (!value) {
        return ActionError{name + ": VALUE must be a whole number from 0 to " +
                           std::to_string(highest) + ", not " + shown(values[0])};
      }
      action.value = *value;
      return std::nullopt;
    }
    case ActionKind::Sweep: {
      const auto from = strictNumber(values[0]);
      const auto to = strictNumber(values[1]);
      const auto step = strictNumber(values[2]);
      if (!from || !to || !step) return ActionError{"sweep: FROM, TO and STEP must be numbers"};
      action.from = *from, action.to = *to, action.step = *step;
      return std::nullopt;
    }
    case ActionKind::Flap:
      // The numbers are checked where the window checks them, with the same messages.
      action.text = values[0];
      action.deflection = values[1];
      return std::nullopt;
    case ActionKind::Panel: {
      // An optional number of panels; a word that does not start with a digit is the next action.
      if (next >= words.size() || words[next].empty() ||
          !std::isdigit(static_cast<unsigned char>(words[next].front()))) {
        return std::nullopt;
      }
      // The count is judged by the method that knows its range.
      action.text = words[next++];
      return std::nullopt;
    }
    case ActionKind::Naca:
      return completeNaca(action, values[0], words, next);
    case ActionKind::Numerical:
    case ActionKind::Vortex:
    case ActionKind::Compare:
      return std::nullopt;
  }
  return std::nullopt;
}

bool open(const std::string& file, Form1Handlers& handlers) {
  const std::filesystem::path path(file);
  // A bare file name lies in the current folder.
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  handlers.Mn_Airfoil_Click();
  return handlers.File1_Click(folder.string(), path.filename().string());
}

// A folder of its own under the system's temporary folder, so that runs side by side never read
// each other's half-written file.
std::optional<std::filesystem::path> privateFolder(std::error_code& error) {
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return std::nullopt;
  std::random_device seed;
  std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path folder =
        base / ("qeb-vantrel-naca-" + std::to_string(random() % 1000000000000ULL));
    if (std::filesystem::create_directory(folder, error)) return folder;
    if (error) return std::nullopt;
  }
  error = std::make_error_code(std::errc::file_exists);
  return std::nullopt;
}

// The generated section goes through the same reader as a file the user opens, so the report,
// the pictures and the status line are those of `open` on the same file.
bool readNaca(const Action& action, Form1Handlers& handlers, HeadlessControls& controls) {
  const auto airfoil = nacaAirfoil(action.text, action.value);
  if (!airfoil) {
    controls.showMessage("naca: " + shown(action.text) + " with " + std::to_string(action.value) +
                         " stations is not a section this generator makes");
    return false;
  }
  std::error_code error;
  const auto folder = privateFolder(error);
  if (!folder) {
    controls.showMessage("naca: no folder for the generated file: " + error.message());
    return false;
  }
  const std::filesystem::path file = *folder / ("naca" + action.text + ".nca");
  bool written = false;
  {
    std::ofstream out(file, std::ios::binary);
    out << nacaDataFile(*airfoil);
    written = static_cast<bool>(out.flush());
  }
  bool read = false;
  if (written) {
    read = open(file.string(), handlers);
  } else {
    controls.showMessage("naca: could not write the generated file in " + folder->string());
  }
  std::filesystem::remove_all(*folder, error);
  return read;
}

}  // namespace

const char* actionWord(ActionKind kind) {
  for (const auto& [word, name] : actionNames()) {
    if (name.kind == kind) return word.c_str();
  }
  return "";
}

std::variant<Action, ActionError> readAction(const std::vector<std::string>& words,
                                             std::size_t& next) {
  const std::string& word = words[next++];
  const auto found = actionNames().find(word);
  if (found == actionNames().end()) return ActionError{"unknown action " + shown(word)};
  std::vector<std::string> values;
  for (int i = 0; i < found->second.argumentCount; ++i) {
    if (next >= words.size()) {
      return ActionError{word + ": missing " + argumentNames(found->second)};
    }
    values.push_back(words[next++]);
  }
  Action action;
  action.kind = found->second.kind;
  if (auto error = completeAction(action, word, values, words, next)) return *error;
  return action;
}

std::variant<std::vector<Action>, ActionError> readActions(const std::vector<std::string>& words) {
  std::vector<Action> actions;
  for (std::size_t next = 0; next < words.size();) {
    auto action = readAction(words, next);
    if (auto* error = std::get_if<ActionError>(&action)) return *error;
    actions.push_back(std::get<Action>(std::move(action)));
  }
  return actions;
}

std::vector<std::string> actionWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t\r", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
    words.emplace_back(line.substr(start, end - start));
    at = end;
  }
  return words;
}

bool replayAction(const Action& action, Form1Handlers& handlers, HeadlessControls& controls) {
  switch (action.kind) {
    case ActionKind::Open:
      return open(action.text, handlers);
    case ActionKind::Alfa:
      controls.setText(TextBox::Text_Alfa, action.text);
      return true;
    case ActionKind::Xm:
      controls.setText(TextBox::Text_xM, action.text);
      return true;
    case ActionKind::Lsq:
      handlers.Mn_Polynomial_Click();
      controls.setText(TextBox::Text_N, action.text);
      controls.select(action.withEnds ? Option::Opt_WithEnd : Option::Opt_WithOutEnd);
      handlers.Cmnd_LSQM_Click();
      return true;
    case ActionKind::AlfaScroll:
      handlers.HScroll_Alfa_Change(action.value);
      return true;
    case ActionKind::XmScroll:
      handlers.HScroll_xM_Change(action.value);
      return true;
    case ActionKind::Numerical:
      handlers.Mn_Numerical_Click();
      return true;
    case ActionKind::Vortex:
      handlers.Mn_LumpVM_Click();
      return true;
    case ActionKind::Flap:
      return handlers.Cmnd_FlapApply_Click(action.text, action.deflection);
    case ActionKind::Naca:
      return readNaca(action, handlers, controls);
    case ActionKind::Sweep:
    case ActionKind::Compare:
    case ActionKind::Panel:
      return false;
  }
  return false;
}

}  // namespace vantrel
