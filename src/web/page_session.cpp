#include "web/page_session.h"

#include <charconv>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>

#include "surface/pixel_shapes.h"

namespace vantrel::web {
namespace {

using Json = nlohmann::json;

constexpr Label kAllLabels[] = {Label::Lbl_Airfoil, Label::Lbl_LSQ, Label::Lbl_Degree};

Json color(Rgb rgb) {
  return Json::array({rgb.r, rgb.g, rgb.b});
}

struct ShapeJson {
  Json operator()(const PixelLine& line) const {
    return Json::array({"L", line.x1, line.y1, line.x2, line.y2, color(line.color)});
  }
  Json operator()(const PixelCircle& circle) const {
    return Json::array({"C", circle.x, circle.y, circle.radius, color(circle.color)});
  }
};

// Texts reach the page as UTF-8; a byte that is not (a name read from a file) shows as U+FFFD.
std::string text(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

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
  using Handler = std::function<void(Form1Handlers&, std::string_view)>;
  static const std::map<std::string_view, Handler> kHandlers = {
      {"Mn_Airfoil_Click", [](Form1Handlers& h, std::string_view) { h.Mn_Airfoil_Click(); }},
      {"Mn_Polynomial_Click", [](Form1Handlers& h, std::string_view) { h.Mn_Polynomial_Click(); }},
      {"Cmnd_LSQM_Click", [](Form1Handlers& h, std::string_view) { h.Cmnd_LSQM_Click(); }},
      {"Mn_Numerical_Click", [](Form1Handlers& h, std::string_view) { h.Mn_Numerical_Click(); }},
      {"Mn_LumpVM_Click", [](Form1Handlers& h, std::string_view) { h.Mn_LumpVM_Click(); }},
      {"HScroll_Alfa_Change",
       [](Form1Handlers& h, std::string_view value) { h.HScroll_Alfa_Change(integerOf(value)); }},
      {"HScroll_xM_Change",
       [](Form1Handlers& h, std::string_view value) { h.HScroll_xM_Change(integerOf(value)); }},
      // "folder/name" of the chosen file.
      {"File1_Click",
       [](Form1Handlers& h, std::string_view path) {
         const std::size_t slash = path.rfind('/');
         if (slash == std::string_view::npos) return;
         h.File1_Click(std::string(path.substr(0, slash)), std::string(path.substr(slash + 1)));
       }},
  };
  if (const auto found = kHandlers.find(handler); found != kHandlers.end()) {
    found->second(handlers_, argument);
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
  Json shapes = Json::array();
  for (const PixelShape& shape : pixelShapes(box, PixelArea{0, 0, width, height})) {
    shapes.push_back(std::visit(ShapeJson{}, shape));
  }
  return text(Json{{"back", color(box.backColor())}, {"shapes", std::move(shapes)}});
}

std::string PageSession::stateJson() {
  Json texts = Json::object();
  for (TextBox box : kAllTextBoxes) texts[nameOf(box)] = controls_.text(box);
  Json labels = Json::object();
  for (Label label : kAllLabels) {
    labels[nameOf(label)] = {{"caption", controls_.caption(label)},
                             {"visible", controls_.labelVisible(label)}};
  }
  Json revisions = Json::object();
  for (Picture picture : kAllPictures) {
    revisions[nameOf(picture)] = controls_.picture(picture).revision();
  }
  return text(Json{
      {"texts", std::move(texts)},
      {"labels", std::move(labels)},
      {"frames",
       {{"Frame_IOWindow", controls_.frameVisible(Frame::Frame_IOWindow)},
        {"Frame_LeastSquares", controls_.frameVisible(Frame::Frame_LeastSquares)}}},
      {"withEnd", controls_.isSelected(Option::Opt_WithEnd)},
      {"fileLoaded", handlers_.FileLoaded()},
      {"revisions", std::move(revisions)},
      {"messages", controls_.takeMessages()},
  });
}

}  // namespace vantrel::web
