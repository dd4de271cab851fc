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
