#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>

namespace vantrel {

struct ConvertError {
  std::string message;  // names the file and the line
};

// Reads an airfoil in the Selig or the Lednicer layout, normalises it to the chord and writes it
// in this program's own layout with `stations` stations at cosine spacing.
std::variant<std::string, ConvertError> convertToDataFile(std::istream& in,
                                                          std::string_view fileLabel,
                                                          int stations = 61);

}  // namespace vantrel
