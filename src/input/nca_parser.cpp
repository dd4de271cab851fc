#include "input/nca_parser.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <iterator>
#include <new>
#include <optional>
#include <system_error>

#include "input/camber_line.h"
#include "text/locale_free_numbers.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks the file's bytes and counts lines; CR LF, LF and CR each end one line.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool atEnd() const { return position_ >= text_.size(); }
  char peek() const { return text_[position_]; }
  void advance() { ++position_; }
  int line() const { return line_; }
  std::size_t position() const { return position_; }
  std::string_view between(std::size_t from, std::size_t to) const {
    return text_.substr(from, to - from);
  }

  void skipBlanks() {
    while (!atEnd() && isBlank(peek())) advance();
  }
  void consumeLineEnd() {
    if (peek() == '\r') {
      advance();
      if (!atEnd() && peek() == '\n') advance();
    } else {
      advance();
    }
    ++line_;
  }
  // Reads and discards the rest of the current line with its line end.
  void skipRestOfLine() {
    while (!atEnd() && !isLineEnd(peek())) advance();
    if (!atEnd()) consumeLineEnd();
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  int line_ = 1;
};

ReadFailure failure(std::string_view fileLabel, const std::string& what) {
  return ReadFailure{"Cannot read \"" + quotedForMessage(fileLabel, 200) + "\": " + what + "."};
}

std::string lineAndItem(int line, int item) {
  return "line " + std::to_string(line) + ", item " + std::to_string(item);
}

// A quoted name runs to its closing quote; whatever follows up to the delimiter is dropped.
std::optional<std::string> readQuotedName(Cursor& cursor) {
  cursor.advance();
  const std::size_t start = cursor.position();
  while (!cursor.atEnd() && cursor.peek() != '"' && !isLineEnd(cursor.peek())) cursor.advance();
  if (cursor.atEnd() || cursor.peek() != '"') return std::nullopt;
  std::string name(cursor.between(start, cursor.position()));
  while (!cursor.atEnd() && cursor.peek() != ',' && !isLineEnd(cursor.peek())) cursor.advance();
  return name;
}

// The name item with the comma or line end that ends it.
std::variant<std::string, ReadFailure> readName(Cursor& cursor, std::string_view fileLabel) {
  // A byte-order mark left by an editor is not part of the name.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (cursor.between(0, kByteOrderMark.size()) == kByteOrderMark) {
    for (std::size_t i = 0; i < kByteOrderMark.size(); ++i) cursor.advance();
  }
  cursor.skipBlanks();
  if (cursor.atEnd()) return failure(fileLabel, "the file ends before the airfoil's name");
  std::string name;
  if (cursor.peek() == '"') {
    const int line = cursor.line();
    auto quoted = readQuotedName(cursor);
    if (!quoted) {
      return failure(fileLabel, "line " + std::to_string(line) +
                                    ", the name's closing double quote is missing");
    }
    name = std::move(*quoted);
  } else {
    const std::size_t start = cursor.position();
    while (!cursor.atEnd() && cursor.peek() != ',' && !isLineEnd(cursor.peek())) cursor.advance();
    name = std::string(cursor.between(start, cursor.position()));
  }
  if (!cursor.atEnd()) {
    if (cursor.peek() == ',') {
      cursor.advance();
    } else {
      cursor.consumeLineEnd();
    }
  }
  return name;
}

std::optional<ReadFailure> skipTwoLines(Cursor& cursor, std::string_view fileLabel) {
  for (int skipped = 0; skipped < 2; ++skipped) {
    if (cursor.atEnd()) {
      return failure(fileLabel, "the file ends on line " + std::to_string(cursor.line()) +
                                    ", before the two lines that follow the name");
    }
    cursor.skipRestOfLine();
  }
  return std::nullopt;
}

// Decimal or exponent notation only: an optional sign, digits with an optional point, an
// optional exponent. Words such as "inf" or "nan", and hexadecimal, are not numbers here.
bool looksLikeNumber(std::string_view item) {
  std::size_t i = 0;
  if (i < item.size() && (item[i] == '+' || item[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < item.size() && isDigit(item[i])) ++i, ++digits;
  if (i < item.size() && item[i] == '.') {
    ++i;
    while (i < item.size() && isDigit(item[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < item.size() && (item[i] == 'e' || item[i] == 'E')) {
    ++i;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < item.size() && isDigit(item[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == item.size();
}

enum class NumberProblem { NotANumber, TooLarge };

std::variant<double, NumberProblem> parseNumber(std::string_view item) {
  if (!looksLikeNumber(item)) return NumberProblem::NotANumber;
  std::string_view digits = item;
  if (digits.front() == '+') digits.remove_prefix(1);
  double value = 0.0;
  // The parse ignores the locale: a point is the separator whatever the window has set.
  const auto result = parseDoubleChars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const std::size_t exponent = item.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && item.find('-', exponent) != item.npos;
    if (!tiny) return NumberProblem::TooLarge;
    return item.front() == '-' ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
    return NumberProblem::NotANumber;
  }
  return value;
}

// Where a number written with a decimal comma ("0,0125") first stands: a one-digit whole number,
// a comma and at least two more digits with nothing between them.
struct DecimalComma {
  int line = 0;
  std::string text;
};

struct StationNumbers {
  std::vector<double> numbers;
  std::vector<int> stationLines;  // the line on which each station's first number stands
  std::optional<DecimalComma> decimalComma;
};

bool isWholeNumber(std::string_view item, std::size_t leastDigits, std::size_t mostDigits) {
  if (!item.empty() && (item.front() == '+' || item.front() == '-')) item.remove_prefix(1);
  if (item.size() < leastDigits || item.size() > mostDigits) return false;
  for (char c : item) {
    if (!isDigit(c)) return false;
  }
  return true;
}

// Notes the first item that, with the one before it, reads like a decimal-comma number.
void noteDecimalComma(StationNumbers& read, const std::string& previous, std::size_t previousEnd,
                      const std::string& item, std::size_t itemStart, int line) {
  if (read.decimalComma || itemStart != previousEnd + 1) return;
  if (!isWholeNumber(previous, 1, 1) || !isWholeNumber(item, 2, 40)) return;
  if (item.front() == '+' || item.front() == '-') return;
  read.decimalComma = DecimalComma{line, previous + "," + item};
}

std::string readItem(Cursor& cursor) {
  const std::size_t start = cursor.position();
  while (!cursor.atEnd() && !isBlank(cursor.peek()) && !isLineEnd(cursor.peek()) &&
         cursor.peek() != ',') {
    cursor.advance();
  }
  return std::string(cursor.between(start, cursor.position()));
}

ReadFailure decimalCommaFailure(std::string_view fileLabel, const DecimalComma& found) {
  return failure(fileLabel, "line " + std::to_string(found.line) + " holds \"" +
                                quotedForMessage(found.text) +
                                "\", most likely a number written with a decimal comma, which "
                                "this program reads as two numbers; write decimals with a point");
}

std::variant<StationNumbers, ReadFailure> readNumbers(Cursor& cursor, std::string_view fileLabel) {
  StationNumbers read;
  std::string previousItem;
  std::size_t previousEnd = 0;
  int itemOnLine = 0;
  bool itemBeforeComma = false;  // a comma needs an item before it on its own line
  while (!cursor.atEnd()) {
    const char c = cursor.peek();
    if (isBlank(c)) {
      cursor.advance();
    } else if (isLineEnd(c)) {
      cursor.consumeLineEnd();
      itemOnLine = 0;
      itemBeforeComma = false;
    } else if (c == ',') {
      if (!itemBeforeComma) {
        return failure(fileLabel, lineAndItem(cursor.line(), itemOnLine + 1) +
                                      " is empty: a comma has no number before it");
      }
      itemBeforeComma = false;
      cursor.advance();
    } else {
      const int line = cursor.line();
      const std::size_t itemStart = cursor.position();
      const std::string item = readItem(cursor);
      if (itemStart > 0 && cursor.between(itemStart - 1, itemStart) == ",") {
        noteDecimalComma(read, previousItem, previousEnd, item, itemStart, line);
      }
      previousItem = item;
      previousEnd = cursor.position();
      ++itemOnLine;
      const auto parsed = parseNumber(item);
      if (const auto* problem = std::get_if<NumberProblem>(&parsed)) {
        const char* what = *problem == NumberProblem::TooLarge ? "is too large" : "is not a number";
        return failure(fileLabel, lineAndItem(line, itemOnLine) + " (\"" + quotedForMessage(item) +
                                      "\") " + what);
      }
      if (read.numbers.size() % 4 == 0) read.stationLines.push_back(line);
      read.numbers.push_back(std::get<double>(parsed));
      itemBeforeComma = true;
    }
  }
  if (read.numbers.size() % 4 != 0) {
    if (read.decimalComma) return decimalCommaFailure(fileLabel, *read.decimalComma);
    const std::size_t station = read.stationLines.size();
    return failure(fileLabel, "station " + std::to_string(station) + " (line " +
                                  std::to_string(read.stationLines.back()) + ") has only " +
                                  std::to_string(read.numbers.size() % 4) + " of its 4 numbers");
  }
  return read;
}

std::string stationPlace(const StationNumbers& read, int station) {
  return "station " + std::to_string(station) + " (line " +
         std::to_string(read.stationLines[station - 1]) + ")";
}

// What makes station I unusable, said after the station's place; nothing when it is usable.
std::optional<std::string> stationProblem(const AirfoilData& airfoil, int I) {
  // Outside the chord the angle coordinate does not exist (its square root would be of a
  // negative number), and every later method needs it.
  if (!(airfoil.xC[I] >= 0.0 && airfoil.xC[I] <= 1.0)) {
    return " has its camber x at " + NumberToText(airfoil.xC[I]) + ", outside the chord (0 to 1)";
  }
  if (!std::isfinite(airfoil.yC[I])) return std::string(" has y values too large to use");
  return std::nullopt;
}

// Coordinates are fractions of the chord: in a file that also shows the decimal-comma pattern, a
// surface more than a chord away from the chord line means the file was misread. (Alone it is a
// fault of the airfoil, which the reader takes as it stands.)
bool farFromChord(const AirfoilData& airfoil, int I) {
  return std::abs(airfoil.yU[I]) > 1.0 || std::abs(airfoil.yL[I]) > 1.0;
}

// The stations must run from the leading edge to the trailing edge; the other way round would
// give the zero-lift angle with the wrong sign.
std::optional<std::string> reversedOrder(const AirfoilData& airfoil) {
  const int last = airfoil.NPoint;
  if (last < 2 || !(airfoil.xC[1] > airfoil.xC[last])) return std::nullopt;
  return "the stations run with x decreasing, from the trailing edge to the leading edge (camber "
         "x " +
         NumberToText(airfoil.xC[1]) + " at station 1, " + NumberToText(airfoil.xC[last]) +
         " at station " + std::to_string(last) +
         "); list them from the leading edge (x = 0) to the trailing edge (x = 1)";
}

// A camber line needs two stations: with fewer, every method would show zeros as if they were
// results.
constexpr std::size_t kLeastStations = 2;

std::string tooFewStations(std::size_t stations) {
  return "the file holds " + std::to_string(stations) + (stations == 1 ? " station" : " stations") +
         "; an airfoil needs at least " + std::to_string(kLeastStations);
}

std::variant<AirfoilData, ReadFailure> buildAirfoil(std::string name, const StationNumbers& read,
                                                    std::string_view fileLabel, double Pi) {
  if (read.stationLines.size() < kLeastStations) {
    if (read.decimalComma) return decimalCommaFailure(fileLabel, *read.decimalComma);
    return failure(fileLabel, tooFewStations(read.stationLines.size()));
  }
  AirfoilData airfoil;
  airfoil.AirfoilName = std::move(name);
  airfoil.NPoint = static_cast<int>(read.stationLines.size());
  const std::size_t size = static_cast<std::size_t>(airfoil.NPoint) + 1;
  for (auto* array : {&airfoil.xU, &airfoil.yU, &airfoil.xL, &airfoil.yL, &airfoil.xC, &airfoil.yC,
                      &airfoil.Theta}) {
    array->assign(size, 0.0);
  }
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    const std::size_t first = static_cast<std::size_t>(I - 1) * 4;
    airfoil.xU[I] = read.numbers[first];
    airfoil.yU[I] = read.numbers[first + 1];
    airfoil.xL[I] = read.numbers[first + 2];
    airfoil.yL[I] = read.numbers[first + 3];
    airfoil.xC[I] = (airfoil.xU[I] + airfoil.xL[I]) / 2;
    airfoil.yC[I] = (airfoil.yU[I] + airfoil.yL[I]) / 2;
    const auto problem = stationProblem(airfoil, I);
    if (read.decimalComma && (problem || farFromChord(airfoil, I))) {
      return decimalCommaFailure(fileLabel, *read.decimalComma);
    }
    if (problem) return failure(fileLabel, stationPlace(read, I) + *problem);
    airfoil.Theta[I] = AngleCoordinate(airfoil.xC[I], Pi);
  }
  if (auto reversed = reversedOrder(airfoil)) {
    if (read.decimalComma) return decimalCommaFailure(fileLabel, *read.decimalComma);
    return failure(fileLabel, *reversed);
  }
  return airfoil;
}

constexpr char kEndOfFileMark = '\x1A';

// A byte-order mark of UTF-16, or the zero bytes that UTF-16 puts beside every plain letter.
bool looksLikeUtf16(std::string_view bytes) {
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") return true;
  if (bytes.size() < 4) return false;
  const bool littleEndian = bytes[0] != 0 && bytes[1] == 0 && bytes[2] != 0 && bytes[3] == 0;
  const bool bigEndian = bytes[0] == 0 && bytes[1] != 0 && bytes[2] == 0 && bytes[3] != 0;
  return littleEndian || bigEndian;
}

std::variant<AirfoilData, ReadFailure> parseAirfoil(std::string_view bytes,
                                                    std::string_view fileLabel, double Pi) {
  Cursor cursor(bytes);
  auto name = readName(cursor, fileLabel);
  if (auto* failed = std::get_if<ReadFailure>(&name)) return std::move(*failed);
  if (auto failed = skipTwoLines(cursor, fileLabel)) return std::move(*failed);
  auto numbers = readNumbers(cursor, fileLabel);
  if (auto* failed = std::get_if<ReadFailure>(&numbers)) return std::move(*failed);
  return buildAirfoil(std::move(std::get<std::string>(name)), std::get<StationNumbers>(numbers),
                      fileLabel, Pi);
}

}  // namespace

std::variant<AirfoilData, ReadFailure> parseNcaFile(std::istream& in, std::string_view fileLabel,
                                                    double Pi) {
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::bad_alloc&) {
    return failure(fileLabel, "there is not enough memory to read it");
  } catch (const std::exception&) {
    // A stream buffer reports a failing device by throwing; it is a read error like any other.
    return failure(fileLabel, "the file could not be read to its end");
  }
  if (in.bad()) return failure(fileLabel, "the file could not be read to its end");
  // An old editor's end-of-file mark is not part of the text.
  while (!bytes.empty() && bytes.back() == kEndOfFileMark) bytes.pop_back();
  auto read = parseAirfoil(bytes, fileLabel, Pi);
  if (std::holds_alternative<ReadFailure>(read) && looksLikeUtf16(bytes)) {
    return failure(fileLabel,
                   "the file is in UTF-16, a text encoding this program does not read; save it "
                   "as plain text (ANSI or UTF-8)");
  }
  return read;
}

}  // namespace vantrel
