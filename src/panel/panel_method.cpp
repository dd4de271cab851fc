#include "panel/panel_method.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <string>

#include "coefficients/worker_threads.h"
#include "numerics/elementary_functions.h"
#include "panel/pivoted_lu.h"

namespace vantrel {
namespace {

using Complex = std::complex<double>;

// The C library's logarithms, angles and lengths differ in the last bit between the desktop and
// the page's builds; these are the same everywhere, so both show the same digits.
double magnitude(Complex z) {
  return cr::hypot(z.real(), z.imag());
}

// A straight panel and the velocities its singularities induce, written as u − i·v (the complex
// velocity), per unit strength.
struct Panel {
  Complex start;
  Complex direction;  // unit, from start to end
  double length;

  // ln(z / (z − l)) in the panel's own axes, the integral every induced velocity is made of.
  Complex logarithm(Complex local) const {
    const Complex w = local * std::conj(local - length);
    const double ratio = std::norm(local) / std::norm(local - length);
    return {0.5 * cr::log(ratio), cr::atan2(w.imag(), w.real())};
  }
  Complex local(Complex z) const { return (z - start) * std::conj(direction); }

  // ln(z / (z − l)) at `at` (a point in the panel's own axes). On the panel itself (`own`), its
  // value just outside: the outline runs clockwise, so the outside is to the left, where
  // arg z − arg(z − l) is −π.
  Complex logarithmAt(Complex at, bool own) const {
    return own ? Complex(logarithm(at).real(), -std::numbers::pi) : logarithm(at);
  }

  // A vortex sheet whose clockwise strength runs linearly from `atStart` to `atEnd`: the complex
  // velocities per unit of each, at `at` where the logarithm is L.
  std::pair<Complex, Complex> linearVortex(Complex at, Complex L) const {
    const Complex weightedByEnd = at * L / length - 1.0;
    const Complex factor = Complex(0, 1 / (2 * std::numbers::pi)) * std::conj(direction);
    return {factor * (L - weightedByEnd), factor * weightedByEnd};
  }
  Complex uniformVortex(Complex z) const {
    return Complex(0, 1 / (2 * std::numbers::pi)) * logarithm(local(z)) * std::conj(direction);
  }
  Complex uniformSource(Complex L) const {
    return L * std::conj(direction) / (2 * std::numbers::pi);
  }
  Complex uniformSource(Complex z, bool own) const {
    return uniformSource(logarithmAt(local(z), own));
  }
};

Panel panelBetween(Complex from, Complex to) {
  const double length = magnitude(to - from);
  return {from, (to - from) / length, length};
}

// The velocity component along a unit vector, from a complex velocity u − i·v.
double along(Complex velocity, Complex unit) {
  return (velocity * unit).real();
}

// A trailing edge whose gap is below this fraction of the chord is closed for the equations: a
// base so short barely touches the flow and cannot hold the speed leaving the edge (XFOIL draws
// the line at the same place).
constexpr double kClosedGap = 1e-4;

// Below this many panels the equations fill in a few milliseconds, where starting a thread would
// cost about what it saves.
constexpr int kFewestPanelsToShare = 200;

// The row that holds the trailing-edge strengths of a closed edge: Kutta alone asks only that they
// be equal and opposite, and a pair of equal and opposite strengths on two panels meeting at the
// edge hardly moves the flow at any control point, so their common size would be fixed by little
// more than rounding and the length difference of the two last panels would carry it into the
// lift. Instead each is the linear extrapolation of the two strengths before it along its own
// surface, and the row asks the two extrapolations to agree with Kutta's pair. It holds as well
// for a cusp, where the speed at the edge is finite and the same on both sides.
void setEdgeExtrapolationRow(std::vector<double>& row, const std::vector<Panel>& panels) {
  const int N = static_cast<int>(panels.size());
  const double lowerRatio = panels[0].length / panels[1].length;
  const double upperRatio = panels[N - 1].length / panels[N - 2].length;
  row[0] = 1;
  row[1] = -(1 + lowerRatio);
  row[2] = lowerRatio;
  row[N] = -1;
  row[N - 1] = 1 + upperRatio;
  row[N - 2] = -upperRatio;
}

}  // namespace

std::variant<PanelSolution, ContourFault> solvePanels(PanelContour contour) {
  const int N = contour.panels();
  if (N < 4) return ContourFault{"The panel method needs at least four panels."};
  std::vector<Complex> node(static_cast<std::size_t>(N) + 1);
  for (int i = 0; i <= N; ++i) node[i] = {contour.x[i], contour.y[i]};
  std::vector<Panel> panels;
  std::vector<Complex> middle, normal;
  for (int p = 0; p < N; ++p) {
    if (node[p] == node[p + 1]) return ContourFault{"The panel method met a panel of no length."};
    panels.push_back(panelBetween(node[p], node[p + 1]));
    middle.push_back((node[p] + node[p + 1]) / 2.0);
    // The outline runs clockwise, so the outward normal is the tangent turned to the left.
    normal.push_back(panels.back().direction * Complex(0, 1));
  }

  const Complex leadingEdge = node[contour.lowerPanels];
  const Complex trailingEdge = (node[0] + node[N]) / 2.0;
  const double chord = magnitude(trailingEdge - leadingEdge);
  const Complex reference = leadingEdge + 0.25 * (trailingEdge - leadingEdge);

  // The base of a blunt trailing edge: its source and vortex strengths follow the mean speed
  // q = (γ_N − γ_0)/2 leaving the edge, as |ŝ × t̂|·q and (ŝ · t̂)·q, with ŝ the edge's bisector
  // and t̂ the base's direction (from the upper edge to the lower).
  const double gap = magnitude(node[0] - node[N]);
  const bool blunt = gap > kClosedGap * chord;
  Panel base{};
  double sourceShare = 0, vortexShare = 0;
  if (blunt) {
    base = panelBetween(node[N], node[0]);
    Complex bisector = -panels.front().direction + panels.back().direction;
    bisector /= magnitude(bisector);
    sourceShare = std::abs((std::conj(bisector) * base.direction).imag());
    vortexShare = (std::conj(bisector) * base.direction).real();
  }

  // A closed edge adds the extrapolation row, and with it one unknown: a uniform source on every
  // panel. On a closed outline the flux of the vortex sheets and of the free stream is zero, so
  // the N tangency rows are one short of independent; the source takes up what discretisation
  // leaves of their sum and vanishes as the panels are refined.
  const int order = blunt ? N + 1 : N + 2;
  const int leak = N + 1;  // the source's column, for a closed edge
  std::vector<double> matrix(static_cast<std::size_t>(order) * static_cast<std::size_t>(order),
                             0.0);
  auto entry = [&](int row, int column) -> double& {
    return matrix[static_cast<std::size_t>(row) * static_cast<std::size_t>(order) +
                  static_cast<std::size_t>(column)];
  };
  // Row i holds the flow across panel i at its midpoint: rows are independent, so they are dealt
  // to the threads in turn, each computed as on one thread. The logarithm of a pair (i, p) serves
  // both the vortex sheet and the source of panel p.
  const auto fillRow = [&](int i) {
    for (int p = 0; p < N; ++p) {
      const Complex at = panels[p].local(middle[i]);
      const Complex L = panels[p].logarithmAt(at, p == i);
      const auto [fromStart, fromEnd] = panels[p].linearVortex(at, L);
      entry(i, p) += along(fromStart, normal[i]);
      entry(i, p + 1) += along(fromEnd, normal[i]);
      if (!blunt) entry(i, leak) += along(panels[p].uniformSource(L), normal[i]);
    }
    if (blunt) {
      const Complex source = base.uniformSource(middle[i], false);
      const Complex vortex = base.uniformVortex(middle[i]);
      const double perSpeed =
          sourceShare * along(source, normal[i]) + vortexShare * along(vortex, normal[i]);
      entry(i, N) += perSpeed / 2;
      entry(i, 0) -= perSpeed / 2;
    }
  };
  WorkerThreads threads(N >= kFewestPanelsToShare ? computationThreads() : 1);
  threads.run([&](int part) {
    for (int i = part; i < N; i += threads.count()) fillRow(i);
  });
  entry(N, 0) = 1;  // Kutta: γ_0 + γ_N = 0
  entry(N, N) = 1;
  if (!blunt) {
    std::vector<double> row(static_cast<std::size_t>(order), 0.0);
    setEdgeExtrapolationRow(row, panels);
    for (int j = 0; j < order; ++j) entry(leak, j) = row[static_cast<std::size_t>(j)];
  }

  const PivotedLu factors(std::move(matrix), order);
  if (factors.singular()) {
    return ContourFault{"The panel method's equations have no single solution for this outline."};
  }
  std::vector<double> along0(static_cast<std::size_t>(order), 0.0), across(along0);
  for (int i = 0; i < N; ++i) {
    along0[i] = -normal[i].real();  // free stream (1, 0)
    across[i] = -normal[i].imag();  // free stream (0, 1)
  }
  factors.solve(along0);
  factors.solve(across);

  PanelSolution solution;
  auto circulation = [&](const std::vector<double>& strength) {
    double sum = 0;
    for (int p = 0; p < N; ++p) sum += (strength[p] + strength[p + 1]) / 2 * panels[p].length;
    if (blunt) sum += vortexShare * (strength[N] - strength[0]) / 2 * gap;
    return sum / chord;
  };
  solution.circulationAlong_ = circulation(along0);
  solution.circulationAcross_ = circulation(across);
  // The speed just outside the surface is the sheet's strength, the flow inside a closed sheet
  // being at rest: at a midpoint, the mean of its panel's two node strengths. (The velocity the
  // singularities induce there, the interior's error added, is a first-order estimate only.)
  auto surfaceSpeeds = [&](const std::vector<double>& strength) {
    std::vector<double> speed(static_cast<std::size_t>(N));
    for (int p = 0; p < N; ++p) speed[p] = (strength[p] + strength[p + 1]) / 2;
    return speed;
  };
  solution.speedAlong_ = surfaceSpeeds(along0);
  solution.speedAcross_ = surfaceSpeeds(across);
  // Pressure on each panel, 1 − V², with V = cos α·a + sin α·b: the moment's four sums.
  for (int p = 0; p < N; ++p) {
    const Complex arm = middle[p] - reference;
    const double lever = panels[p].length *
                         (arm.real() * normal[p].imag() - arm.imag() * normal[p].real()) /
                         (chord * chord);
    const double a = solution.speedAlong_[p];
    const double b = solution.speedAcross_[p];
    solution.momentConstant_ += lever;
    solution.momentAlongAlong_ -= lever * a * a;
    solution.momentAlongAcross_ -= 2 * lever * a * b;
    solution.momentAcrossAcross_ -= lever * b * b;
  }
  along0.resize(static_cast<std::size_t>(N) + 1);  // the node strengths, without the source
  across.resize(static_cast<std::size_t>(N) + 1);
  solution.strengthAlong_ = std::move(along0);
  solution.strengthAcross_ = std::move(across);
  solution.chord_ = chord;
  solution.contour_ = std::move(contour);
  return solution;
}

std::variant<PanelSolution, ContourFault> solvePanelMethod(const SurfacePoints& surfaces,
                                                           int panels) {
  if (panels < kFewestPanels || panels > kMostPanels) {
    return ContourFault{"The number of panels must be a whole number from " +
                        std::to_string(kFewestPanels) + " to " + std::to_string(kMostPanels) + "."};
  }
  auto contour = repanel(surfaces, panels);
  if (auto* fault = std::get_if<ContourFault>(&contour)) return *fault;
  return solvePanels(std::get<PanelContour>(std::move(contour)));
}

double PanelSolution::CL(double alfa) const {
  return 2 * (circulationAlong_ * cr::cos(alfa) + circulationAcross_ * cr::sin(alfa));
}

double PanelSolution::CmQuarter(double alfa) const {
  const double c = cr::cos(alfa), s = cr::sin(alfa);
  return momentConstant_ + momentAlongAlong_ * c * c + momentAlongAcross_ * c * s +
         momentAcrossAcross_ * s * s;
}

double PanelSolution::Alfa0() const {
  return cr::atan2(-circulationAlong_, circulationAcross_);
}

double PanelSolution::CLalpha() const {
  return 2 * cr::hypot(circulationAlong_, circulationAcross_);
}

std::vector<double> PanelSolution::nodeStrengths(double alfa) const {
  const double c = cr::cos(alfa), s = cr::sin(alfa);
  std::vector<double> strength(strengthAlong_.size());
  for (std::size_t i = 0; i < strength.size(); ++i) {
    strength[i] = c * strengthAlong_[i] + s * strengthAcross_[i];
  }
  return strength;
}

std::vector<SurfacePressure> PanelSolution::pressures(double alfa, int* upperCount) const {
  const double c = cr::cos(alfa), s = cr::sin(alfa);
  const int N = panels();
  const double leadingX = contour_.x[static_cast<std::size_t>(contour_.lowerPanels)];
  const double leadingY = contour_.y[static_cast<std::size_t>(contour_.lowerPanels)];
  auto at = [&](int p) {
    const auto i = static_cast<std::size_t>(p);
    const double speed = c * speedAlong_[i] + s * speedAcross_[i];
    return SurfacePressure{((contour_.x[i] + contour_.x[i + 1]) / 2 - leadingX) / chord_,
                           ((contour_.y[i] + contour_.y[i + 1]) / 2 - leadingY) / chord_,
                           1 - speed * speed};
  };
  std::vector<SurfacePressure> result;
  result.reserve(static_cast<std::size_t>(N));
  for (int p = contour_.lowerPanels; p < N; ++p) result.push_back(at(p));
  if (upperCount) *upperCount = static_cast<int>(result.size());
  for (int p = contour_.lowerPanels - 1; p >= 0; --p) result.push_back(at(p));
  return result;
}

}  // namespace vantrel
