#include "input/naca.h"

#include <cctype>
#include <cmath>
#include <numbers>

#include "input/nca_writer.h"
#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

// Ordinate and slope of a mean line at one x.
struct MeanLinePoint {
  double y = 0.0;
  double slope = 0.0;
};

// What the digits of a designation describe.
struct NacaShape {
  enum class Kind { FourDigit, FiveDigit } kind = Kind::FourDigit;
  double maxCamber = 0.0;          // 4-digit: m, fraction of the chord
  double maxCamberPosition = 0.0;  // 4-digit: p, fraction of the chord
  double r = 0.0;                  // 5-digit: where the cubic part of the mean line ends
  double k1 = 0.0;                 // 5-digit: scale of the cubic, for the designed lift
  double thickness = 0.0;          // t, fraction of the chord
};

int digitAt(std::string_view digits, std::size_t i) {
  return digits[i] - '0';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

// "2412", "NACA 2412" and "naca-2412" all give "2412".
std::string_view designationDigits(std::string_view designation) {
  std::string_view text = trimmed(designation);
  if (text.size() >= 4) {
    const bool saysNaca = std::toupper(static_cast<unsigned char>(text[0])) == 'N' &&
                          std::toupper(static_cast<unsigned char>(text[1])) == 'A' &&
                          std::toupper(static_cast<unsigned char>(text[2])) == 'C' &&
                          std::toupper(static_cast<unsigned char>(text[3])) == 'A';
    if (saysNaca) {
      text.remove_prefix(4);
      if (!text.empty() && (text.front() == ' ' || text.front() == '-')) text.remove_prefix(1);
    }
  }
  return text;
}

bool allDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

std::optional<NacaShape> fourDigitShape(std::string_view digits) {
  NacaShape shape;
  shape.kind = NacaShape::Kind::FourDigit;
  shape.maxCamber = digitAt(digits, 0) / 100.0;
  shape.maxCamberPosition = digitAt(digits, 1) / 10.0;
  shape.thickness = (digitAt(digits, 2) * 10 + digitAt(digits, 3)) / 100.0;
  // Camber with its maximum at the leading edge has no mean line in these formulas.
  if (shape.maxCamber > 0.0 && shape.maxCamberPosition == 0.0) return std::nullopt;
  return shape;
}

// The standard (not reflexed) 5-digit mean lines, tabulated for a design lift coefficient of 0.3
// by the position digit; other design lifts scale k1 in proportion.
std::optional<NacaShape> fiveDigitShape(std::string_view digits) {
  struct MeanLine {
    double r, k1;
  };
  static constexpr MeanLine kMeanLines[] = {
      {0.0580, 361.400}, {0.1260, 51.640}, {0.2025, 15.957}, {0.2900, 6.643}, {0.3910, 3.230}};
  const int liftDigit = digitAt(digits, 0);
  const int positionDigit = digitAt(digits, 1);
  const int reflexDigit = digitAt(digits, 2);
  if (liftDigit < 1 || positionDigit < 1 || positionDigit > 5 || reflexDigit != 0) {
    return std::nullopt;
  }
  const MeanLine& line = kMeanLines[positionDigit - 1];
  NacaShape shape;
  shape.kind = NacaShape::Kind::FiveDigit;
  shape.r = line.r;
  shape.k1 = line.k1 * (liftDigit / 2.0);
  shape.thickness = (digitAt(digits, 3) * 10 + digitAt(digits, 4)) / 100.0;
  return shape;
}

std::optional<NacaShape> shapeOf(std::string_view digits) {
  if (!allDigits(digits)) return std::nullopt;
  if (digits.size() == 4) return fourDigitShape(digits);
  if (digits.size() == 5) return fiveDigitShape(digits);
  return std::nullopt;
}

MeanLinePoint fourDigitMeanLine(const NacaShape& shape, double x) {
  const double m = shape.maxCamber;
  const double p = shape.maxCamberPosition;
  if (m == 0.0) return {};
  if (x < p) {
    return {m / (p * p) * (2.0 * p * x - x * x), 2.0 * m / (p * p) * (p - x)};
  }
  const double q = (1.0 - p) * (1.0 - p);
  return {m / q * ((1.0 - 2.0 * p) + 2.0 * p * x - x * x), 2.0 * m / q * (p - x)};
}

MeanLinePoint fiveDigitMeanLine(const NacaShape& shape, double x) {
  const double r = shape.r;
  const double k1 = shape.k1;
  if (x < r) {
    return {k1 / 6.0 * (x * x * x - 3.0 * r * x * x + r * r * (3.0 - r) * x),
            k1 / 6.0 * (3.0 * x * x - 6.0 * r * x + r * r * (3.0 - r))};
  }
  return {k1 * r * r * r / 6.0 * (1.0 - x), -k1 * r * r * r / 6.0};
}

MeanLinePoint meanLine(const NacaShape& shape, double x) {
  return shape.kind == NacaShape::Kind::FourDigit ? fourDigitMeanLine(shape, x)
                                                  : fiveDigitMeanLine(shape, x);
}

// Half thickness; the last coefficient -0.1036 (instead of -0.1015) closes the trailing edge.
double halfThickness(double t, double x) {
  return 5.0 * t *
         (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
          0.1036 * x * x * x * x);
}

// Cosine spacing crowds the stations at both edges, where the contour bends most.
double cosineStation(int i, int stations) {
  return (1.0 - cr::cos(std::numbers::pi * i / (stations - 1))) / 2.0;
}

}  // namespace

std::optional<NacaSurfaces> nacaAirfoil(std::string_view designation, int stations) {
  const std::string_view digits = designationDigits(designation);
  const std::optional<NacaShape> shape = shapeOf(digits);
  if (!shape || stations < 2 || stations > kMostNacaStations) return std::nullopt;

  NacaSurfaces airfoil;
  airfoil.name = "NACA " + std::string(digits);
  for (int i = 0; i < stations; ++i) {
    const double x = cosineStation(i, stations);
    const MeanLinePoint camber = meanLine(*shape, x);
    const double yt = halfThickness(shape->thickness, x);
    // The thickness stands perpendicular to the mean line.
    const double angle = cr::atan(camber.slope);
    airfoil.xU.push_back(x - yt * cr::sin(angle));
    airfoil.yU.push_back(camber.y + yt * cr::cos(angle));
    airfoil.xL.push_back(x + yt * cr::sin(angle));
    airfoil.yL.push_back(camber.y - yt * cr::cos(angle));
  }
  return airfoil;
}

std::optional<NacaFourDigitCamber> nacaFourDigitCamber(std::string_view designation) {
  const std::optional<NacaShape> shape = shapeOf(designationDigits(designation));
  if (!shape || shape->kind != NacaShape::Kind::FourDigit) return std::nullopt;
  return NacaFourDigitCamber{shape->maxCamber, shape->maxCamberPosition};
}

std::string nacaDataFile(const NacaSurfaces& airfoil) {
  const std::string description =
      airfoil.name + " - " + std::to_string(airfoil.xU.size()) + " stations, cosine spacing";
  return stationDataFile(airfoil.name, description,
                         StationTable{airfoil.xU, airfoil.yU, airfoil.xL, airfoil.yL});
}

}  // namespace vantrel
