#include "vortex/lump_vm.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "coefficients/gauss_e.h"
#include "coefficients/worker_threads.h"
#include "language/program_texts.h"
#include "numerics/elementary_functions.h"
#include "state/messages.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "vortex/vortex_panels.h"
#include "vortex/vortex_report.h"

namespace vantrel {
namespace {

std::string tooFewStationsMessage(int stations) {
  return "The lumped vortex method needs at least two camber-line stations; this airfoil has " +
         std::to_string(stations) + ".";
}

// The influence matrix grows with the square of the panels and the elimination with the cube:
// 10000 panels take 800 MB and about a quarter of a minute, beyond that the method would exhaust
// the memory or stall the window.
constexpr int kMostPanels = 10000;

std::string tooManyPanelsMessage(int panels) {
  return "The lumped vortex method is limited to " + std::to_string(kMostPanels) +
         " panels; this airfoil has " + std::to_string(panels) + ".";
}

std::string zeroLengthPanelMessage(int I) {
  return "Camber stations " + std::to_string(I) + " and " + std::to_string(I + 1) +
         " lie on the same point, so the panel between them has no length. The lumped vortex "
         "method needs distinct neighbouring stations.";
}

std::string panelTooLongMessage(int I) {
  return "The lumped vortex method cannot use this camber line: its y values are so large that "
         "the panel between camber stations " +
         std::to_string(I) + " and " + std::to_string(I + 1) + " has no finite length.";
}

std::string noFiniteInfluenceMessage(int I, int J) {
  return "The lumped vortex method cannot use this camber line: the vortex of panel " +
         std::to_string(J) + " has no finite influence at the control point of panel " +
         std::to_string(I) + " (its y values are too large, or the two points coincide).";
}

// Why the method cannot run on this camber line, or nothing when it can.
std::optional<std::string> refusal(const Ortak& ortak, const VortexPanels& panels, int stations) {
  if (ortak.xC.empty()) return std::string(kOpenAirfoilMessage);
  if (stations < 2) return tooFewStationsMessage(stations);
  if (stations - 1 > kMostPanels) return tooManyPanelsMessage(stations - 1);
  if (auto I = firstZeroLengthPanel(panels)) return zeroLengthPanelMessage(*I);
  // Ordinates scaled by 1e300 square to infinity: the panel would have no direction and the
  // report would print "Infinity".
  if (auto I = firstPanelWithoutFiniteLength(panels)) return panelTooLongMessage(*I);
  return std::nullopt;
}

struct FreeStream {
  double ca = 1.0;
  double sa = 0.0;
};

FreeStream freeStreamOf(const Session& session) {
  const double alfa = TextToNumber(session.form.text(TextBox::Text_Alfa));
  const double alfaR = (session.ortak.Pi * alfa) / 180;
  return {cr::cos(alfaR), cr::sin(alfaR)};
}

// Flow through the panel at control point I induced by a unit vortex J, and in column M + 1 the
// free stream's share with its sign changed; R(I) keeps that right-hand side. The panel's normal
// is (SinP, CosP) (SinP is the negative of the slope's sine), and a lifting vortex induces
// (dy, -dx) / (2 pi r^2) at the control point, so the flow across the panel from vortex J is
// -(CosP dx - SinP dy) / (2 pi r^2). A "+" before SinP would flip the term that couples the
// vortex's height offset with the panel's slope: the same on a flat plate, but converging to a
// wrong lift on every cambered line.
// Returns the first J whose influence is not a finite number, or nothing.
std::optional<int> fillInfluenceRow(const VortexPanels& panels, double Pi, FreeStream stream, int I,
                                    double* row, double& R) {
  const int M = panels.M;
  row[0] = 0.0;
  // Kept free of branches so that the compiler can vectorise it; the check follows.
  for (int J = 1; J <= M; ++J) {
    const double dx = panels.xCP[I] - panels.xV[J];
    const double dy = panels.yCP[I] - panels.yV[J];
    const double r2 = dx * dx + dy * dy;
    row[J] = (panels.CosP[I] * dx - panels.SinP[I] * dy) / 2 / r2 / Pi;
  }
  R = panels.CosP[I] * stream.sa + panels.SinP[I] * stream.ca;
  row[M + 1] = R;
  const double* end = row + M + 1;
  const double* unusable = std::find_if(static_cast<const double*>(row + 1), end,
                                        [](double k) { return !std::isfinite(k); });
  if (unusable == end) return std::nullopt;
  return static_cast<int>(unusable - row);
}

// Below this many panels the matrix fills in well under a millisecond, less than starting a
// thread costs.
constexpr int kFewestPanelsToShare = 256;

// Returns nothing when the progress asked to stop. `unusable` gets the first (I, J) whose
// influence is not a finite number. Rows are dealt to the threads in turn; only the caller
// reports progress, and a stop it is asked for ends the others' rows too.
std::optional<Matrix> influenceSystem(const VortexPanels& panels, double Pi, FreeStream stream,
                                      std::vector<double>& R, Progress* progress,
                                      std::optional<std::pair<int, int>>& unusable) {
  const int M = panels.M;
  // Rows and columns count from 1; every element from there on is written below, so only row 0
  // and column 0 are cleared.
  Matrix K = Matrix::forOverwrite(M + 1, M + 2);
  std::fill(K.rowData(0), K.rowData(0) + M + 2, 0.0);
  R.assign(static_cast<std::size_t>(M) + 1, 0.0);
  WorkerThreads threads(M >= kFewestPanelsToShare ? computationThreads() : 1);
  const int parts = threads.count();
  std::vector<std::optional<std::pair<int, int>>> firstUnusable(static_cast<std::size_t>(parts));
  std::atomic<bool> stopped = false;
  // A hundred reports over the matrix keep a window responsive without slowing the rows down.
  const int ownRowsPerReport = std::max(1, M / 100 / parts);
  threads.run([&](int part) {
    auto& own = firstUnusable[static_cast<std::size_t>(part)];
    for (int I = 1 + part, rowsDone = 1; I <= M; I += parts, ++rowsDone) {
      if (part == 0 && rowsDone % ownRowsPerReport == 0 &&
          !proceed(progress, static_cast<double>(I) / M)) {
        stopped.store(true, std::memory_order_relaxed);
      }
      if (stopped.load(std::memory_order_relaxed)) return;
      const std::optional<int> J =
          fillInfluenceRow(panels, Pi, stream, I, K.rowData(I), R[static_cast<std::size_t>(I)]);
      if (J && !own) own = std::pair{I, *J};
    }
  });
  if (stopped.load(std::memory_order_relaxed)) return std::nullopt;
  for (const auto& found : firstUnusable) {
    if (found && (!unusable || found->first < unusable->first)) unusable = found;
  }
  return K;
}

std::string nonFiniteResultMessage(const Session& session) {
  return "The lumped vortex method gives no finite lift or moment for the angle of attack \"" +
         quotedForMessage(session.form.text(TextBox::Text_Alfa), 40) + "\" on this airfoil.";
}

// An angle too large for a number gives no direction for the free stream.
std::optional<std::string> nonFiniteAngle(const Session& session, FreeStream stream) {
  if (std::isfinite(stream.ca) && std::isfinite(stream.sa)) return std::nullopt;
  return nonFiniteResultMessage(session);
}

struct SectionCoefficients {
  double cl = 0.0;
  double cm4 = 0.0;
};

SectionCoefficients coefficientsOf(const VortexPanels& panels, const std::vector<double>& Gamma,
                                   FreeStream stream) {
  double S1 = 0.0;
  double S2 = 0.0;
  for (int I = 1; I <= panels.M; ++I) {
    S1 = S1 + Gamma[I];
    S2 = S2 - panels.xV[I] * Gamma[I];
  }
  SectionCoefficients result;
  result.cl = 2 * S1;
  result.cm4 = 0.25 * result.cl + stream.ca * (2 * S2);
  return result;
}

}  // namespace

// Building the matrix costs the square of the panels, eliminating it the cube.
constexpr double kShareOfBuilding = 0.02;

VortexRun LumpedVortex(Session& session) {
  Ortak& ortak = session.ortak;
  const int stations = camberStationCount(ortak);
  const int M = stations - 1;
  const VortexPanels panels = panelsOf(ortak, M < 0 ? 0 : M);
  if (auto reason = refusal(ortak, panels, stations)) {
    session.form.showMessage(*reason);
    return VortexRun::Refused;
  }
  const FreeStream stream = freeStreamOf(session);
  if (auto reason = nonFiniteAngle(session, stream)) {
    session.form.showMessage(*reason);
    return VortexRun::Refused;
  }
  // Every result, the report blocks included, is made before anything is written, and the three
  // blocks go to the report in one append once the solution stands: work stopped half way leaves
  // the state, the boxes and the report as they were.
  std::vector<double> R;
  ProgressSpan building(session.progress, 0.0, kShareOfBuilding);
  std::optional<std::pair<int, int>> unusable;
  std::optional<Matrix> K = influenceSystem(panels, ortak.Pi, stream, R, &building, unusable);
  if (!K) return VortexRun::Stopped;
  if (unusable) {
    session.form.showMessage(noFiniteInfluenceMessage(unusable->first, unusable->second));
    return VortexRun::Refused;
  }
  ReportText blocks = panelBlock(ortak, panels);
  // The matrix is shown as built, before the solver reduces it; beyond 38 panels it is left out.
  if (M <= 38) blocks.append(influenceBlock(*K, R, M, ortak.language));

  ProgressSpan eliminating(session.progress, kShareOfBuilding, 1.0);
  std::vector<double> Gamma = R;
  const GaussOutcome outcome = GaussEliminate(1, M, *K, Gamma, &eliminating);
  if (outcome == GaussOutcome::Stopped) return VortexRun::Stopped;
  if (outcome == GaussOutcome::ZeroPivot)
    session.form.showMessage(textsIn(ortak.language).zeroPivotMessage);
  blocks.append(strengthBlock(Gamma, M, ortak.language));

  const SectionCoefficients result = coefficientsOf(panels, Gamma, stream);
  if (!std::isfinite(result.cl) || !std::isfinite(result.cm4)) {
    session.form.showMessage(nonFiniteResultMessage(session));
    return VortexRun::Refused;
  }
  ortak.M = M;
  appendToCoordinateReport(session, blocks);
  session.lastVortexResult = VortexResult{result.cl, result.cm4};
  session.form.setText(TextBox::Text_CL, NumberToText(result.cl, 3));
  session.form.setText(TextBox::Text_CmAC, NumberToText(result.cm4, 3));
  return VortexRun::Done;
}

}  // namespace vantrel
