#include "web/page_session.h"

#include <charconv>
#include <optional>

#include "surface/pixel_shapes.h"
#include "text/locale_free_numbers.h"

namespace vantrel::web {
namespace {

constexpr Label kAllLabels[] = {Label::Lbl_Airfoil, Label::Lbl_LSQ, Label::Lbl_Degree};

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xf];
      out += kHex[c & 0xf];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string number(double value) {
  return shortestText(value);
}

std::string color(Rgb rgb) {
  return "[" + std::to_string(rgb.r) + "," + std::to_string(rgb.g) + "," + std::to_string(rgb.b) +
         "]";
}

struct ShapeJson {
  std::string operator()(const PixelLine& line) const {
    return "[\"L\"," + number(line.x1) + "," + number(line.y1) + "," + number(line.x2) + "," +
           number(line.y2) + "," + color(line.color) + "]";
  }
  std::string operator()(const PixelCircle& circle) const {
    return "[\"C\"," + number(circle.x) + "," + number(circle.y) + "," + number(circle.radius) +
           "," + color(circle.color) + "]";
  }
};

template <typename Control, std::size_t N>
std::optional<Control> byName(std::string_view name, const Control (&all)[N]) {
  for (Control control : all)
    if (name == nameOf(control)) return control;
  return std::nullopt;
}

int integerOf(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

PageSession::PageSession(const std::string& workDir) : handlers_(ortak_, controls_, workDir) {
  handlers_.session().progress = &progress_;
  handlers_.Form_Load();
}

std::string PageSession::act(std::string_view handler, std::string_view argument) {
  if (handler == "Mn_Airfoil_Click") handlers_.Mn_Airfoil_Click();
  if (handler == "Mn_Polynomial_Click") handlers_.Mn_Polynomial_Click();
  if (handler == "Cmnd_LSQM_Click") handlers_.Cmnd_LSQM_Click();
  if (handler == "Mn_Numerical_Click") handlers_.Mn_Numerical_Click();
  if (handler == "Mn_LumpVM_Click") handlers_.Mn_LumpVM_Click();
  if (handler == "HScroll_Alfa_Change") handlers_.HScroll_Alfa_Change(integerOf(argument));
  if (handler == "HScroll_xM_Change") handlers_.HScroll_xM_Change(integerOf(argument));
  if (handler == "File1_Click") {
    const std::size_t slash = argument.rfind('/');
    if (slash != std::string_view::npos) {
      handlers_.File1_Click(std::string(argument.substr(0, slash)),
                            std::string(argument.substr(slash + 1)));
    }
  }
  return stateJson();
}

void PageSession::setText(std::string_view box, const std::string& text) {
  if (auto found = byName(box, kAllTextBoxes)) controls_.setText(*found, text);
}

void PageSession::select(std::string_view option) {
  controls_.select(option == "Opt_WithOutEnd" ? Option::Opt_WithOutEnd : Option::Opt_WithEnd);
}

std::string PageSession::pictureJson(std::string_view name, double width, double height) const {
  const auto picture = byName(name, kAllPictures);
  if (!picture) return "null";
  const PictureBox& box = controls_.picture(*picture);
  std::string out = "{\"back\":" + color(box.backColor()) + ",\"shapes\":[";
  bool first = true;
  for (const PixelShape& shape : pixelShapes(box, PixelArea{0, 0, width, height})) {
    if (!first) out += ",";
    out += std::visit(ShapeJson{}, shape);
    first = false;
  }
  return out + "]}";
}

std::string PageSession::stateJson() {
  std::string out = "{\"texts\":{";
  for (TextBox box : kAllTextBoxes) {
    if (box != kAllTextBoxes[0]) out += ",";
    out += jsonString(nameOf(box)) + ":" + jsonString(controls_.text(box));
  }
  out += "},\"labels\":{";
  for (Label label : kAllLabels) {
    if (label != kAllLabels[0]) out += ",";
    out += jsonString(nameOf(label)) + ":{\"caption\":" + jsonString(controls_.caption(label)) +
           ",\"visible\":" + (controls_.labelVisible(label) ? "true" : "false") + "}";
  }
  out += "},\"frames\":{\"Frame_IOWindow\":";
  out += controls_.frameVisible(Frame::Frame_IOWindow) ? "true" : "false";
  out += ",\"Frame_LeastSquares\":";
  out += controls_.frameVisible(Frame::Frame_LeastSquares) ? "true" : "false";
  out += "},\"withEnd\":";
  out += controls_.isSelected(Option::Opt_WithEnd) ? "true" : "false";
  out += ",\"fileLoaded\":";
  out += handlers_.FileLoaded() ? "true" : "false";
  out += ",\"revisions\":{";
  for (Picture picture : kAllPictures) {
    if (picture != kAllPictures[0]) out += ",";
    out +=
        jsonString(nameOf(picture)) + ":" + std::to_string(controls_.picture(picture).revision());
  }
  out += "},\"messages\":[";
  const std::vector<std::string> messages = controls_.takeMessages();
  for (std::size_t i = 0; i < messages.size(); ++i) out += (i ? "," : "") + jsonString(messages[i]);
  return out + "]}";
}

}  // namespace vantrel::web
