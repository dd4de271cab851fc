#include "lessons/convergence_study.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "coefficients/numerical.h"
#include "input/naca.h"
#include "input/naca_thin_airfoil.h"
#include "input/plain_flap.h"
#include "input/read_by_file_type.h"
#include "input/sampled_airfoil.h"
#include "loads/aero_loads.h"
#include "numerics/elementary_functions.h"
#include "state/headless_controls.h"
#include "state/session.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "vortex/lump_vm.h"

namespace vantrel {
namespace {

// The NACA generator's 10000 stations, which also keeps within the lumped vortex method's limit.
constexpr int kMostPanels = 9999;

// Where the stations of each N come from.
class StationSource {
 public:
  virtual ~StationSource() = default;
  virtual std::string name() const = 0;
  virtual StationTable stationsFor(int N) const = 0;
  virtual std::optional<ThinAirfoilValues> closedForm() const { return std::nullopt; }
};

class NacaSource : public StationSource {
 public:
  explicit NacaSource(std::string designation) : designation_(std::move(designation)) {}
  std::string name() const override { return nacaAirfoil(designation_, 2)->name; }
  StationTable stationsFor(int N) const override {
    const auto airfoil = nacaAirfoil(designation_, N + 1);
    return {airfoil->xU, airfoil->yU, airfoil->xL, airfoil->yL};
  }
  std::optional<ThinAirfoilValues> closedForm() const override {
    return nacaThinAirfoilValues(designation_);
  }

 private:
  std::string designation_;
};

// The main window's mean line: its stations' point-by-point mean, straight between them, sampled
// at N + 1 stations evenly spaced in θ over the span the stations cover (0 to π for a whole chord).
class MeanLineSource : public StationSource {
 public:
  MeanLineSource(std::string name, std::vector<double> x, std::vector<double> y, double thetaFirst,
                 double thetaLast)
      : name_(std::move(name)),
        x_(std::move(x)),
        y_(std::move(y)),
        thetaFirst_(thetaFirst),
        thetaLast_(thetaLast) {}
  std::string name() const override { return name_; }
  StationTable stationsFor(int N) const override {
    StationTable table;
    for (int i = 0; i <= N; ++i) {
      double x = x_.front();
      if (i == N) {
        x = x_.back();
      } else if (i > 0) {
        const double theta = thetaFirst_ + (thetaLast_ - thetaFirst_) * i / N;
        x = std::clamp((1 - cr::cos(theta)) / 2, x_.front(), x_.back());
      }
      const double y = at(x);
      table.xU.push_back(x), table.yU.push_back(y);
      table.xL.push_back(x), table.yL.push_back(y);
    }
    return table;
  }

 private:
  double at(double x) const {
    const auto above = std::upper_bound(x_.begin(), x_.end(), x);
    if (above == x_.begin()) return y_.front();
    if (above == x_.end()) return y_.back();
    const auto I = static_cast<std::size_t>(above - x_.begin()) - 1;
    return y_[I] + (y_[I + 1] - y_[I]) * (x - x_[I]) / (x_[I + 1] - x_[I]);
  }

  std::string name_;
  std::vector<double> x_, y_;
  double thetaFirst_, thetaLast_;
};

std::string stationWord(int count) {
  return std::to_string(count) + (count == 1 ? " station" : " stations");
}

std::variant<std::unique_ptr<StationSource>, std::string> meanLineOf(const AirfoilData& airfoil) {
  const std::string shownName = "\"" + quotedForMessage(bytesToUtf8(airfoil.AirfoilName), 200) +
                                "\"";
  std::vector<double> x, y;
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    if (!x.empty() && !(airfoil.xC[I] > x.back())) {
      return "Cannot study " + shownName + ": its camber x does not increase from station " +
             std::to_string(I - 1) + " to " + std::to_string(I) +
             ", and the study follows the mean line from the leading to the trailing edge.";
    }
    x.push_back(airfoil.xC[I]);
    y.push_back(airfoil.yC[I]);
  }
  if (x.size() < 2) {
    return "Cannot study " + shownName + ": it needs at least two stations.";
  }
  return std::make_unique<MeanLineSource>(
      airfoil.AirfoilName, std::move(x), std::move(y), airfoil.Theta[1],
      airfoil.Theta[static_cast<std::size_t>(airfoil.NPoint)]);
}

// A file is read as the window reads it, with its checks and its messages.
std::variant<AirfoilData, std::string> airfoilOfFile(const std::string& path, double Pi) {
  Ortak ortak;
  ortak.Pi = Pi;
  HeadlessControls controls;
  Session session{ortak, controls, {}};
  session.writesReports = false;
  if (!readByFileType(session, path)) {
    if (controls.messages().empty()) return "Cannot read \"" + quotedForMessage(path, 200) + "\".";
    return controls.messages().front();
  }
  return loadedAirfoil(ortak);
}

struct StudySource {
  std::unique_ptr<StationSource> stations;
  std::string meanLine;
};

std::variant<StudySource, std::string> sourceOf(const ConvergenceSettings& settings, double Pi) {
  const std::string& source = settings.source;
  if (!settings.airfoil && nacaAirfoil(source, 2)) {
    auto naca = std::make_unique<NacaSource>(source);
    std::string meanLine = bytesToUtf8(naca->name()) +
                           "'s mean line, generated afresh at each N; reference for Alfa0 and "
                           "CmAC: thin airfoil theory in closed form where it has one";
    return StudySource{std::move(naca), std::move(meanLine)};
  }
  std::optional<AirfoilData> read = settings.airfoil;
  if (!read) {
    std::error_code error;
    if (!std::filesystem::exists(source, error)) {
      return "\"" + quotedForMessage(source, 200) +
             "\" is neither a NACA designation the generator covers nor an airfoil file.";
    }
    auto fromFile = airfoilOfFile(source, Pi);
    if (auto* message = std::get_if<std::string>(&fromFile)) return std::move(*message);
    read = std::move(std::get<AirfoilData>(fromFile));
  }
  auto meanLine = meanLineOf(*read);
  if (auto* message = std::get_if<std::string>(&meanLine)) return std::move(*message);
  std::string said = "the main window's mean line: the point-by-point mean of the " +
                     stationWord(read->NPoint) + " of " + bytesToUtf8(read->AirfoilName) +
                     ", straight between them; reference: the finest run";
  return StudySource{std::move(std::get<std::unique_ptr<StationSource>>(meanLine)),
                     std::move(said)};
}

// One N: numerical integration and the lumped vortex method, each on the airfoil as read, in a
// state and controls of their own that write no report.
std::variant<ConvergenceRow, std::string> runAt(const StationSource& source, int N, double alfa,
                                                double Pi) {
  auto airfoil = airfoilOfStations(source.name(), source.stationsFor(N), Pi);
  if (!airfoil) {
    return "At " + std::to_string(N) + " panels a camber x falls outside the chord.";
  }
  Ortak ortak;
  ortak.Pi = Pi;
  ortak.NPoint = airfoil->NPoint;
  ortak.xU = std::move(airfoil->xU), ortak.yU = std::move(airfoil->yU);
  ortak.xL = std::move(airfoil->xL), ortak.yL = std::move(airfoil->yL);
  ortak.xC = std::move(airfoil->xC), ortak.yC = std::move(airfoil->yC);
  ortak.Theta = std::move(airfoil->Theta);
  HeadlessControls controls;
  controls.setText(TextBox::Text_Alfa, NumberToText(alfa));
  Session session{ortak, controls, {}};
  session.writesReports = false;
  if (NumericalFourier(session)) CalcAeroLoads(session);
  LumpedVortex(session);
  if (!controls.messages().empty()) {
    return "At " + std::to_string(N) + " panels: " + controls.messages().front();
  }
  const VortexResult vortex = session.lastVortexResult.value_or(VortexResult{});
  return ConvergenceRow{N, {ortak.Alfa0, ortak.CmAC, vortex.cl, vortex.cm4}};
}

std::vector<int> panelCounts(int from, int to) {
  std::vector<int> counts;
  for (long N = from; N <= to; N *= 2) counts.push_back(static_cast<int>(N));
  return counts;
}

// The lumped vortex method's work grows with the cube of the panels; it sets the pace.
double workOf(int N) {
  return static_cast<double>(N) * N * N;
}

// The closed form where thin airfoil theory has one: the zero-lift angle and CmAC of a NACA
// 4-digit mean line. The lumped vortex method keeps the camber line's true shape where the theory
// linearises it, so it converges to values of its own, and the finest run stands in for them.
void setReferences(ConvergenceStudy& study, const StationSource& source) {
  study.reference = study.rows.back().values;
  study.closedForm = {};
  if (const auto exact = source.closedForm()) {
    study.reference[0] = exact->Alfa0;
    study.reference[1] = exact->CmAC;
    study.closedForm[0] = study.closedForm[1] = true;
  }
}

}  // namespace

std::optional<double> ConvergenceStudy::observedOrder(std::size_t row, int quantity) const {
  if (row + 1 >= rows.size()) return std::nullopt;
  const double coarse = std::abs(difference(row, quantity));
  const double fine = std::abs(difference(row + 1, quantity));
  if (coarse == 0.0 || fine == 0.0) return std::nullopt;
  if (!closedForm[quantity]) {
    const std::size_t last = rows.size() - 1;
    const double lastStep = std::abs(rows[last].values[quantity] - rows[last - 1].values[quantity]);
    if (!(fine >= kReferenceMargin * lastStep)) return std::nullopt;
  }
  return std::log2(coarse / fine);
}

std::optional<std::string> refusedStudyRange(int from, int to) {
  if (from < 1 || from > kMostPanels) {
    return "The study starts at 1 to " + std::to_string(kMostPanels) + " panels, not " +
           std::to_string(from) + ".";
  }
  // Ending before it starts, the study is told where it may end: at its start or later.
  const std::string ends = from == kMostPanels ? "at " + std::to_string(kMostPanels) + " panels"
                                               : "at " + std::to_string(from) + " to " +
                                                     std::to_string(kMostPanels) + " panels";
  if (to < from) {
    return "The study ends at " + std::to_string(to) + " panels, before it starts at " +
           std::to_string(from) + "; it must end " + ends + ".";
  }
  if (to > kMostPanels) return "The study ends " + ends + ", not " + std::to_string(to) + ".";
  return std::nullopt;
}

std::variant<ConvergenceStudy, StudyRefusal, StudyCancelled> runConvergenceStudy(
    const ConvergenceSettings& settings, const StudyProgress& progress) {
  if (auto refused = refusedStudyRange(settings.from, settings.to)) return StudyRefusal{*refused};
  const double Pi = 4 * cr::atan(1.0);
  auto source = sourceOf(settings, Pi);
  if (auto* message = std::get_if<std::string>(&source)) return StudyRefusal{*message};
  const StationSource& stations = *std::get<StudySource>(source).stations;

  ConvergenceStudy study;
  study.airfoilName = stations.name();
  study.meanLine = std::get<StudySource>(source).meanLine;
  study.alfa = settings.alfa;
  const std::vector<int> counts = panelCounts(settings.from, settings.to);
  double totalWork = 0.0, doneWork = 0.0;
  for (int N : counts) totalWork += workOf(N);
  for (int N : counts) {
    auto row = runAt(stations, N, settings.alfa, Pi);
    if (auto* message = std::get_if<std::string>(&row)) return StudyRefusal{*message};
    study.rows.push_back(std::get<ConvergenceRow>(row));
    doneWork += workOf(N);
    if (progress && !progress(doneWork / totalWork)) return StudyCancelled{};
  }
  setReferences(study, stations);
  return study;
}

}  // namespace vantrel
