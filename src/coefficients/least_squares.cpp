#include "coefficients/least_squares.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <set>
#include <vector>

#include "coefficients/gauss_e.h"
#include "loads/results_log.h"
#include "numerics/elementary_functions.h"
#include "plot/graphics.h"
#include "surface/picture_box.h"
#include "text/number_text.h"

namespace vantrel {
namespace {

constexpr int kHighestDegree = 5;
constexpr int kSamples = 20;  // segments of the fitted curve, x = 0 to 1 in steps of 0.05

// x^n for a whole n >= 0; x^0 is 1, also for x = 0.
double power(double x, int n) {
  return n == 0 ? 1.0 : cr::pow(x, n);
}

// The last station that both camber arrays reach.
int lastCamberStation(const Ortak& ortak) {
  const long shortest = static_cast<long>(std::min(ortak.xC.size(), ortak.yC.size())) - 1;
  return static_cast<int>(std::max(0L, std::min(static_cast<long>(ortak.NPoint), shortest)));
}

std::size_t distinctCamberX(const Ortak& ortak) {
  const int last = lastCamberStation(ortak);
  std::set<double> values;
  for (int k = 1; k <= last; ++k) values.insert(ortak.xC[k]);
  return values.size();
}

bool isWholeDegree(double degree) {
  return std::isfinite(degree) && degree >= 0 && degree <= kHighestDegree &&
         degree == std::floor(degree);
}

// The equations solved for: all coefficients, or with zero camber forced at both ends only
// CPoly(1)..CPoly(M - 1), CPoly(0) being 0 and CPoly(M) following from the others.
struct FitRange {
  int First;
  int Last;
  bool withEnds;
};

void buildNormalEquations(const Ortak& ortak, int M, const FitRange& range, Matrix& CoefMatrix) {
  const int last = lastCamberStation(ortak);
  for (int i = 0; i <= M; ++i) {
    for (int j = 0; j <= M; ++j) {
      double sum = 0;
      for (int k = 1; k <= last; ++k) sum = sum + power(ortak.xC[k], i) * power(ortak.xC[k], j);
      CoefMatrix(i, j) = sum;
    }
  }
  if (range.withEnds) {
    for (int i = range.First; i <= range.Last; ++i) {
      for (int j = range.First; j <= range.Last; ++j) {
        CoefMatrix(i, j) = CoefMatrix(i, j) - CoefMatrix(i, M);
      }
    }
  }
  const int RhsCol = range.Last + 1;
  for (int i = range.First; i <= range.Last; ++i) {
    double sum = 0;
    for (int k = 1; k <= last; ++k) sum = sum + power(ortak.xC[k], i) * ortak.yC[k];
    CoefMatrix(i, RhsCol) = sum;
  }
}

ReportText blockHeading(const char* title) {
  ReportText block;
  block.line();
  block.line(title);
  block.line();
  return block;
}

ReportText coefficientsMatrixBlock(const Matrix& CoefMatrix, int M, const FitRange& range) {
  ReportText block = blockHeading(" Coefficients matrix");
  for (int i = range.First; i <= range.Last; ++i) {
    std::string row;
    for (int j = range.First; j <= M; ++j) row += " " + FormatPattern(CoefMatrix(i, j), "#.###0");
    block.line(row);
  }
  return block;
}

// With end conditions the polynomial vanishes at both ends: the last coefficient is the one that
// makes the sum of all of them zero.
void completeWithEndConditions(std::vector<double>& CPoly, int M, const FitRange& range) {
  if (!range.withEnds) return;
  double last = 0;
  for (int j = range.First; j <= range.Last; ++j) last = last - CPoly[j];
  CPoly[M] = last;
}

ReportText polynomCoefficientsBlock(const std::vector<double>& CPoly, int M,
                                    const FitRange& range) {
  ReportText block = blockHeading(" Polynom Coefficients");
  for (int i = range.First; i <= range.Last; ++i) {
    block.line(" c(" + FormatPattern(i, "#0") + ") = " + FormatPattern(CPoly[i], "#.####0"));
  }
  if (range.withEnds) {
    // "#" writes nothing for 0; degree 0 still names its coefficient.
    const std::string index = M == 0 ? "0" : FormatPattern(M, "#");
    block.line(" c(" + index + ") = " + FormatPattern(CPoly[M], "#.####0"));
  }
  return block;
}

ReportText fourierCoefficientsBlock(const Ortak& ortak, int M) {
  ReportText block = blockHeading(" Fourier coefficients with LSQ polynomials");
  block.line(" A0 + AlfaR = " + FormatPattern(ortak.A0Camber, "#.####0"));
  for (int n = 1; n <= M; ++n) {
    block.line(" A" + BareNumber(n) + " = " + FormatPattern(ortak.A[n], "#.####0"));
  }
  return block;
}

void drawFittedCurve(Session& session, const std::vector<double>& CPoly, int M) {
  std::vector<double> xPoly(kSamples + 1);
  std::vector<double> yPoly(kSamples + 1);
  for (int k = 0; k <= kSamples; ++k) {
    xPoly[k] = 0.05 * k;
    double sum = 0;
    for (int j = 0; j <= M; ++j) sum = sum + CPoly[j] * power(xPoly[k], j);
    yPoly[k] = sum;
  }
  DrawCamber(session);
  session.form.setLabelVisible(Label::Lbl_LSQ, true);
  session.form.setLabelVisible(Label::Lbl_Degree, true);
  session.form.setCaption(Label::Lbl_Degree, NumberToText(session.ortak.M));
  PictureBox& picture = session.form.picture(Picture::Picture_Camber);
  for (int k = 1; k <= kSamples; ++k) {
    picture.Line(xPoly[k - 1], yPoly[k - 1], xPoly[k], yPoly[k], kRed);
  }
}

// The thin-airfoil integrals of the polynomial's slope in closed form, each term formed as
// (coefficient times numerator) / denominator and added from left to right.
void closedFormCoefficients(Ortak& ortak, const std::vector<double>& CPoly) {
  const double c1 = CPoly[1], c2 = CPoly[2], c3 = CPoly[3], c4 = CPoly[4], c5 = CPoly[5];
  ortak.A.assign(6, 0.0);
  ortak.A0Camber = c1 + c2 + (c3 * 9) / 8 + (c4 * 5) / 4 + (c5 * 175) / 128;
  ortak.A[1] = -(c2 + (c3 * 3) / 2 + (c4 * 15) / 8 + (c5 * 35) / 16);
  ortak.A[2] = (c3 * 3) / 8 + (c4 * 3) / 4 + (c5 * 35) / 32;
  ortak.A[3] = (c4 * -1) / 8 + (c5 * -5) / 16;
  ortak.A[4] = (c5 * 5) / 128;
}

}  // namespace

std::string notAWholeDegreeMessage(const std::string& shown) {
  return "The degree of the polynomial must be a whole number from 0 to 5, not " + shown + ".";
}

std::optional<std::string> refusedDegree(const Ortak& ortak, double degree) {
  if (!isWholeDegree(degree)) return notAWholeDegreeMessage(NumberToText(degree));
  const std::size_t stations = distinctCamberX(ortak);
  if (degree >= static_cast<double>(stations)) {
    const int needed = static_cast<int>(degree) + 1;
    return "A polynomial of degree " + NumberToText(degree) + " needs at least " +
           std::to_string(needed) + (needed == 1 ? " station" : " stations") +
           " with different x; this airfoil has " + std::to_string(stations) + ".";
  }
  return std::nullopt;
}

void LSQPolynomial(Session& session) {
  Ortak& ortak = session.ortak;
  // The window refuses such degrees before it gets here; they would index outside the fit.
  if (!isWholeDegree(ortak.M)) return;
  const int M = static_cast<int>(ortak.M);

  Matrix CoefMatrix(7, 7);
  std::vector<double> CPoly(kHighestDegree + 1, 0.0);
  const bool withEnds = !session.form.isSelected(Option::Opt_WithOutEnd);
  const FitRange range = withEnds ? FitRange{1, M - 1, true} : FitRange{0, M, false};

  buildNormalEquations(ortak, M, range, CoefMatrix);
  appendToResultsLog(session, coefficientsMatrixBlock(CoefMatrix, M, range));
  // With end conditions, degrees 0 and 1 leave no coefficient free: the zero polynomial.
  if (range.Last >= range.First)
    GaussSolve(range.First, range.Last, CoefMatrix, CPoly, session.form, ortak.language);
  completeWithEndConditions(CPoly, M, range);
  appendToResultsLog(session, polynomCoefficientsBlock(CPoly, M, range));

  drawFittedCurve(session, CPoly, M);
  closedFormCoefficients(ortak, CPoly);
  appendToResultsLog(session, fourierCoefficientsBlock(ortak, M));
}

}  // namespace vantrel
