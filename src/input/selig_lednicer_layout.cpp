#include "input/selig_lednicer_layout.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <optional>

#include "input/convert_message.h"
#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

// A line that holds no item: only blanks, tabs and commas, or nothing.
bool isBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), isSeparator);
}

// A line that holds an item, a view into the file's text. Blank lines are not kept, only noted
// on the line after them: a file of an outline and 64 MiB of line ends costs what its points cost.
struct TextLine {
  std::string_view text;
  int number = 0;
  bool blankBefore = false;  // a blank line stands between this line and the one kept before it
};

// Lines end with CR LF, LF or a lone CR: files travel between systems.
std::vector<TextLine> splitLines(std::string_view content) {
  std::vector<TextLine> lines;
  int number = 1;
  bool blankBefore = false;
  std::size_t start = 0;
  const auto endLine = [&](std::size_t end) {
    const std::string_view text = content.substr(start, end - start);
    if (isBlank(text)) {
      blankBefore = true;
    } else {
      lines.push_back({text, number, blankBefore});
      blankBefore = false;
    }
  };
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') continue;
    endLine(i);
    if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    ++number;
    start = i + 1;
  }
  if (start < content.size()) endLine(content.size());
  return lines;
}

// The items of a line, at most `most` of them: a line of a million numbers is not kept whole.
std::vector<std::string_view> splitItems(std::string_view text,
                                         std::size_t most = static_cast<std::size_t>(-1)) {
  std::vector<std::string_view> items;
  std::size_t i = 0;
  while (i < text.size() && items.size() < most) {
    while (i < text.size() && isSeparator(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isSeparator(text[i])) ++i;
    if (i > start) items.push_back(text.substr(start, i - start));
  }
  return items;
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

bool hasDecimalComma(std::string_view word) {
  const std::size_t comma = word.find(',');
  return comma != std::string_view::npos && comma > 0 && comma + 1 < word.size() &&
         std::isdigit(static_cast<unsigned char>(word[comma - 1])) &&
         std::isdigit(static_cast<unsigned char>(word[comma + 1])) &&
         word.find(',', comma + 1) == std::string_view::npos;
}

// Two words each with one comma between digits, "0,99677 0,00043": a spreadsheet writing with
// decimal commas, read as four numbers.
std::string decimalCommaHint(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size() && words.size() < 3) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  if (words.size() != 2 || !hasDecimalComma(words[0]) || !hasDecimalComma(words[1])) return "";
  return "; the numbers seem written with decimal commas (\"" + quotedForMessage(words[0]) +
         "\"): write them with a decimal point";
}

std::variant<DataLine, ConvertError> parsePair(const TextLine& line, std::string_view fileLabel) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < line.text.size();) {
    while (i < line.text.size() && isSeparator(line.text[i])) ++i;
    const std::size_t start = i;
    while (i < line.text.size() && !isSeparator(line.text[i])) ++i;
    if (i == start) continue;
    ++count;
    const std::string_view item = line.text.substr(start, i - start);
    if (!parseNumber(item)) {
      return lineError(fileLabel, line.number,
                       "\"" + quotedForMessage(item) + "\" is not a number");
    }
  }
  const auto items = splitItems(line.text, 2);
  if (count != 2) {
    return lineError(
        fileLabel, line.number,
        "expected two numbers (x y), found " + std::to_string(count) + decimalCommaHint(line.text));
  }
  return DataLine{*parseNumber(items[0]), *parseNumber(items[1]), line.number, 0};
}

bool readsAsPair(const TextLine& line) {
  const auto items = splitItems(line.text, 3);
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

struct ParsedData {
  std::vector<DataLine> points;
  std::optional<TextAfterCoordinates> textAfter;
};

// A second element is told from notes by the coordinates that follow: at least a count line and
// a few points, or a few points.
bool pairsFollow(const std::vector<TextLine>& lines, std::size_t from) {
  constexpr int kPairsOfAnOutline = 3;
  int pairs = 0;
  for (std::size_t i = from; i < lines.size() && pairs < kPairsOfAnOutline; ++i) {
    if (readsAsPair(lines[i])) ++pairs;
  }
  return pairs == kPairsOfAnOutline;
}

ConvertError pairFault(const TextLine& line, std::string_view fileLabel) {
  auto pair = parsePair(line, fileLabel);
  if (auto* error = std::get_if<ConvertError>(&pair)) return std::move(*error);
  return lineError(fileLabel, line.number, "expected two numbers (x y)");
}

ParsedData parseData(const std::vector<TextLine>& lines, std::size_t first,
                     std::string_view fileLabel) {
  ParsedData data;
  int block = 0;
  bool gap = false;
  for (std::size_t i = first; i < lines.size(); ++i) {
    if (lines[i].blankBefore && !data.points.empty()) gap = true;
    if (!readsAsPair(lines[i])) {
      data.textAfter = TextAfterCoordinates{lines[i].number, pairFault(lines[i], fileLabel),
                                            pairsFollow(lines, i + 1)};
      break;
    }
    if (gap) ++block;
    gap = false;
    const auto items = splitItems(lines[i].text, 2);
    data.points.push_back({*parseNumber(items[0]), *parseNumber(items[1]), lines[i].number, block});
  }
  return data;
}

std::string pointCount(std::size_t count, std::string_view surface) {
  return std::to_string(count) + " " + std::string(surface);
}

std::string countText(double count) {
  return count < 1e9 ? std::to_string(static_cast<long long>(count)) : messageNumber(count);
}

ContourPoint toPoint(const DataLine& data) {
  return ContourPoint{data.x, data.y, data.line};
}

using Run = std::vector<DataLine>;

// One surface reversed, then the other from the leading edge; the leading-edge point once.
std::vector<ContourPoint> loopOfRuns(const Run& upper, const Run& lower) {
  std::vector<ContourPoint> loop;
  for (std::size_t i = upper.size(); i-- > 0;) loop.push_back(toPoint(upper[i]));
  const bool sharedLeadingEdge = !upper.empty() && !lower.empty() &&
                                 lower.front().x == upper.front().x &&
                                 lower.front().y == upper.front().y;
  for (std::size_t i = sharedLeadingEdge ? 1 : 0; i < lower.size(); ++i) {
    loop.push_back(toPoint(lower[i]));
  }
  return loop;
}

std::vector<Run> blocksOf(const Run& points) {
  std::vector<Run> blocks;
  for (const auto& point : points) {
    if (blocks.empty() || point.block != blocks.back().back().block) blocks.emplace_back();
    blocks.back().push_back(point);
  }
  return blocks;
}

struct Extent {
  double low = 0;
  double high = 0;
};

Extent xExtent(const Run& points) {
  const auto [low, high] = std::minmax_element(
      points.begin(), points.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  return {low->x, high->x};
}

// Blank lines split a Lednicer file into its two surfaces only where each part starts at the
// leading edge, nearer the least x than the greatest.
bool startsAtTheLeadingEdge(const Run& block, const Run& points) {
  const Extent x = xExtent(points);
  return block.front().x - x.low < x.high - block.front().x;
}

// The count line against the points after it. Blank lines that split the points into two runs
// from the leading edge settle which points belong to which surface, whatever the counts say;
// without them the total must match the counts.
std::variant<std::vector<ContourPoint>, ConvertError> lednicerLoop(const Run& data,
                                                                   std::vector<std::string>& notes,
                                                                   std::string_view fileLabel) {
  const DataLine& countLine = data.front();
  const Run points(data.begin() + 1, data.end());
  const std::string announced = "the count line announces " + countText(countLine.x) +
                                " upper and " + countText(countLine.y) + " lower points";
  if (countLine.x < 3 || countLine.y < 3) {
    return lineError(fileLabel, countLine.line,
                     announced + "; each surface needs at least 3 points");
  }
  // Compared as numbers first: a count beyond the points that follow must not overflow.
  const double total = static_cast<double>(points.size());
  const auto upper = static_cast<std::size_t>(std::min(countLine.x, total + 1));
  const auto lower = static_cast<std::size_t>(std::min(countLine.y, total + 1));
  const auto blocks = blocksOf(points);
  if (blocks.size() == 2 && startsAtTheLeadingEdge(blocks[0], points) &&
      startsAtTheLeadingEdge(blocks[1], points)) {
    if (blocks[0].size() != upper || blocks[1].size() != lower) {
      notes.push_back(announced + " (line " + std::to_string(countLine.line) +
                      "); the blank lines separate " + pointCount(blocks[0].size(), "and ") +
                      std::to_string(blocks[1].size()) + ", which were followed");
    }
    return loopOfRuns(blocks[0], blocks[1]);
  }
  if (blocks.size() > 2 && blocks[0].size() == upper && blocks[1].size() == lower) {
    return strayPointsError(fileLabel, blocks[2].front().line, blocks[1].back().line);
  }
  if (points.size() != upper + lower) {
    return lineError(fileLabel, countLine.line,
                     announced + " (" + countText(countLine.x + countLine.y) + " in all), but " +
                         std::to_string(points.size()) +
                         (points.size() == 1 ? " point follows" : " points follow"));
  }
  const auto split = points.begin() + static_cast<std::ptrdiff_t>(upper);
  return loopOfRuns(Run(points.begin(), split), Run(split, points.end()));
}

// Lednicer runs without a count line start at the leading edge, where a Selig loop starts at the
// trailing edge; the second run starts where x falls back from the trailing edge to the leading
// edge, by more than half the chord at once.
std::optional<std::size_t> secondRunStart(const Run& points) {
  const Extent x = xExtent(points);
  const double half = (x.high - x.low) / 2;
  if (!(points.front().x - x.low < half)) return std::nullopt;
  for (std::size_t k = 1; k < points.size(); ++k) {
    if (points[k - 1].x - points[k].x > half) return k;
  }
  return std::nullopt;
}

// UTF-16 (as some Windows editors save "Unicode" text) puts a NUL byte beside every ASCII one.
std::optional<ConvertError> checkPlainText(const std::string& content, std::string_view fileLabel) {
  if (content.rfind("\xFF\xFE", 0) == 0 || content.rfind("\xFE\xFF", 0) == 0) {
    return fileError(fileLabel,
                     "the file is UTF-16 text; save it as plain text (ASCII or UTF-8) and "
                     "convert it again");
  }
  if (content.find('\0') != std::string::npos) {
    return fileError(fileLabel,
                     "the file holds NUL bytes: UTF-16 text or no text at all; save it as "
                     "plain text (ASCII or UTF-8)");
  }
  return std::nullopt;
}

// A Ctrl-Z, the end-of-file mark of old DOS editors, ends the text.
void dropEndOfFileMark(std::string& content) {
  const std::size_t mark = content.find('\x1A');
  if (mark != std::string::npos &&
      content.find_first_not_of("\x1A \t\r\n", mark) == std::string::npos) {
    content.erase(mark);
  }
}

}  // namespace

std::variant<ForeignContour, ConvertError> readForeignContour(std::istream& in,
                                                              std::string_view fileLabel) {
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (content.rfind("\xEF\xBB\xBF", 0) == 0) content.erase(0, 3);  // a UTF-8 byte-order mark
  if (auto error = checkPlainText(content, fileLabel)) return *error;
  dropEndOfFileMark(content);
  const auto lines = splitLines(content);
  const std::size_t nameLine = 0;  // blank lines are not kept
  if (lines.empty()) return fileError(fileLabel, "the file is empty");

  ForeignContour contour;
  // A file that starts with a coordinate pair has no name line; the file's name stands in.
  const bool headless = readsAsPair(lines[nameLine]);
  contour.name = headless ? nameFromLabel(fileLabel) : trimmed(lines[nameLine].text);
  auto data = parseData(lines, headless ? nameLine : nameLine + 1, fileLabel);
  contour.textAfter = std::move(data.textAfter);
  const Run& points = data.points;
  if (points.empty()) {
    if (contour.textAfter) return contour.textAfter->ifIncomplete;
    return fileError(fileLabel, "no coordinates follow the name line");
  }

  if (isCount(points.front().x) && isCount(points.front().y)) {
    contour.layout = ForeignLayout::Lednicer;
    auto loop = lednicerLoop(points, contour.notes, fileLabel);
    if (auto* error = std::get_if<ConvertError>(&loop)) return std::move(*error);
    contour.loop = std::move(std::get<std::vector<ContourPoint>>(loop));
    return contour;
  }
  if (const auto second = secondRunStart(points)) {
    contour.layout = ForeignLayout::Lednicer;
    contour.notes.push_back("no count line; the second surface starts at line " +
                            std::to_string(points[*second].line));
    const auto split = points.begin() + static_cast<std::ptrdiff_t>(*second);
    contour.loop = loopOfRuns(Run(points.begin(), split), Run(split, points.end()));
    return contour;
  }
  for (const auto& point : points) contour.loop.push_back(toPoint(point));
  return contour;
}

MonotoneCubic surfaceCurve(const std::vector<ContourPoint>& surface) {
  std::vector<double> x, y;
  for (const auto& point : surface) {
    x.push_back(point.x);
    y.push_back(point.y);
  }
  return MonotoneCubic(std::move(x), std::move(y));
}

}  // namespace vantrel
