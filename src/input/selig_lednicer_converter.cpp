#include "input/selig_lednicer_converter.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "input/airfoil_normalise.h"
#include "input/convert_message.h"
#include "input/monotone_cubic.h"
#include "input/published_quirks.h"
#include "input/selig_lednicer_layout.h"
#include "numerics/elementary_functions.h"
#include "text/locale_free_numbers.h"

namespace vantrel {
namespace {

constexpr int kMaxStations = 100000;
constexpr std::string_view kLineEnd = "\r\n";

// Eight decimals, a point whatever the locale, and no "-0.00000000" for a value that rounds to 0.
std::string coordinate(double value) {
  std::string text = fixedText(value, 8);
  if (text.find_first_not_of("-0.") == std::string::npos) text = "0.00000000";
  return text[0] == '-' ? text : " " + text;
}

std::vector<double> cosineStations(int stations) {
  const double pi = 4 * cr::atan(1.0);
  std::vector<double> x(static_cast<std::size_t>(stations));
  for (int i = 0; i < stations; ++i) {
    x[static_cast<std::size_t>(i)] = (1 - cr::cos(pi * i / (stations - 1))) / 2;
  }
  return x;
}

// Whether the program's reader would take the name for a quoted one: it passes over a byte-order
// mark and blanks before it looks for the opening quote.
bool readsAsQuoted(std::string_view name) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (name.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    name.remove_prefix(kByteOrderMark.size());
  }
  const std::size_t first = name.find_first_not_of(" \t");
  return first != std::string_view::npos && name[first] == '"';
}

// The program's reader ends an unquoted name at a comma and has no escape for a quote inside a
// quoted one: such a name is quoted, with its own double quotes made single.
std::string nameItem(const std::string& name) {
  if (name.find(',') == std::string::npos && !readsAsQuoted(name)) return name;
  std::string item = "\"";
  for (const char c : name) item += c == '"' ? '\'' : c;
  return item + "\"";
}

std::string frameNote(const ChordFrame& frame) {
  if (frame.asGiven) {
    return frame.length == 1 ? "chord taken as given (unit chord: not turned, not scaled)"
                             : "chord taken as given (percent of the chord: divided by 100, "
                               "not turned)";
  }
  return "chord normalised: leading edge (" + messageNumber(frame.leadingX) + ", " +
         messageNumber(frame.leadingY) + "), length " + messageNumber(frame.length) + ", turned " +
         messageNumber(-frame.angleDegrees) + " degrees";
}

std::string sourceNote(std::string_view fileLabel, ForeignLayout layout, const ChordFrame& frame,
                       const std::vector<std::string>& notes) {
  const std::string file = std::filesystem::path(std::string(fileLabel)).filename().string();
  const char* layoutName = layout == ForeignLayout::Selig ? "Selig" : "Lednicer";
  std::string note = "Converted from " + file + " (" + layoutName + "); ";
  for (const auto& each : notes) note += each + "; ";
  return note + frameNote(frame);
}

// A chord near 100 long, not already taken as given, is a file in percent of the chord.
void notePercent(const ChordFrame& frame, std::vector<std::string>& notes) {
  if (!frame.asGiven && std::abs(frame.length - 100) <= 1) {
    notes.push_back("coordinates in percent of the chord");
  }
}

// A surface many orders of magnitude higher than its chord can interpolate beyond the range of a
// double; the reader would then refuse the file it is given, so the conversion refuses it here.
bool readableStation(double yU, double yL) {
  return std::isfinite(yU) && std::isfinite(yL) && std::isfinite(yU + yL);
}

std::variant<std::string, ConvertError> dataFileText(const std::string& name,
                                                     const std::string& note,
                                                     const ChordSurfaces& surfaces, int stations,
                                                     std::string_view fileLabel) {
  const MonotoneCubic upper = surfaceCurve(surfaces.upper);
  const MonotoneCubic lower = surfaceCurve(surfaces.lower);
  std::string text = nameItem(name);
  text.append(kLineEnd).append(note).append(kLineEnd);
  text.append("xU yU xL yL").append(kLineEnd);
  for (const double x : cosineStations(stations)) {
    const double yU = upper(x);
    const double yL = lower(x);
    if (!readableStation(yU, yL)) {
      return fileError(fileLabel, "at x/c = " + messageNumber(x) +
                                      " the surfaces lie too far from the chord to be written");
    }
    const std::string station = coordinate(x);
    text.append(station).append(" ").append(coordinate(yU)).append(" ");
    text.append(station).append(" ").append(coordinate(yL)).append(kLineEnd);
  }
  return text;
}

}  // namespace

std::string messageNumber(double value) {
  return generalText(value == 0 ? 0.0 : value, 6);
}

std::variant<ConvertedFile, ConvertError> convertAirfoil(std::istream& in,
                                                         std::string_view fileLabel, int stations) {
  if (stations < 2 || stations > kMaxStations) {
    return fileError(fileLabel, "the number of stations must be 2 to " +
                                    std::to_string(kMaxStations) + ", not " +
                                    std::to_string(stations));
  }
  auto read = readForeignContour(in, fileLabel);
  if (auto* error = std::get_if<ConvertError>(&read)) return std::move(*error);
  const auto& contour = std::get<ForeignContour>(read);
  std::vector<std::string> notes = contour.notes;
  auto normalised = settlePublishedQuirks(contour, notes, fileLabel);
  if (auto* error = std::get_if<ConvertError>(&normalised)) return std::move(*error);
  const auto& surfaces = std::get<ChordSurfaces>(normalised);
  notePercent(surfaces.frame, notes);
  auto text =
      dataFileText(contour.name, sourceNote(fileLabel, contour.layout, surfaces.frame, notes),
                   surfaces, stations, fileLabel);
  if (auto* error = std::get_if<ConvertError>(&text)) return std::move(*error);
  return ConvertedFile{std::move(std::get<std::string>(text)), std::move(notes)};
}

std::variant<std::string, ConvertError> convertToDataFile(std::istream& in,
                                                          std::string_view fileLabel,
                                                          int stations) {
  auto converted = convertAirfoil(in, fileLabel, stations);
  if (auto* error = std::get_if<ConvertError>(&converted)) return std::move(*error);
  return std::move(std::get<ConvertedFile>(converted).text);
}

}  // namespace vantrel
