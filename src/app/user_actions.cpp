#include "app/user_actions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

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
      {"panel", {ActionKind::Panel, 0}}};
  return names;
}

const char* argumentNames(const ActionName& action) {
  if (action.kind == ActionKind::Sweep) return "FROM TO STEP";
  if (action.kind == ActionKind::Flap) return "XH DEG";
  return "its argument";
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
    case ActionKind::Sweep:
    case ActionKind::Compare:
    case ActionKind::Panel:
      return false;
  }
  return false;
}

}  // namespace vantrel
