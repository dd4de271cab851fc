#include "web/page_lessons.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <variant>

#include "app/user_actions.h"
#include "input/naca.h"
#include "input/plain_flap.h"
#include "lessons/compare_methods.h"
#include "lessons/convergence_table.h"
#include "lessons/study_fields.h"
#include "plot/flap_picture.h"
#include "state/messages.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"

namespace vantrel::web {
namespace {

using Json = nlohmann::json;

// The caption's NACA designation, filled in by the page as the user types it.
constexpr const char* kDesignationSlot = "{designation}";

std::string field(const Json& fields, const char* name) {
  return fields.is_object() && fields.contains(name) && fields[name].is_string()
             ? fields[name].get<std::string>()
             : std::string();
}

Json compareRow(const MethodResult& result) {
  Json row{{"method", result.method}};
  if (result.message) {
    row["message"] = *result.message;
  } else {
    row["cells"] = {NumberToText(result.Alfa0, 3), NumberToText(result.CmAC, 4),
                    NumberToText(result.CL, 4), NumberToText(result.Cmx, 4)};
  }
  if (result.caution) row["caution"] = *result.caution;
  return row;
}

}  // namespace

PageLessons::PageLessons(Form1Handlers& handlers, Progress& progress)
    : handlers_(handlers), progress_(progress), studyPicture_(Rgb{255, 255, 255}) {}

std::optional<Json> PageLessons::act(std::string_view handler, std::string_view argument) {
  const auto fields = [&] { return Json::parse(argument, nullptr, false); };
  if (handler == "Cmnd_FlapApply_Click") return applyFlap(fields());
  if (handler == "Mn_Compare_Click") return compare();
  if (handler == "Mn_Converge_Click") return prepareStudy();
  if (handler == "Cmnd_Run_Click") return runStudy(fields());
  if (handler == "Cmnd_NacaGenerate_Click") return generateNaca(fields());
  return std::nullopt;
}

const PictureBox* PageLessons::picture(std::string_view name, AxesStyle& style) const {
  if (name == "Picture_Flap") {
    style = FlapAxesStyle();
    return &flapPicture_;
  }
  if (name == "Picture_Convergence") {
    style = ConvergenceAxesStyle();
    return &studyPicture_;
  }
  return nullptr;
}

Json PageLessons::stateObject() const {
  return {{"flapShown", flapShown_}, {"pictureVersion", pictureVersion_}};
}

void PageLessons::airfoilRead() {
  flapShown_ = false;
}

// The flapped airfoil is a new airfoil; the panel shows its whole mean line beside the one read.
Json PageLessons::applyFlap(const Json& fields) {
  const std::string hinge = field(fields, "hinge");
  const std::string deflection = field(fields, "deflection");
  if (!handlers_.Cmnd_FlapApply_Click(hinge, deflection)) return {{"applied", false}};
  const PlainFlap flap = std::get<PlainFlap>(flapFromText(hinge, deflection));
  const AirfoilData& asRead = handlers_.undeflectedAirfoil();
  const Ortak& ortak = handlers_.session().ortak;
  flapPicture_ = FlapMeanLinePicture(asRead.xC, asRead.yC, ortak.xC, ortak.yC, flap.XH);
  flapShown_ = flap.DEG != 0.0;
  ++pictureVersion_;
  return {{"applied", true}};
}

Json PageLessons::compare() {
  const auto comparison = CompareMethodsOfLoadedAirfoil(handlers_);
  if (!comparison) return Json::object();
  const std::string& name = handlers_.session().ortak.AirfoilName;
  Json rows = Json::array();
  for (const MethodResult& result : comparison->rows) rows.push_back(compareRow(result));
  return {{"compare",
           {{"caption", bytesToUtf8(name) + " at \u03B1 = " + NumberToText(comparison->Alfa, 4) +
                            "\u00B0, xM/c = " + NumberToText(comparison->xM, 4)},
            {"rows", std::move(rows)},
            {"csv", ComparisonCsv(*comparison, name)}}}};
}

// Prepares a study of the airfoil on screen, a flap included; another airfoil, or the same one
// with another flap, makes the last table stale.
Json PageLessons::prepareStudy() {
  if (!handlers_.FileLoaded()) {
    handlers_.session().form.showMessage(kOpenAirfoilMessage);
    return Json::object();
  }
  const Ortak& ortak = handlers_.session().ortak;
  const std::string label =
      bytesToUtf8(ortak.AirfoilName) + " (" +
      bytesToUtf8(std::filesystem::path(handlers_.DataFile()).filename().string()) + ")";
  if (!studyAirfoil_ || studyAirfoil_->AirfoilName != ortak.AirfoilName || label != studyLabel_) {
    study_.reset();
    studyPicture_ = PictureBox(Rgb{255, 255, 255});
    ++pictureVersion_;
  }
  studyAirfoil_ = loadedAirfoil(ortak);
  studyLabel_ = label;
  const double alfa = TextToNumber(handlers_.session().form.text(TextBox::Text_Alfa));
  return {{"converge",
           {{"label", label},
            {"alfa", NumberToText(alfa)},
            {"captions", studyCaptions()},
            {"studied", study_.has_value()}}}};
}

Json PageLessons::studyCaptions() const {
  const ConvergenceStudy* study = study_ ? &*study_ : nullptr;
  return {{"onScreen", studyCaption(false, "", studyLabel_, study)},
          {"naca", studyCaption(true, kDesignationSlot, studyLabel_, study)},
          {"slot", kDesignationSlot}};
}

Json PageLessons::runStudy(const Json& fields) {
  const StudyFields typed{field(fields, "from"),
                          field(fields, "to"),
                          field(fields, "alfa"),
                          fields.is_object() && fields.value("naca", false),
                          field(fields, "designation"),
                          studyLabel_,
                          studyAirfoil_};
  Controls& form = handlers_.session().form;
  if (!typed.naca && !studyAirfoil_) {
    form.showMessage(kOpenAirfoilMessage);
    return Json::object();
  }
  auto settings = studySettingsFromFields(typed);
  if (const auto* refused = std::get_if<std::string>(&settings)) {
    form.showMessage(*refused);
    return Json::object();
  }
  auto result =
      runConvergenceStudy(std::get<ConvergenceSettings>(settings),
                          [this](double fraction) { return progress_.proceed(fraction); });
  if (const auto* refusal = std::get_if<StudyRefusal>(&result)) {
    form.showMessage(refusal->message);
    return Json::object();
  }
  if (!std::holds_alternative<ConvergenceStudy>(result)) return Json::object();
  study_ = std::get<ConvergenceStudy>(std::move(result));
  studyPicture_ = ConvergencePlot(*study_);
  ++pictureVersion_;
  return {{"study",
           {{"headers", convergenceTableHeaders()},
            {"rows", convergenceTableCells(*study_)},
            {"csv", ConvergenceCsv(*study_)},
            {"captions", studyCaptions()},
            {"explanation", convergencePlotExplanation()}}}};
}

// The file panel's generator: the section written as the batch tool's `naca` writes it, into the
// page's upload folder, then read as a chosen file.
Json PageLessons::generateNaca(const Json& fields) {
  Controls& form = handlers_.session().form;
  const std::string designation = field(fields, "designation");
  const auto stations = strictInteger(field(fields, "stations"), 2, kMostNacaStations);
  if (!stations) {
    form.showMessage("The number of stations must be a whole number from 2 to " +
                     std::to_string(kMostNacaStations) + ".");
    return {{"read", false}};
  }
  const auto airfoil = nacaAirfoil(designation, *stations);
  if (!airfoil) {
    form.showMessage("\"" + quotedForMessage(designation, 200) +
                     "\" is not a NACA 4- or 5-digit designation the generator covers.");
    return {{"read", false}};
  }
  const std::string folder = field(fields, "folder");
  const std::string name = "naca" + designation + ".nca";
  const std::filesystem::path path = std::filesystem::path(folder) / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << nacaDataFile(*airfoil);
  out.close();
  if (!out) {
    form.showMessage("The page could not keep the generated section " + airfoil->name + ".");
    return {{"read", false}};
  }
  const bool read = handlers_.File1_Click(folder, name);
  // The read keeps what it needs in the session.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return {{"read", read}};
}

}  // namespace vantrel::web
