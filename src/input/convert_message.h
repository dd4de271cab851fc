#pragma once

#include <string>
#include <string_view>

#include "input/selig_lednicer_converter.h"
#include "text/windows1254_text.h"

namespace vantrel {

// Every conversion message names the file, and the line where one line is at fault, so the user
// can open the file at the right place; worded as the reader of the program's own files words its.
inline std::string convertingFile(std::string_view fileLabel) {
  return "Cannot convert \"" + quotedForMessage(fileLabel, 200) + "\"";
}

inline ConvertError fileError(std::string_view fileLabel, std::string_view what) {
  return ConvertError{convertingFile(fileLabel) + ": " + std::string(what) + "."};
}

inline ConvertError lineError(std::string_view fileLabel, int line, std::string_view what) {
  return ConvertError{convertingFile(fileLabel) + ", line " + std::to_string(line) + ": " +
                      std::string(what) + "."};
}

inline ConvertError strayPointsError(std::string_view fileLabel, int strayLine, int closedLine) {
  return lineError(fileLabel, strayLine,
                   "a point after the outline closed at line " + std::to_string(closedLine) +
                       "; padding and stray points cannot be read");
}

// A value for a message: up to six significant digits, a point as the decimal separator.
std::string messageNumber(double value);

}  // namespace vantrel
