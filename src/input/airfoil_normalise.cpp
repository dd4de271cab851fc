#include "input/airfoil_normalise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "input/convert_message.h"

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

// The leading edge is the point of minimum x once the chord runs along x. The chord depends on
// the leading edge, so start from the file's minimum x and move to any point lying ahead of the
// current chord; each move takes the leading edge farther from the trailing edge, so it ends.
std::size_t findLeadingEdge(const std::vector<ContourPoint>& loop, const ContourPoint& trailing) {
  std::size_t leading = lowestX(loop);
  for (std::size_t step = 0; step < loop.size(); ++step) {
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
    if (ahead == leading) break;
    leading = ahead;
  }
  return leading;
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

ChordFrame frameOf(const ContourPoint& leading, Vector2 chord) {
  const double degrees = 45.0 / std::atan(1.0);
  return {leading.x, leading.y, std::sqrt(dot(chord, chord)),
          std::atan2(chord.y, chord.x) * degrees};
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

}  // namespace

std::variant<ChordSurfaces, ConvertError> normaliseToChord(const std::vector<ContourPoint>& loop,
                                                           std::string_view fileLabel) {
  if (loop.empty()) return fileError(fileLabel, "no coordinates follow the name line");
  const ContourPoint trailing{(loop.front().x + loop.back().x) / 2,
                              (loop.front().y + loop.back().y) / 2, loop.front().line};
  const std::size_t leading = findLeadingEdge(loop, trailing);
  if (auto error = checkTwoSurfaces(loop, leading, fileLabel)) return *error;
  const Vector2 chord = difference(trailing, loop[leading]);
  if (dot(chord, chord) == 0) {
    return fileError(fileLabel, "the leading edge and the trailing edge are the same point");
  }
  const auto moved = toChordFrame(loop, loop[leading], chord);
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
                       std::move(std::get<std::vector<ContourPoint>>(lower)),
                       frameOf(loop[leading], chord)};
}

}  // namespace vantrel
