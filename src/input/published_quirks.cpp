#include "input/published_quirks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "input/convert_message.h"

namespace vantrel {
namespace {

double squaredDistance(const ContourPoint& a, const ContourPoint& b) {
  return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

double xExtent(const std::vector<ContourPoint>& loop) {
  const auto [left, right] = std::minmax_element(
      loop.begin(), loop.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  return right->x - left->x;
}

// Where a loop goes on past its return to the trailing edge: the first point after the run that
// climbs from the leading edge (the file's minimum x) stops climbing, when the loop then ends far
// from where it closed (a point out of order near the trailing edge is no padding).
std::optional<std::size_t> pastTheClosing(const std::vector<ContourPoint>& loop) {
  constexpr double kFarFromTheClosing = 0.1;  // of the chord
  const auto lowest = std::min_element(loop.begin(), loop.end(),
                                       [](const auto& a, const auto& b) { return a.x < b.x; });
  auto i = static_cast<std::size_t>(lowest - loop.begin());
  while (i + 1 < loop.size() && loop[i + 1].x >= loop[i].x) ++i;
  const double far = kFarFromTheClosing * xExtent(loop);
  if (i + 1 < loop.size() && squaredDistance(loop[i], loop.back()) > far * far) return i + 1;
  return std::nullopt;
}

bool samePoint(const ContourPoint& a, const ContourPoint& b) {
  return a.x == b.x && a.y == b.y;
}

struct ClosedLoop {
  std::vector<ContourPoint> loop;
  std::string note;
};

// A drawing of an open trailing edge closed by repeating the first point at the end: the last
// step runs across the trailing edge, not along a surface.
bool closesTheDrawing(const std::vector<ContourPoint>& loop) {
  if (loop.size() < 6 || !samePoint(loop.front(), loop.back())) return false;
  constexpr double kWidestTrailingEdge = 0.05;  // of the chord
  const ContourPoint& before = loop[loop.size() - 2];
  const double across = std::abs(before.y - loop.back().y);
  return !samePoint(before, loop.back()) && std::abs(before.x - loop.back().x) < across &&
         across < kWidestTrailingEdge * xExtent(loop);
}

// Some files give the trailing-edge point once, at the start or at the end, and stop the other
// surface one point short of it; the outline is closed by joining that surface to it. A surface
// that stops farther short is a file cut off, not one to be closed.
std::optional<ClosedLoop> closedToTheTrailingEdge(const std::vector<ContourPoint>& loop) {
  constexpr double kLongestClosingStep = 0.02;  // of the chord
  const auto nose = std::min_element(loop.begin(), loop.end(),
                                     [](const auto& a, const auto& b) { return a.x < b.x; });
  const bool frontReachesFarther =
      squaredDistance(loop.front(), *nose) >= squaredDistance(loop.back(), *nose);
  ClosedLoop closed{loop, {}};
  const ContourPoint& end = frontReachesFarther ? loop.front() : loop.back();
  const ContourPoint& shortEnd = frontReachesFarther ? loop.back() : loop.front();
  const double step = kLongestClosingStep * xExtent(loop);
  if (squaredDistance(end, shortEnd) > step * step) return std::nullopt;
  if (frontReachesFarther) {
    closed.loop.push_back(end);
  } else {
    closed.loop.insert(closed.loop.begin(), end);
  }
  closed.note = "the surface ending at line " + std::to_string(shortEnd.line) +
                " stops short of the trailing edge and was closed to it (line " +
                std::to_string(end.line) + ")";
  return closed;
}

// Whether the points are one airfoil's outline as the converter takes it, closed to the trailing
// edge where a surface stops one point short of it.
bool isOutline(const std::vector<ContourPoint>& loop, std::string_view fileLabel) {
  if (std::holds_alternative<ChordSurfaces>(normaliseToChord(loop, fileLabel))) return true;
  const auto closed = loop.size() > 5 ? closedToTheTrailingEdge(loop) : std::nullopt;
  return closed && std::holds_alternative<ChordSurfaces>(normaliseToChord(closed->loop, fileLabel));
}

// Where a second element (a flap, a slat) starts when the file gives its points straight after
// the first one, with no name line between them: the loop has passed its nose and come back to
// its first point, at least three points follow that are not all one point (padding), and the
// loop up to there is an airfoil of its own.
std::optional<std::size_t> secondOutlineStart(const std::vector<ContourPoint>& loop,
                                              std::string_view fileLabel) {
  constexpr double kNearTheStart = 0.02;  // of the chord, as for a surface stopping short
  constexpr std::size_t kLeastPoints = 3;
  if (loop.size() < 6) return std::nullopt;
  std::size_t nose = 0;
  double left = loop[0].x, right = loop[0].x;
  for (std::size_t j = 1; j + kLeastPoints < loop.size(); ++j) {
    if (loop[j].x < loop[nose].x) nose = j;
    left = std::min(left, loop[j].x);
    right = std::max(right, loop[j].x);
    const double near = kNearTheStart * (right - left);
    const auto isNear = [&](std::size_t k) {
      return squaredDistance(loop[k], loop.front()) <= near * near;
    };
    if (nose == 0 || nose >= j || !isNear(j)) continue;
    while (j + 1 + kLeastPoints <= loop.size() && isNear(j + 1)) ++j;  // the nearest of the run
    const std::size_t start = j + 1;
    const bool padding = std::all_of(loop.begin() + static_cast<std::ptrdiff_t>(start), loop.end(),
                                     [&](const auto& p) { return samePoint(p, loop[start]); });
    if (loop.size() - start < kLeastPoints || padding) return std::nullopt;
    const std::vector<ContourPoint> first(loop.begin(),
                                          loop.begin() + static_cast<std::ptrdiff_t>(start));
    if (isOutline(first, fileLabel)) return start;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::variant<ChordSurfaces, ConvertError> settlePublishedQuirks(const ForeignContour& contour,
                                                                std::vector<std::string>& notes,
                                                                std::string_view fileLabel) {
  std::vector<ContourPoint> loop = contour.loop;
  if (closesTheDrawing(loop)) {
    notes.push_back("the last point (line " + std::to_string(loop.back().line) +
                    ") repeats the first and was left out");
    loop.pop_back();
  }
  auto surfaces = normaliseToChord(loop, fileLabel);
  const auto closed = loop.size() > 5 && std::holds_alternative<ConvertError>(surfaces)
                          ? closedToTheTrailingEdge(loop)
                          : std::nullopt;
  if (closed) {
    auto retry = normaliseToChord(closed->loop, fileLabel);
    if (std::holds_alternative<ChordSurfaces>(retry)) {
      notes.push_back(closed->note);
      surfaces = std::move(retry);
    }
  }
  if (std::holds_alternative<ConvertError>(surfaces)) {
    // A flap or slat given straight after the airfoil would otherwise be told as a point
    // outside the chord.
    if (const auto second = secondOutlineStart(loop, fileLabel)) {
      return ConvertError{convertingFile(fileLabel) + ", line " +
                          std::to_string(loop[*second].line) +
                          " starts a second outline; only single-element airfoils can be read."};
    }
    const auto stray = pastTheClosing(loop);
    const auto end = loop.begin() + static_cast<std::ptrdiff_t>(stray.value_or(0));
    if (stray &&
        std::holds_alternative<ChordSurfaces>(normaliseToChord({loop.begin(), end}, fileLabel))) {
      return strayPointsError(fileLabel, end->line, (end - 1)->line);
    }
    if (contour.textAfter) return contour.textAfter->ifIncomplete;
    return surfaces;
  }
  if (const auto& text = contour.textAfter) {
    if (text->secondOutline) {
      return ConvertError{convertingFile(fileLabel) + ", line " + std::to_string(text->line) +
                          " starts a second outline; only single-element airfoils can be read."};
    }
    notes.push_back("text from line " + std::to_string(text->line) + " on ignored");
  }
  return surfaces;
}

}  // namespace vantrel
