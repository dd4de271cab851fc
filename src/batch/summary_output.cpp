#include "batch/summary_output.h"

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

std::string textSummary(const HeadlessControls& controls) {
  std::string out;
  for (TextBox box : kAllTextBoxes) {
    out += std::string(nameOf(box)) + " = " + controls.text(box) + "\n";
  }
  for (Label label : kShownLabels) {
    out += std::string(nameOf(label)) + " = " + controls.caption(label) + "\n";
  }
  for (const std::string& message : controls.messages()) out += "Message: " + message + "\n";
  return out;
}

std::string jsonSummary(const HeadlessControls& controls, const Ortak& ortak,
                        const SweepTable* sweep) {
  Json summary = Json::object();
  for (TextBox box : kAllTextBoxes) summary[nameOf(box)] = controls.text(box);
  for (Label label : kShownLabels) summary[nameOf(label)] = controls.caption(label);
  summary["messages"] = controls.messages();
  summary["state"] = jsonState(ortak);
  if (sweep != nullptr) summary["sweep"] = sweepJson(*sweep);
  return jsonText(summary) + "\n";
}

}  // namespace vantrel::batch
