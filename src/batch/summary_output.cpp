#include "batch/summary_output.h"

#include <utility>
#include <vector>

#include "batch/comparison_table.h"
#include "batch/json_writer.h"
#include "batch/number_format.h"

namespace vantrel::batch {
namespace {

constexpr Label kShownLabels[] = {Label::Lbl_Airfoil, Label::Lbl_Degree};

std::string jsonState(const Ortak& ortak) {
  const std::vector<std::pair<const char*, double>> numbers = {
      {"A0Camber", ortak.A0Camber}, {"Alfa", ortak.Alfa}, {"Alfa0", ortak.Alfa0},
      {"CmAC", ortak.CmAC},         {"CL", ortak.CL},     {"CLMin", ortak.CLMin},
      {"CLMax", ortak.CLMax}};
  const std::vector<std::pair<const char*, const std::vector<double>*>> arrays = {
      {"xU", &ortak.xU}, {"yU", &ortak.yU}, {"xL", &ortak.xL},      {"yL", &ortak.yL},
      {"xC", &ortak.xC}, {"yC", &ortak.yC}, {"Theta", &ortak.Theta}};
  std::string out = "{\"NPoint\": " + std::to_string(ortak.NPoint);
  out += ", \"M\": " + jsonNumber(ortak.M) + ", \"A\": " + jsonArray(ortak.A);
  for (const auto& [name, value] : numbers) {
    out += std::string(", \"") + name + "\": " + jsonNumber(value);
  }
  for (const auto& [name, values] : arrays) {
    out += std::string(", \"") + name + "\": " + jsonArray(*values);
  }
  return out + "}";
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
                        const SweepTable* sweep, const MethodComparison* comparison) {
  std::string out = "{";
  for (TextBox box : kAllTextBoxes) {
    out += jsonString(nameOf(box)) + ": " + jsonString(controls.text(box)) + ", ";
  }
  for (Label label : kShownLabels) {
    out += jsonString(nameOf(label)) + ": " + jsonString(controls.caption(label)) + ", ";
  }
  out += "\"messages\": [";
  const auto& messages = controls.messages();
  for (std::size_t i = 0; i < messages.size(); ++i) {
    out += (i > 0 ? ", " : "") + jsonString(messages[i]);
  }
  out += "], \"state\": " + jsonState(ortak);
  if (sweep != nullptr) out += ", \"sweep\": " + sweepJson(*sweep);
  if (comparison != nullptr) out += ", \"compare\": " + comparisonJson(*comparison);
  return out + "}\n";
}

}  // namespace vantrel::batch
