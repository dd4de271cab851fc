#include "batch/csv_export.h"

#include <variant>
#include <vector>

#include "batch/output_files.h"
#include "surface/picture_box.h"
#include "text/locale_free_numbers.h"

namespace vantrel::batch {
namespace {

struct DrawnPoint {
  float x, y;
  friend bool operator==(const DrawnPoint&, const DrawnPoint&) = default;
};

std::vector<LineOp> redLines(const PictureBox& picture) {
  std::vector<LineOp> lines;
  for (const PlotOp& operation : picture.operations()) {
    const auto* line = std::get_if<LineOp>(&operation);
    if (line != nullptr && line->color == kRed) lines.push_back(*line);
  }
  return lines;
}

// The points of the red segments joined end to start; a gap starts a new point.
std::vector<DrawnPoint> redPolyline(const PictureBox& picture) {
  std::vector<DrawnPoint> points;
  for (const LineOp& line : redLines(picture)) {
    const DrawnPoint start{line.x1, line.y1};
    if (points.empty() || !(points.back() == start)) points.push_back(start);
    points.push_back({line.x2, line.y2});
  }
  return points;
}

std::optional<CircleOp> lastCircle(const PictureBox& picture) {
  std::optional<CircleOp> circle;
  for (const PlotOp& operation : picture.operations()) {
    if (const auto* found = std::get_if<CircleOp>(&operation)) circle = *found;
  }
  return circle;
}

std::string row(float x, float y) {
  return shortestText(x) + "," + shortestText(y) + "\n";
}

std::string pointsCsv(const std::string& header, const std::vector<DrawnPoint>& points) {
  std::string out = header + "\n";
  for (const DrawnPoint& point : points) out += row(point.x, point.y);
  return out;
}

}  // namespace

std::string camberCsv(const Ortak& ortak) {
  std::string out = "x,y\n";
  for (int i = 1; i <= ortak.NPoint && i < static_cast<int>(ortak.xC.size()); ++i) {
    out += shortestText(ortak.xC[i]) + "," + shortestText(ortak.yC[i]) + "\n";
  }
  return out;
}

std::string camberPolynomialCsv(const PictureBox& camber) {
  return pointsCsv("x,y", redPolyline(camber));
}

std::string lineAndPointCsv(const PictureBox& plot, const std::string& valueName) {
  std::string out = "point,alfa," + valueName + "\n";
  const auto lines = redLines(plot);
  if (!lines.empty()) {
    out += "line_start," + row(lines.front().x1, lines.front().y1);
    out += "line_end," + row(lines.front().x2, lines.front().y2);
  }
  if (const auto circle = lastCircle(plot)) out += "operating," + row(circle->x, circle->y);
  return out;
}

std::string loadCsv(const PictureBox& load) {
  return pointsCsv("x,load", redPolyline(load));
}

std::optional<std::string> writeCsvFiles(const HeadlessControls& controls, const Ortak& ortak,
                                         const std::filesystem::path& folder) {
  if (auto failure = makeFolder(folder)) return failure;
  const std::vector<std::pair<const char*, std::string>> files = {
      {"camber.csv", camberCsv(ortak)},
      {"camber_polynomial.csv", camberPolynomialCsv(controls.picture(Picture::Picture_Camber))},
      {"lift.csv", lineAndPointCsv(controls.picture(Picture::Picture_CL), "CL")},
      {"moment.csv", lineAndPointCsv(controls.picture(Picture::Picture_Cmx), "Cmx")},
      {"load.csv", loadCsv(controls.picture(Picture::Picture_Load))}};
  for (const auto& [name, text] : files) {
    if (auto failure = writeTextFile(folder / name, text)) return failure;
  }
  return std::nullopt;
}

}  // namespace vantrel::batch
