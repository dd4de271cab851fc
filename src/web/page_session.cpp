#include "web/page_session.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "app/user_actions.h"
#include "language/program_texts.h"
#include "plot/edge_marker.h"
#include "surface/pixel_shapes.h"
#include "text/number_text.h"
#include "web/airfoils_request.h"
#include "web/panel_request.h"
#include "web/page_json.h"

namespace vantrel::web {
namespace {

constexpr Label kAllLabels[] = {Label::Lbl_Airfoil, Label::Lbl_LSQ, Label::Lbl_Degree};

template <typename Control, std::size_t N>
std::optional<Control> byName(std::string_view name, const Control (&all)[N]) {
  for (Control control : all)
    if (name == nameOf(control)) return control;
  return std::nullopt;
}

constexpr const char* kSamplesFolder = "/samples/";

// A bundled sample by its bare name: no folder, nothing outside the samples.
bool isSample(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
    return false;
  std::error_code error;
  return std::filesystem::is_regular_file(kSamplesFolder + name, error);
}

// What a link can ask for but the page shows no table of.
std::optional<ActionKind> notShown(const std::vector<Action>& actions) {
  for (const Action& action : actions) {
    if (action.kind == ActionKind::Sweep || action.kind == ActionKind::Compare ||
        action.kind == ActionKind::Panel)
      return action.kind;
  }
  return std::nullopt;
}

int integerOf(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void appendOverlay(const Overlay& overlay, Json& into) {
  for (const OverlayLine& line : overlay.lines) {
    into["lines"].push_back({line.x1, line.y1, line.x2, line.y2, color(line.color), line.width});
  }
  for (const OverlayText& t : overlay.texts) {
    into["texts"].push_back(Json{{"box", {t.left, t.top, t.width, t.height}},
                                 {"font", t.fontPixels},
                                 {"text", t.text},
                                 {"color", color(t.color)},
                                 {"left", t.leftAligned}});
  }
}

}  // namespace

PageSession::PageSession(const std::string& workDir)
    : handlers_(ortak_, controls_, workDir), lessons_(handlers_, progress_) {
  handlers_.session().progress = &progress_;
  handlers_.Form_Load();
}

std::string PageSession::act(std::string_view handler, std::string_view argument) {
  // What a handler adds to the state in its reply.
  using Handler = std::function<Json(Form1Handlers&, std::string_view)>;
  const auto plain = [](void (Form1Handlers::*run)()) {
    return Handler([run](Form1Handlers& h, std::string_view) {
      (h.*run)();
      return Json::object();
    });
  };
  const auto scroll = [](void (Form1Handlers::*change)(int)) {
    return Handler([change](Form1Handlers& h, std::string_view value) {
      (h.*change)(integerOf(value));
      return Json::object();
    });
  };
  const auto enter = [](int (Form1Handlers::*enter)()) {
    return Handler([enter](Form1Handlers& h, std::string_view) {
      return Json{{"position", (h.*enter)()}};
    });
  };
  static const std::map<std::string_view, Handler> kHandlers = {
      {"Mn_Airfoil_Click", plain(&Form1Handlers::Mn_Airfoil_Click)},
      {"Mn_Polynomial_Click", plain(&Form1Handlers::Mn_Polynomial_Click)},
      {"Cmnd_LSQM_Click", plain(&Form1Handlers::Cmnd_LSQM_Click)},
      {"Mn_Numerical_Click", plain(&Form1Handlers::Mn_Numerical_Click)},
      {"Mn_LumpVM_Click",
       [](Form1Handlers& h, std::string_view) {
         h.Mn_LumpVM_Click();
         return Json::object();
       }},
      {"HScroll_Alfa_Change", scroll(&Form1Handlers::HScroll_Alfa_Change)},
      {"HScroll_xM_Change", scroll(&Form1Handlers::HScroll_xM_Change)},
      {"Text_Alfa_Enter", enter(&Form1Handlers::Text_Alfa_Enter)},
      {"Text_xM_Enter", enter(&Form1Handlers::Text_xM_Enter)},
      // "folder/name" of the chosen file.
      {"File1_Click",
       [](Form1Handlers& h, std::string_view path) {
         const std::size_t slash = path.rfind('/');
         if (slash == std::string_view::npos) return Json{{"read", false}};
         return Json{{"read", h.File1_Click(std::string(path.substr(0, slash)),
                                            std::string(path.substr(slash + 1)))}};
       }},
  };
  Json extra = Json::object();
  record_.before(controls_);
  if (auto lesson = lessons_.act(handler, argument)) {
    extra = std::move(*lesson);
  } else if (const auto found = kHandlers.find(handler); found != kHandlers.end()) {
    extra = found->second(handlers_, argument);
  }
  // A read or a flap that was refused changed nothing a link carries.
  const bool succeeded = extra.value("read", true) && extra.value("applied", true);
  const std::optional<int> position =
      extra.contains("position") ? std::optional<int>(extra["position"].get<int>()) : std::nullopt;
  record_.handled(handler, argument, succeeded, position, controls_);
  if (extra.value("read", false)) lessons_.airfoilRead();
  Json reply = stateObject();
  reply.update(extra);
  return text(reply);
}

std::string PageSession::lesson(std::string_view actions) {
  Json extra = replayLesson(actions);
  Json reply = stateObject();
  reply.update(extra);
  return text(reply);
}

nlohmann::json PageSession::replayLesson(std::string_view line) {
  auto read = readActions(actionWords(line));
  if (const auto* error = std::get_if<ActionError>(&read)) {
    controls_.showMessage("This lesson link cannot be followed: " + error->message + ".");
    return Json::object();
  }
  const auto& actions = std::get<std::vector<Action>>(read);
  if (const auto kind = notShown(actions)) {
    controls_.showMessage(std::string("This lesson link asks for \"") + actionWord(*kind) +
                          "\", whose table the page does not show; the batch tool prints it.");
    return Json::object();
  }
  for (const Action& action : actions) {
    if (action.kind == ActionKind::Open && !isSample(action.text)) {
      controls_.showMessage("This lesson link opens \"" + action.text +
                            "\", which is not one of the page's samples.");
      return Json::object();
    }
  }
  // As the batch tool does, the replay stops at the first action that was refused.
  Json positions = Json::object();
  Json reply = Json::object();
  for (const Action& action : actions) {
    Action run = action;
    if (action.kind == ActionKind::Open) run.text = kSamplesFolder + action.text;
    record_.before(controls_);
    const bool succeeded = replayAction(run, handlers_, controls_);
    record_.replayed(action, succeeded, controls_);
    if (!succeeded) break;
    if (action.kind == ActionKind::AlfaScroll) positions["HScroll_Alfa"] = action.value;
    if (action.kind == ActionKind::XmScroll) positions["HScroll_xM"] = action.value;
    if (action.kind == ActionKind::Open) reply["sample"] = action.text;
    if (action.kind == ActionKind::Naca) reply["sample"] = nullptr;
    if (action.kind == ActionKind::Open || action.kind == ActionKind::Naca) lessons_.airfoilRead();
  }
  reply["positions"] = std::move(positions);
  return reply;
}

std::string PageSession::linkJson() const {
  const auto actions = record_.actions(controls_);
  if (const auto* refusal = std::get_if<LessonRecord::Refusal>(&actions))
    return text(Json{{"refusal", refusal->message}});
  return text(Json{{"actions", std::get<std::string>(actions)}});
}

void PageSession::restoreControls(std::string_view stateJson) {
  const Json state = Json::parse(stateJson, nullptr, false);
  if (!state.is_object()) return;
  const auto member = [](const Json& object, const char* name) {
    return object.is_object() && object.contains(name) ? object[name] : Json();
  };
  const Json texts = member(state, "texts");
  for (TextBox box : kAllTextBoxes) {
    if (const Json t = member(texts, nameOf(box)); t.is_string()) controls_.setText(box, t.get<std::string>());
  }
  const Json labels = member(state, "labels");
  for (Label label : kAllLabels) {
    const Json shown = member(labels, nameOf(label));
    if (const Json caption = member(shown, "caption"); caption.is_string())
      controls_.setCaption(label, caption.get<std::string>());
    if (const Json visible = member(shown, "visible"); visible.is_boolean())
      controls_.setLabelVisible(label, visible.get<bool>());
  }
  const Json frames = member(state, "frames");
  for (const auto& [frame, name] : {std::pair{Frame::Frame_IOWindow, "Frame_IOWindow"},
                                    std::pair{Frame::Frame_LeastSquares, "Frame_LeastSquares"}}) {
    if (const Json visible = member(frames, name); visible.is_boolean())
      controls_.setFrameVisible(frame, visible.get<bool>());
  }
  if (const Json withEnd = member(state, "withEnd"); withEnd.is_boolean())
    controls_.select(withEnd.get<bool>() ? Option::Opt_WithEnd : Option::Opt_WithOutEnd);
  if (const Json language = member(state, "language"); language.is_string())
    setLanguage(language.get<std::string>());
}

void PageSession::setText(std::string_view box, const std::string& text) {
  if (auto found = byName(box, kAllTextBoxes)) controls_.setText(*found, text);
}

void PageSession::setLanguage(std::string_view code) {
  if (const auto language = languageOfCode(code)) ortak_.language = *language;
}

std::string PageSession::languagesJson() {
  Json languages = Json::array();
  for (Language language : allLanguages()) {
    languages.push_back(
        {{"code", languageCode(language)}, {"name", textsIn(language).languageName}});
  }
  return text(languages);
}

void PageSession::select(std::string_view option) {
  controls_.select(option == "Opt_WithOutEnd" ? Option::Opt_WithOutEnd : Option::Opt_WithEnd);
}

std::string PageSession::pictureJson(std::string_view name, double width, double height,
                                     bool axes, double scale) const {
  AxesStyle style;
  const PictureBox* lesson = lessons_.picture(name, style);
  if (name == "Picture_Pressure" && panelLesson_) {
    lesson = &pressureBox_;
    style = pressureAxesStyle();
  }
  const auto picture = byName(name, kAllPictures);
  if (!lesson && !picture) return "null";
  if (picture) style = axesStyleOf(*picture);
  const PictureBox& box = lesson ? *lesson : controls_.picture(*picture);
  Json shapes = Json::array();
  for (const PixelShape& shape : pixelShapes(box, PixelArea{0, 0, width, height})) {
    shapes.push_back(std::visit(ShapeJson{}, shape));
  }
  Json overlay{{"lines", Json::array()}, {"texts", Json::array()}};
  appendOverlay(operatingPointMarker(box, width, height, scale), overlay);
  if (axes) {
    appendOverlay(axesAndValues(box, style, width, height, axesFontPixels(scale)), overlay);
  }
  return text(Json{{"back", color(box.backColor())},
                   {"shapes", std::move(shapes)},
                   {"overlay", std::move(overlay)}});
}

std::string PageSession::screenAirfoilJson() const {
  if (!handlers_.FileLoaded()) return "null";
  return web::screenAirfoilJson(ortak_, handlers_.DataFile());
}

std::string PageSession::airfoilsJson(std::string_view requestJson) const {
  Json request = Json::parse(requestJson, nullptr, false);
  if (!request.is_object()) request = Json::object();
  request["alfa"] = TextToNumber(controls_.text(TextBox::Text_Alfa));
  return web::airfoilsJson(request.dump());
}

std::string PageSession::panelJson(std::string_view requestJson) {
  Json request = Json::parse(requestJson, nullptr, false);
  if (!request.is_object()) request = Json::object();
  const auto number = [&request](const char* key, double fallback) {
    const auto found = request.find(key);
    return found != request.end() && found->is_number() ? found->get<double>() : fallback;
  };
  const auto found = request.find("open");
  const bool opening = found != request.end() && found->is_boolean() && found->get<bool>();
  const unsigned long airfoilRead = controls_.picture(Picture::Picture_Airfoil).revision();
  if (opening || airfoilRead != panelAirfoil_) {
    panelLesson_ = panelLessonOfLoadedAirfoil(handlers_);
    panelAirfoil_ = airfoilRead;
  } else if (panelLesson_) {
    panelLesson_->moveTo(TextToNumber(controls_.text(TextBox::Text_Alfa)));
  }
  Json reply{{"panel", nullptr}, {"messages", controls_.takeMessages()}};
  if (panelLesson_) {
    pressureBox_ = pressurePicture(*panelLesson_);
    reply["panel"] = panelLessonJson(*panelLesson_, number("width", 600), number("height", 300),
                                     number("scale", 1));
  }
  return text(reply);
}

std::string PageSession::stateJson() {
  return text(stateObject());
}

nlohmann::json PageSession::stateObject() {
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
  return Json{
      {"texts", std::move(texts)},
      {"labels", std::move(labels)},
      {"frames",
       {{"Frame_IOWindow", controls_.frameVisible(Frame::Frame_IOWindow)},
        {"Frame_LeastSquares", controls_.frameVisible(Frame::Frame_LeastSquares)}}},
      {"withEnd", controls_.isSelected(Option::Opt_WithEnd)},
      {"language", languageCode(ortak_.language)},
      {"fileLoaded", handlers_.FileLoaded()},
      {"StatusLine", handlers_.statusLine()},
      {"lessons", lessons_.stateObject()},
      {"revisions", std::move(revisions)},
      {"messages", controls_.takeMessages()},
  };
}

}  // namespace vantrel::web
