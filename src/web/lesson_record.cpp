#include "web/lesson_record.h"

#include <nlohmann/json.hpp>

#include "input/naca.h"

#include "text/number_text.h"

namespace vantrel::web {
namespace {

constexpr std::string_view kSamplesFolder = "/samples/";

std::string joined(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
  return line;
}

// A field of a panel's argument (JSON text of the fields typed), as text; empty if none.
std::string fieldOf(std::string_view argument, const char* name) {
  const auto fields = nlohmann::json::parse(argument, nullptr, false);
  if (!fields.is_object() || !fields.contains(name) || !fields[name].is_string()) return "";
  return fields[name].get<std::string>();
}

std::string nacaWords(const std::string& designation, int stations) {
  return "naca " + designation +
         (stations == kDefaultNacaStations ? "" : " " + std::to_string(stations));
}

// The scroll bars' grids, as the window's handlers read them.
std::string alfaAt(int position) { return NumberToText(static_cast<double>(position - 100) / 10); }
std::string xmAt(int position) { return NumberToText(static_cast<double>(position) / 100); }

}  // namespace

std::string typedWord(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return "0";
  const std::size_t end = text.find_first_of(" \t\r\n", start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

LessonRecord::LessonRecord(const HeadlessControls& fresh)
    : freshAlfa_(fresh.text(TextBox::Text_Alfa)),
      freshXm_(fresh.text(TextBox::Text_xM)),
      alfa_(freshAlfa_),
      xm_(freshXm_) {}

void LessonRecord::before(const HeadlessControls& controls) {
  typedAlfa_ = controls.text(TextBox::Text_Alfa);
  typedXm_ = controls.text(TextBox::Text_xM);
  typedN_ = controls.text(TextBox::Text_N);
  withEnds_ = controls.isSelected(Option::Opt_WithEnd);
}

void LessonRecord::airfoilRead(std::optional<std::string> source) {
  anyRead_ = true;
  source_ = std::move(source);
  words_.clear();
  lastFourier_.clear();
  // A link's replay starts in a new page, whose boxes hold what Form_Load put there.
  alfa_ = freshAlfa_;
  xm_ = freshXm_;
}

void LessonRecord::typedBefore(std::vector<std::string>& words, std::string_view alfa,
                               std::string_view xm) const {
  if (alfa != alfa_) words.push_back("alfa " + typedWord(alfa));
  if (xm != xm_) words.push_back("xm " + typedWord(xm));
}

void LessonRecord::add(const std::string& words, const HeadlessControls& after) {
  typedBefore(words_, typedAlfa_, typedXm_);
  words_.push_back(words);
  alfa_ = after.text(TextBox::Text_Alfa);
  xm_ = after.text(TextBox::Text_xM);
}

// Enter at a value on the bar's grid is what moving the bar there does; between two steps, the
// value typed and the method that made the coefficients once more give the same screen.
std::string LessonRecord::enterWords(bool alfaBox, int position,
                                     const HeadlessControls& after) const {
  const std::string shown = after.text(alfaBox ? TextBox::Text_Alfa : TextBox::Text_xM);
  if (shown == (alfaBox ? alfaAt(position) : xmAt(position))) {
    return std::string(alfaBox ? "alfa-scroll " : "xm-scroll ") + std::to_string(position);
  }
  std::string words = std::string(alfaBox ? "alfa " : "xm ") + typedWord(shown);
  if (!lastFourier_.empty()) words += " " + lastFourier_;
  return words;
}

void LessonRecord::handled(std::string_view handler, std::string_view argument, bool succeeded,
                           std::optional<int> position, const HeadlessControls& after) {
  if (handler == "File1_Click") {
    if (!succeeded) return;
    if (argument.starts_with(kSamplesFolder)) {
      airfoilRead("open " + std::string(argument.substr(kSamplesFolder.size())));
    } else {
      airfoilRead(std::nullopt);
    }
    return;
  }
  if (handler == "Cmnd_NacaGenerate_Click") {
    const auto stations = strictInteger(fieldOf(argument, "stations"), 2, kMostNacaStations);
    if (succeeded && stations) airfoilRead(nacaWords(fieldOf(argument, "designation"), *stations));
    return;
  }
  if (handler == "Cmnd_FlapApply_Click") {
    if (!succeeded) return;
    add("flap " + typedWord(fieldOf(argument, "hinge")) + " " +
            typedWord(fieldOf(argument, "deflection")),
        after);
    lastFourier_.clear();  // the flapped section is a new airfoil, without results
    return;
  }
  if (handler == "Cmnd_LSQM_Click") {
    const std::string words = "lsq " + typedWord(typedN_) + (withEnds_ ? " ends" : " free");
    add(words, after);
    lastFourier_ = words;
  } else if (handler == "Mn_Numerical_Click") {
    add("numerical", after);
    lastFourier_ = "numerical";
  } else if (handler == "Mn_LumpVM_Click") {
    if (succeeded) add("vortex", after);
  } else if (handler == "HScroll_Alfa_Change" || handler == "HScroll_xM_Change") {
    const std::string word = handler == "HScroll_Alfa_Change" ? "alfa-scroll " : "xm-scroll ";
    add(word + std::string(argument), after);
  } else if ((handler == "Text_Alfa_Enter" || handler == "Text_xM_Enter") && position) {
    const bool alfaBox = handler == "Text_Alfa_Enter";
    // The words of Enter carry the box's own text.
    (alfaBox ? typedAlfa_ : typedXm_) = alfaBox ? alfa_ : xm_;
    add(enterWords(alfaBox, *position, after), after);
  }
}

void LessonRecord::replayed(const Action& action, bool succeeded, const HeadlessControls& after) {
  switch (action.kind) {
    case ActionKind::Open:
      if (succeeded) airfoilRead("open " + action.text);
      return;
    case ActionKind::Naca:
      if (succeeded) airfoilRead(nacaWords(action.text, action.value));
      return;
    case ActionKind::Alfa:
    case ActionKind::Xm:
      return;  // typing: it goes in before the action that reads it
    case ActionKind::Lsq: {
      const std::string words =
          "lsq " + typedWord(action.text) + (action.withEnds ? " ends" : " free");
      add(words, after);
      lastFourier_ = words;
      return;
    }
    case ActionKind::Numerical:
      add("numerical", after);
      lastFourier_ = "numerical";
      return;
    case ActionKind::Vortex:
      add("vortex", after);
      return;
    case ActionKind::AlfaScroll:
    case ActionKind::XmScroll:
      add(std::string(actionWord(action.kind)) + " " + std::to_string(action.value), after);
      return;
    case ActionKind::Flap:
      add("flap " + typedWord(action.text) + " " + typedWord(action.deflection), after);
      lastFourier_.clear();  // the flapped section is a new airfoil, without results
      return;
    case ActionKind::Sweep:
    case ActionKind::Compare:
    case ActionKind::Panel:
      return;
  }
}

std::variant<std::string, LessonRecord::Refusal> LessonRecord::actions(
    const HeadlessControls& controls) const {
  if (!anyRead_) return std::string();
  if (!source_) {
    return Refusal{
        "This airfoil was read from a file of your own, which cannot be put in a link. "
        "Choose a sample (or a NACA section) for a lesson link."};
  }
  std::vector<std::string> words = {*source_};
  words.insert(words.end(), words_.begin(), words_.end());
  typedBefore(words, controls.text(TextBox::Text_Alfa), controls.text(TextBox::Text_xM));
  return joined(words);
}

}  // namespace vantrel::web
