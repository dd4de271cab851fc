#include "input/selig_lednicer_layout.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <optional>

#include "input/convert_message.h"
#include "app/name_text.h"
#include "app/number_chars.h"

namespace vantrel {
namespace {

struct TextLine {
  std::string text;
  int number = 0;
};

// Lines end with CR LF, LF or a lone CR: files travel between systems.
std::vector<TextLine> splitLines(const std::string& content) {
  std::vector<TextLine> lines;
  std::string current;
  int number = 1;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') {
      current += c;
      continue;
    }
    if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    lines.push_back({std::move(current), number++});
    current.clear();
  }
  if (!current.empty()) lines.push_back({std::move(current), number});
  return lines;
}

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

std::vector<std::string_view> splitItems(std::string_view text) {
  std::vector<std::string_view> items;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isSeparator(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isSeparator(text[i])) ++i;
    if (i > start) items.push_back(text.substr(start, i - start));
  }
  return items;
}

bool isBlank(std::string_view text) {
  return splitItems(text).empty();
}

// Decimal or exponent notation with a point, whatever the process locale.
std::optional<double> parseNumber(std::string_view item) {
  if (item.size() > 1 && item.front() == '+' && item[1] != '-') item.remove_prefix(1);
  double value = 0;
  const char* end = item.data() + item.size();
  const auto [stop, error] = parseDoubleChars(item.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

struct DataLine {
  double x = 0;
  double y = 0;
  int line = 0;
  int block = 0;  // blank lines separate blocks
};

std::variant<DataLine, ConvertError> parsePair(const TextLine& line, std::string_view fileLabel) {
  const auto items = splitItems(line.text);
  for (const auto item : items) {
    if (!parseNumber(item)) {
      return lineError(fileLabel, line.number,
                       "\"" + quotedForMessage(item) + "\" is not a number");
    }
  }
  if (items.size() != 2) {
    return lineError(fileLabel, line.number,
                     "expected two numbers (x y), found " + std::to_string(items.size()));
  }
  return DataLine{*parseNumber(items[0]), *parseNumber(items[1]), line.number, 0};
}

bool readsAsPair(const TextLine& line) {
  const auto items = splitItems(line.text);
  return items.size() == 2 && parseNumber(items[0]) && parseNumber(items[1]);
}

std::string trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

std::string nameFromLabel(std::string_view fileLabel) {
  return std::filesystem::path(std::string(fileLabel)).stem().string();
}

bool isCount(double value) {
  return value > 1 && value == std::floor(value);
}

std::variant<std::vector<DataLine>, ConvertError> parseData(const std::vector<TextLine>& lines,
                                                            std::size_t first,
                                                            std::string_view fileLabel) {
  std::vector<DataLine> data;
  int block = 0;
  bool gap = false;
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (isBlank(lines[i].text)) {
      gap = !data.empty();
      continue;
    }
    auto pair = parsePair(lines[i], fileLabel);
    if (auto* error = std::get_if<ConvertError>(&pair)) return std::move(*error);
    if (gap) ++block;
    gap = false;
    data.push_back(std::get<DataLine>(pair));
    data.back().block = block;
  }
  return data;
}

std::string pointCount(std::size_t count, std::string_view surface) {
  return std::to_string(count) + " " + std::string(surface);
}

std::string countText(double count) {
  return count < 1e9 ? std::to_string(static_cast<long long>(count)) : messageNumber(count);
}

// The count line against the points after it. Two blocks must have the announced sizes; without
// the blank line between them the total must still match.
std::optional<ConvertError> checkCounts(const DataLine& countLine, std::size_t upper,
                                        std::size_t lower, const std::vector<DataLine>& points,
                                        std::string_view fileLabel) {
  const std::string announced = "the count line announces " + countText(countLine.x) +
                                " upper and " + countText(countLine.y) + " lower points";
  if (countLine.x < 3 || countLine.y < 3) {
    return lineError(fileLabel, countLine.line,
                     announced + "; each surface needs at least 3 points");
  }
  std::size_t firstBlock = 0;
  while (firstBlock < points.size() && points[firstBlock].block == points.front().block) {
    ++firstBlock;
  }
  const bool twoBlocks = !points.empty() && points.back().block == points[firstBlock - 1].block + 1;
  if (twoBlocks && (firstBlock != upper || points.size() - firstBlock != lower)) {
    return lineError(fileLabel, countLine.line,
                     announced + ", but " + pointCount(firstBlock, "upper and ") +
                         pointCount(points.size() - firstBlock, "lower points follow"));
  }
  if (points.size() != upper + lower) {
    return lineError(fileLabel, countLine.line,
                     announced + " (" + countText(countLine.x + countLine.y) + " in all), but " +
                         std::to_string(points.size()) +
                         (points.size() == 1 ? " point follows" : " points follow"));
  }
  return std::nullopt;
}

ContourPoint toPoint(const DataLine& data) {
  return ContourPoint{data.x, data.y, data.line};
}

std::variant<std::vector<ContourPoint>, ConvertError> lednicerLoop(
    const std::vector<DataLine>& data, std::string_view fileLabel) {
  const DataLine& countLine = data.front();
  // Compared as numbers first: a count beyond the points that follow must not overflow.
  const std::vector<DataLine> points(data.begin() + 1, data.end());
  const double total = static_cast<double>(points.size());
  const auto upper = static_cast<std::size_t>(std::min(countLine.x, total + 1));
  const auto lower = static_cast<std::size_t>(std::min(countLine.y, total + 1));
  if (auto error = checkCounts(countLine, upper, lower, points, fileLabel)) return *error;
  std::vector<ContourPoint> loop;
  for (std::size_t i = upper; i-- > 0;) loop.push_back(toPoint(points[i]));
  const bool sharedLeadingEdge =
      points[upper].x == points.front().x && points[upper].y == points.front().y;
  for (std::size_t i = upper + (sharedLeadingEdge ? 1 : 0); i < points.size(); ++i) {
    loop.push_back(toPoint(points[i]));
  }
  return loop;
}

}  // namespace

std::variant<ForeignContour, ConvertError> readForeignContour(std::istream& in,
                                                              std::string_view fileLabel) {
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (content.rfind("\xEF\xBB\xBF", 0) == 0) content.erase(0, 3);  // a UTF-8 byte-order mark
  const auto lines = splitLines(content);
  std::size_t nameLine = 0;
  while (nameLine < lines.size() && isBlank(lines[nameLine].text)) ++nameLine;
  if (nameLine == lines.size()) return fileError(fileLabel, "the file is empty");

  ForeignContour contour;
  // A file that starts with a coordinate pair has no name line; the file's name stands in.
  const bool headless = readsAsPair(lines[nameLine]);
  contour.name = headless ? nameFromLabel(fileLabel) : trimmed(lines[nameLine].text);
  auto parsed = parseData(lines, headless ? nameLine : nameLine + 1, fileLabel);
  if (auto* error = std::get_if<ConvertError>(&parsed)) return std::move(*error);
  const auto& data = std::get<std::vector<DataLine>>(parsed);
  if (data.empty()) return fileError(fileLabel, "no coordinates follow the name line");

  if (isCount(data.front().x) && isCount(data.front().y)) {
    contour.layout = ForeignLayout::Lednicer;
    auto loop = lednicerLoop(data, fileLabel);
    if (auto* error = std::get_if<ConvertError>(&loop)) return std::move(*error);
    contour.loop = std::move(std::get<std::vector<ContourPoint>>(loop));
    return contour;
  }
  for (const auto& point : data) contour.loop.push_back(toPoint(point));
  return contour;
}

}  // namespace vantrel
