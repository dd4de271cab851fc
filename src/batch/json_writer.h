#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::batch {

// A JSON string literal, quotes included. The text is taken as UTF-8; a byte that does not belong
// to a valid UTF-8 sequence becomes U+FFFD, so the output is valid JSON whatever it is given.
std::string jsonString(std::string_view text);

// A JSON number in shortest round-trip form; null for a value JSON cannot hold (NaN, infinity).
std::string jsonNumber(double value);
std::string jsonNumber(float value);

// "[1,2.5,null]"
std::string jsonArray(const std::vector<double>& values);

}  // namespace vantrel::batch
