#include "app/number_chars.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

bool spellsInfinity(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() && (text.front() == 'i' || text.front() == 'I');
}

bool hasNonzeroMantissaDigit(std::string_view text) {
  const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
  return std::any_of(mantissa.begin(), mantissa.end(), [](char c) { return c >= '1' && c <= '9'; });
}

}  // namespace

NumberParse parseDoubleChars(const char* first, const char* last, double& value) {
  double parsed = 0;
  const auto result = fast_float::from_chars(first, last, parsed);
  if (result.ec != std::errc()) return {result.ptr, result.ec};
  // fast_float rounds an overflow to infinity and an underflow to zero; the standard library
  // reports both as out of range and leaves the value alone, and the readers rely on that.
  const std::string_view used(first, static_cast<std::size_t>(result.ptr - first));
  const bool overflow = std::isinf(parsed) && !spellsInfinity(used);
  const bool underflow = parsed == 0 && hasNonzeroMantissaDigit(used);
  if (overflow || underflow) return {result.ptr, std::errc::result_out_of_range};
  value = parsed;
  return {result.ptr, std::errc()};
}

std::string fixedText(double value, int decimals) {
  return fmt::format("{:.{}f}", value, decimals);
}

std::string generalText(double value, int significantDigits) {
  return fmt::format("{:.{}g}", value, significantDigits);
}

}  // namespace vantrel
