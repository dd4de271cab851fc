#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vantrel::batch {

// The documents the tool writes, keys in the order they are set.
using Json = nlohmann::ordered_json;
// For what is drawn in single precision (the display lists' lines and circles): its numbers are
// floats, so they print without the noise digits of their widening to double.
using FloatJson = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                       std::int64_t, std::uint64_t, float>;

// A document on one line as the tool has always written it: ", " between items and ": " after a
// key, numbers in shortest round-trip form ("0.1", "3", "1e-05", "-0") whatever the locale, null
// for NaN and infinity, and an array of numbers without spaces ("[0,0.5,null]"). Text is taken
// as UTF-8: a byte that does not belong to a valid UTF-8 sequence becomes U+FFFD, so the output
// is valid JSON whatever it is given.
std::string jsonText(const Json& document);
std::string jsonText(const FloatJson& document);

}  // namespace vantrel::batch
