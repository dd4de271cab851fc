#pragma once

#include <string>
#include <string_view>

#include "input/foreign_airfoil.h"

namespace vantrel {

// Every conversion message starts with the file, and with the line where one line is at fault,
// so the user can open the file at the right place.
inline ConvertError fileError(std::string_view fileLabel, std::string_view what) {
  return ConvertError{std::string(fileLabel) + ": " + std::string(what)};
}

inline ConvertError lineError(std::string_view fileLabel, int line, std::string_view what) {
  return ConvertError{std::string(fileLabel) + ", line " + std::to_string(line) + ": " +
                      std::string(what)};
}

// A value for a message: up to six significant digits, a point as the decimal separator.
std::string messageNumber(double value);

}  // namespace vantrel
