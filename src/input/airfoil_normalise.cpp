#include "input/airfoil_normalise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "input/convert_message.h"
#include "numerics/elementary_functions.h"

namespace vantrel {
namespace {

struct Vector2 {
  double x = 0;
  double y = 0;
};

Vector2 difference(const ContourPoint& a, const ContourPoint& b) {
  return {a.x - b.x, a.y - b.y};
}

double dot(Vector2 a, Vector2 b) {
  return a.x * b.x + a.y * b.y;
}

double cross(Vector2 a, Vector2 b) {
  return a.x * b.y - a.y * b.x;
}

std::size_t lowestX(const std::vector<ContourPoint>& loop) {
  const auto lowest = std::min_element(loop.begin(), loop.end(),
                                       [](const auto& a, const auto& b) { return a.x < b.x; });
  return static_cast<std::size_t>(lowest - loop.begin());
}

std::size_t farthestFrom(const std::vector<ContourPoint>& loop, const ContourPoint& trailing) {
  std::size_t farthest = 0;
  double largest = -1;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const Vector2 offset = difference(loop[i], trailing);
    if (dot(offset, offset) > largest) {
      largest = dot(offset, offset);
      farthest = i;
    }
  }
  return farthest;
}

// The point lying farthest ahead of `leading` along the chord it makes with the trailing edge, or
// `leading` itself when none lies ahead.
std::size_t farthestAhead(const std::vector<ContourPoint>& loop, std::size_t leading,
                          const ContourPoint& trailing) {
  const Vector2 chord = difference(trailing, loop[leading]);
  std::size_t ahead = leading;
  double lowest = 0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const double along = dot(difference(loop[i], loop[leading]), chord);
    if (along < lowest) {
      lowest = along;
      ahead = i;
    }
  }
  return ahead;
}

// Moves to the point farthest ahead until none lies ahead. Each move takes the leading edge
// farther from the trailing edge; a nose sampled by very many points can make the moves creep by
// rounding, so their number is bounded.
std::optional<std::size_t> settleLeadingEdge(const std::vector<ContourPoint>& loop,
                                             std::size_t leading, const ContourPoint& trailing) {
  constexpr int kMostMoves = 32;
  for (int move = 0; move < kMostMoves; ++move) {
    const std::size_t ahead = farthestAhead(loop, leading, trailing);
    if (ahead == leading) return leading;
    leading = ahead;
  }
  return std::nullopt;
}

// The leading edge is the point of minimum x once the chord runs along x. The chord depends on
// the leading edge, so start from the file's minimum x and move to any point lying ahead of the
// current chord. The point farthest from the trailing edge has no point ahead of it (every other
// point lies within the circle through it about the trailing edge), so it is the start when the
// file's minimum x lies near the trailing edge (a drawing pointing the other way) and the fallback
// when the moves do not settle.
std::size_t findLeadingEdge(const std::vector<ContourPoint>& loop, const ContourPoint& trailing) {
  const auto [left, right] = std::minmax_element(
      loop.begin(), loop.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  const std::size_t lowest = static_cast<std::size_t>(left - loop.begin());
  const Vector2 reach = difference(loop[lowest], trailing);
  const double extent = right->x - left->x;
  if (4 * dot(reach, reach) >= extent * extent) {
    if (const auto settled = settleLeadingEdge(loop, lowest, trailing)) return *settled;
  }
  const std::size_t farthest = farthestFrom(loop, trailing);
  return settleLeadingEdge(loop, farthest, trailing).value_or(farthest);
}

std::vector<ContourPoint> toChordFrame(const std::vector<ContourPoint>& loop,
                                       const ContourPoint& leading, Vector2 chord) {
  const double lengthSquared = dot(chord, chord);
  std::vector<ContourPoint> moved;
  moved.reserve(loop.size());
  for (const auto& point : loop) {
    const Vector2 offset = difference(point, leading);
    moved.push_back(
        {dot(offset, chord) / lengthSquared, cross(chord, offset) / lengthSquared, point.line});
  }
  return moved;
}

std::vector<ContourPoint> dividedBy(const std::vector<ContourPoint>& loop,
                                    const ContourPoint& leading, double chord) {
  std::vector<ContourPoint> moved;
  moved.reserve(loop.size());
  for (const auto& point : loop) {
    moved.push_back({(point.x - leading.x) / chord, (point.y - leading.y) / chord, point.line});
  }
  return moved;
}

// Coordinates of any size are brought near a unit chord by a power of two, which is exact, so a
// chord of 1e-300 or 1e200 is neither lost to underflow nor squared beyond a double.
int scaleExponent(const std::vector<ContourPoint>& loop) {
  const auto [left, right] = std::minmax_element(
      loop.begin(), loop.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  double extent = right->x - left->x;
  if (!(extent > 0) || !std::isfinite(extent)) {
    const auto [low, high] = std::minmax_element(
        loop.begin(), loop.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    extent = high->y - low->y;
  }
  return extent > 0 && std::isfinite(extent) ? std::ilogb(extent) : 0;
}

std::vector<ContourPoint> scaled(const std::vector<ContourPoint>& loop, int exponent) {
  std::vector<ContourPoint> result;
  result.reserve(loop.size());
  for (const auto& point : loop) {
    result.push_back({std::ldexp(point.x, -exponent), std::ldexp(point.y, -exponent), point.line});
  }
  return result;
}

std::string linesOf(const std::vector<ContourPoint>& points) {
  const auto [first, last] = std::minmax({points.front().line, points.back().line});
  return "lines " + std::to_string(first) + " to " + std::to_string(last);
}

std::optional<ConvertError> checkInsideChord(const std::vector<ContourPoint>& moved,
                                             std::string_view fileLabel) {
  for (const auto& point : moved) {
    // Coordinates far out of scale with the chord overflow when divided by its length.
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
      return lineError(fileLabel, point.line,
                       "the point lies too far from the chord to be normalised");
    }
    if (point.x < -kChordTolerance || point.x > 1 + kChordTolerance) {
      return lineError(fileLabel, point.line,
                       "the point lies outside the chord after normalising (x/c = " +
                           messageNumber(point.x) + ", allowed 0 to 1)");
    }
  }
  return std::nullopt;
}

// Twice the signed area: positive when the loop runs anticlockwise, that is when the part before
// the leading edge lies above the part after it.
double signedArea(const std::vector<ContourPoint>& loop) {
  double area = 0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const auto& a = loop[i];
    const auto& b = loop[(i + 1) % loop.size()];
    area += a.x * b.y - b.x * a.y;
  }
  return area;
}

bool samePoint(const ContourPoint& a, const ContourPoint& b) {
  return std::abs(a.x - b.x) <= 1e-12 && std::abs(a.y - b.y) <= 1e-12;
}

// A surface from the leading edge on: a repeated point is dropped, otherwise x must grow, since
// y is interpolated as a function of x.
std::variant<std::vector<ContourPoint>, ConvertError> surfaceFrom(
    const std::vector<ContourPoint>& path, std::string_view name, std::string_view fileLabel) {
  std::vector<ContourPoint> surface;
  for (const auto& point : path) {
    if (!surface.empty() && samePoint(surface.back(), point)) continue;
    if (!surface.empty() && point.x <= surface.back().x) {
      return lineError(fileLabel, point.line,
                       "x does not increase along the " + std::string(name) +
                           " surface from the leading edge (x/c = " + messageNumber(point.x) +
                           " after " + messageNumber(surface.back().x) + ")");
    }
    surface.push_back(point);
  }
  if (surface.size() < 3) {
    const std::string count =
        std::to_string(surface.size()) + (surface.size() == 1 ? " point" : " points");
    return fileError(fileLabel, "the " + std::string(name) + " surface (" + linesOf(path) +
                                    ") has only " + count +
                                    "; each surface needs at least 3, the leading edge included");
  }
  if (surface.back().x < 1 - kChordTolerance) {
    return lineError(fileLabel, surface.back().line,
                     "the " + std::string(name) + " surface ends at x/c = " +
                         messageNumber(surface.back().x) + ", short of the trailing edge");
  }
  return surface;
}

std::optional<ConvertError> checkTwoSurfaces(const std::vector<ContourPoint>& loop,
                                             std::size_t leading, std::string_view fileLabel) {
  if (loop.size() < 5 && (leading + 1 < 3 || loop.size() - leading < 3)) {
    return fileError(fileLabel, "only " + std::to_string(loop.size()) + " points (" +
                                    linesOf(loop) +
                                    "); each surface needs at least 3, the leading edge included");
  }
  if (leading == 0 || leading + 1 == loop.size()) {
    return fileError(fileLabel,
                     "only one surface (" + linesOf(loop) +
                         "): the points must run from the trailing edge round the leading edge "
                         "and back to the trailing edge");
  }
  return std::nullopt;
}

// A drawing whose nose points towards +x (mirrored, or turned half round) would come out upside
// down if merely turned back; which of the two was meant cannot be told from the points.
std::optional<ConvertError> checkNoseOnTheLeft(const std::vector<ContourPoint>& loop,
                                               std::size_t leading, Vector2 chord,
                                               std::string_view fileLabel) {
  if (chord.x >= 0) return std::nullopt;
  return lineError(fileLabel, loop[leading].line,
                   "the leading edge lies to the right of the trailing edge (x = " +
                       messageNumber(loop[leading].x) +
                       ", trailing edge at x = " + messageNumber(loop[leading].x + chord.x) +
                       "): the airfoil is drawn mirrored, nose to the right; the converter needs "
                       "the leading edge at the smallest x");
}

struct Placed {
  std::size_t leading = 0;
  std::vector<ContourPoint> moved;  // in chord coordinates
  ChordFrame frame;
};

double distance(const ContourPoint& point, double x, double y) {
  return cr::hypot(point.x - x, point.y - y);
}

// Unit chord or percent of the chord, as most published files are: taken as they stand.
std::optional<Placed> asGiven(const std::vector<ContourPoint>& loop, const ContourPoint& trailing) {
  const std::size_t leading = lowestX(loop);
  for (const double chord : {1.0, 100.0}) {
    const double tolerance = kGivenChordTolerance * chord;
    if (distance(loop[leading], 0, 0) <= tolerance && distance(trailing, chord, 0) <= tolerance) {
      return Placed{leading, dividedBy(loop, ContourPoint{}, chord), {0, 0, chord, 0, true}};
    }
  }
  return std::nullopt;
}

std::variant<Placed, ConvertError> turnedToChord(const std::vector<ContourPoint>& loop,
                                                 const ContourPoint& trailing,
                                                 std::string_view fileLabel) {
  const int exponent = scaleExponent(loop);
  const auto points = scaled(loop, exponent);
  const ContourPoint end{std::ldexp(trailing.x, -exponent), std::ldexp(trailing.y, -exponent),
                         trailing.line};
  const std::size_t leading = findLeadingEdge(points, end);
  if (auto error = checkTwoSurfaces(points, leading, fileLabel)) return *error;
  const Vector2 chord = difference(end, points[leading]);
  if (dot(chord, chord) == 0) {
    return fileError(fileLabel, "the leading edge and the trailing edge are the same point");
  }
  if (auto error =
          checkNoseOnTheLeft(loop, leading, difference(trailing, loop[leading]), fileLabel)) {
    return *error;
  }
  const double degrees = 45.0 / cr::atan(1.0);
  const ChordFrame frame{loop[leading].x, loop[leading].y,
                         std::ldexp(std::sqrt(dot(chord, chord)), exponent),
                         cr::atan2(chord.y, chord.x) * degrees, false};
  return Placed{leading, toChordFrame(points, points[leading], chord), frame};
}

}  // namespace

std::variant<ChordSurfaces, ConvertError> normaliseToChord(const std::vector<ContourPoint>& loop,
                                                           std::string_view fileLabel) {
  if (loop.empty()) return fileError(fileLabel, "no coordinates follow the name line");
  const ContourPoint trailing{(loop.front().x + loop.back().x) / 2,
                              (loop.front().y + loop.back().y) / 2, loop.front().line};
  auto placedOrError = [&]() -> std::variant<Placed, ConvertError> {
    if (auto given = asGiven(loop, trailing)) return std::move(*given);
    return turnedToChord(loop, trailing, fileLabel);
  }();
  if (auto* error = std::get_if<ConvertError>(&placedOrError)) return std::move(*error);
  const auto& [leading, moved, frame] = std::get<Placed>(placedOrError);
  if (auto error = checkTwoSurfaces(moved, leading, fileLabel)) return *error;
  if (auto error = checkInsideChord(moved, fileLabel)) return *error;

  const auto split = moved.begin() + static_cast<std::ptrdiff_t>(leading);
  std::vector<ContourPoint> first(moved.begin(), split + 1);
  std::reverse(first.begin(), first.end());
  std::vector<ContourPoint> second(split, moved.end());
  const bool firstIsUpper = signedArea(moved) >= 0;

  auto upper = surfaceFrom(firstIsUpper ? first : second, "upper", fileLabel);
  if (auto* error = std::get_if<ConvertError>(&upper)) return std::move(*error);
  auto lower = surfaceFrom(firstIsUpper ? second : first, "lower", fileLabel);
  if (auto* error = std::get_if<ConvertError>(&lower)) return std::move(*error);
  return ChordSurfaces{std::move(std::get<std::vector<ContourPoint>>(upper)),
                       std::move(std::get<std::vector<ContourPoint>>(lower)), frame};
}

}  // namespace vantrel
