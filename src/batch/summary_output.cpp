#include "batch/summary_output.h"

#include <cmath>
#include <numbers>

#include <string_view>

#include "text/number_text.h"
#include "batch/comparison_table.h"
#include "batch/json_text.h"

namespace vantrel::batch {
namespace {

constexpr Label kShownLabels[] = {Label::Lbl_Airfoil, Label::Lbl_Degree};

Json jsonState(const Ortak& ortak) {
  return {{"NPoint", ortak.NPoint}, {"M", ortak.M},
          {"A", ortak.A},           {"A0Camber", ortak.A0Camber},
          {"Alfa", ortak.Alfa},     {"Alfa0", ortak.Alfa0},
          {"CmAC", ortak.CmAC},     {"CL", ortak.CL},
          {"CLMin", ortak.CLMin},   {"CLMax", ortak.CLMax},
          {"xU", ortak.xU},         {"yU", ortak.yU},
          {"xL", ortak.xL},         {"yL", ortak.yL},
          {"xC", ortak.xC},         {"yC", ortak.yC},
          {"Theta", ortak.Theta}};
}

}  // namespace

std::string withoutControls(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1) {
      out += '?';
      ++i;
    } else {
      const bool control = (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
      out += control ? '?' : text[i];
    }
  }
  return out;
}

std::string textSummary(const HeadlessControls& controls) {
  std::string out;
  for (TextBox box : kAllTextBoxes) {
    out += std::string(nameOf(box)) + " = " + withoutControls(controls.text(box)) + "\n";
  }
  for (Label label : kShownLabels) {
    out += std::string(nameOf(label)) + " = " + withoutControls(controls.caption(label)) + "\n";
  }
  for (const std::string& message : controls.messages()) {
    out += "Message: " + withoutControls(message) + "\n";
  }
  return out;
}

std::string jsonSummary(const HeadlessControls& controls, const Ortak& ortak,
                        const SweepTable* sweep, const MethodComparison* comparison,
                        const PanelLesson* panel, const std::string* statusLine) {
  Json summary = Json::object();
  for (TextBox box : kAllTextBoxes) summary[nameOf(box)] = controls.text(box);
  for (Label label : kShownLabels) summary[nameOf(label)] = controls.caption(label);
  if (statusLine != nullptr) summary["StatusLine"] = *statusLine;
  summary["messages"] = controls.messages();
  summary["state"] = jsonState(ortak);
  if (sweep != nullptr) summary["sweep"] = sweepJson(*sweep);
  if (comparison != nullptr) summary["compare"] = comparisonJson(*comparison);
  if (panel != nullptr) {
    const PanelSolution& solution = panel->panel;
    const double alfa = panel->Alfa * std::numbers::pi / 180;
    auto number = [](double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); };
    summary["panel"] = Json{{"N", solution.panels()},
                            {"CL", number(solution.CL(alfa))},
                            {"CmQuarter", number(solution.CmQuarter(alfa))},
                            {"Alfa0", number(solution.Alfa0() * 180 / std::numbers::pi)},
                            {"CLalpha", number(solution.CLalpha())}};
  }
  return jsonText(summary) + "\n";
}

std::string panelSummary(const PanelLesson& panel) {
  const PanelSolution& solution = panel.panel;
  const double alfa = panel.Alfa * std::numbers::pi / 180;
  return "Panel: N = " + std::to_string(solution.panels()) +
         ", CL = " + NumberToText(solution.CL(alfa), 4) +
         ", CmQuarter = " + NumberToText(solution.CmQuarter(alfa), 4) +
         ", Alfa0 = " + NumberToText(solution.Alfa0() * 180 / std::numbers::pi, 3) +
         " deg, CLalpha = " + NumberToText(solution.CLalpha(), 4) + " per rad\n";
}

}  // namespace vantrel::batch
