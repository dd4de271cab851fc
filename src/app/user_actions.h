#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/form1_handlers.h"
#include "state/headless_controls.h"

namespace vantrel {

// The replay language: what a user does in the window, one action word and its arguments, the
// words the batch tool takes on its command line and the stored report cases hold.
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
  Panel,
  Naca
};

// One user action to replay. Only the fields of its kind are used.
struct Action {
  ActionKind kind = ActionKind::Numerical;
  std::string text;        // open: the file; alfa, xm: the typed text; lsq: the degree text;
                           // flap: the hinge x/c as typed; panel: the count as typed, if any;
                           // naca: the designation
  std::string deflection;  // flap: the deflection in degrees as typed
  bool withEnds = true;    // lsq: "With End conditions"
  int value = 0;           // alfa-scroll, xm-scroll; panel: the number of panels;
                           // naca: the number of stations
  double from = 0, to = 0, step = 0;  // sweep: numbers, not yet judged as a sweep
};

struct ActionError {
  std::string message;  // "flap: missing XH DEG"
};

// A number as typed on a command line: all of the text, finite, a leading "+" allowed.
std::optional<double> strictNumber(std::string_view text);
// A whole number from lowest to highest, all of the text, a leading "+" allowed.
std::optional<int> strictInteger(std::string_view text, int lowest, int highest);

// The word of an action kind ("alfa-scroll").
const char* actionWord(ActionKind kind);

// Reads the action that starts at words[next] with its arguments and moves `next` past them.
std::variant<Action, ActionError> readAction(const std::vector<std::string>& words,
                                             std::size_t& next);

// A whole list of actions, such as a line of a stored case split at its blanks.
std::variant<std::vector<Action>, ActionError> readActions(const std::vector<std::string>& words);

// Words separated by blanks or tabs.
std::vector<std::string> actionWords(std::string_view line);

// Does what the user does for one action, through the window's handlers; `naca` reads the
// generated section as a file of its own, named as its designation ("naca2412.nca"). A sweep, a comparison
// and the panel method are the caller's: they report tables of their own. Returns false when the action
// was refused (the file was not read, the flap not applied); messages go to `controls`.
bool replayAction(const Action& action, Form1Handlers& handlers, HeadlessControls& controls);

}  // namespace vantrel
