#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/user_actions.h"
#include "state/headless_controls.h"

namespace vantrel::web {

// What the page has done since its airfoil was read, in the batch tool's action words, so that a
// link can bring another browser to the same screen: the airfoil's source (a bundled sample or a
// generated NACA section) and every action since. Text typed into the α and xM/c boxes goes in as
// `alfa` and `xm` just before the action that reads it.
class LessonRecord {
 public:
  // The boxes as a new page has them, which a link's replay starts from.
  explicit LessonRecord(const HeadlessControls& fresh);

  // Called before each handler or replayed action runs: the boxes as it finds them.
  void before(const HeadlessControls& controls);
  // A handler of the page by name after it ran, with what it returned (whether a file was read,
  // where Enter put the bar) and the controls it left. Handlers that change nothing a link
  // carries are passed over.
  void handled(std::string_view handler, std::string_view argument, bool succeeded,
               std::optional<int> position, const HeadlessControls& after);
  // An action replayed from a link, after it ran; `open` names a bundled sample.
  void replayed(const Action& action, bool succeeded, const HeadlessControls& after);

  struct Refusal {
    std::string message;
  };
  // The actions of the present screen, separated by blanks; empty before any airfoil is read.
  std::variant<std::string, Refusal> actions(const HeadlessControls& controls) const;

 private:
  void airfoilRead(std::optional<std::string> source);
  // The words of an action that ran, after what was typed before it.
  void add(const std::string& words, const HeadlessControls& after);
  void typedBefore(std::vector<std::string>& words, std::string_view alfa,
                   std::string_view xm) const;
  std::string enterWords(bool alfaBox, int position, const HeadlessControls& after) const;

  std::string freshAlfa_, freshXm_;
  bool anyRead_ = false;
  std::optional<std::string> source_;  // none: a file of the user's
  std::vector<std::string> words_;
  std::string alfa_, xm_;               // what the recorded words leave in the two boxes
  std::string typedAlfa_, typedXm_, typedN_;  // the boxes as the running handler found them
  bool withEnds_ = true;
  std::string lastFourier_;  // the words of the last method that left Fourier coefficients
};

// A typed text as one action word: up to its first blank, "0" for none (read as 0 either way).
std::string typedWord(std::string_view text);

}  // namespace vantrel::web
