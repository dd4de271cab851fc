#include "batch/summary_output.h"

#include <string_view>
#include <utility>
#include <vector>

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
      const bool control = (byte < 0x20 && byte != '\n') || byte == 0x7F;
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
                        const SweepTable* sweep) {
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
  return out + "}\n";
}

}  // namespace vantrel::batch
