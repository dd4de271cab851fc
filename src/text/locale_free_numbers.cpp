#include "text/locale_free_numbers.h"

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

// The shortest round-trip digits without leading or trailing zeros, and the power of ten of the
// first of them.
struct ShortestDigits {
  std::string digits;
  int exponent = 0;
};

ShortestDigits shortestDigits(std::string_view text) {
  ShortestDigits shortest;
  const std::size_t e = text.find('e');
  const std::string_view mantissa = text.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  for (char c : mantissa)
    if (c != '.') shortest.digits.push_back(c);
  int exponent = static_cast<int>(point) - 1;
  if (e != std::string_view::npos) exponent += std::stoi(std::string(text.substr(e + 1)));
  const std::size_t leadingZeros = shortest.digits.find_first_not_of('0');
  shortest.digits.erase(0, leadingZeros);
  shortest.exponent = exponent - static_cast<int>(leadingZeros);
  shortest.digits.erase(shortest.digits.find_last_not_of('0') + 1);
  return shortest;
}

std::string exponentNotation(const ShortestDigits& shortest) {
  std::string text(1, shortest.digits.front());
  if (shortest.digits.size() > 1) text.append(".").append(shortest.digits, 1);
  const int exponent = std::abs(shortest.exponent);
  text += fmt::format("e{}{:02}", shortest.exponent < 0 ? '-' : '+', exponent);
  return text;
}

template <typename Number>
std::string fixedNotation(Number magnitude, const ShortestDigits& shortest) {
  const int count = static_cast<int>(shortest.digits.size());
  // A whole number is written with all its digits, exactly.
  if (shortest.exponent >= count - 1) return fmt::format("{:.0f}", magnitude);
  if (shortest.exponent >= 0) {
    const auto point = static_cast<std::size_t>(shortest.exponent) + 1;
    return shortest.digits.substr(0, point) + "." + shortest.digits.substr(point);
  }
  return "0." + std::string(static_cast<std::size_t>(-shortest.exponent - 1), '0') +
         shortest.digits;
}

template <typename Number>
std::string shortestFor(Number value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  const Number magnitude = std::abs(value);
  const ShortestDigits shortest = shortestDigits(fmt::format("{}", magnitude));
  const std::string fixed = fixedNotation(magnitude, shortest);
  const std::string exponent = exponentNotation(shortest);
  return sign + (fixed.size() <= exponent.size() ? fixed : exponent);
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

std::string shortestText(double value) {
  return shortestFor(value);
}

std::string shortestText(float value) {
  return shortestFor(value);
}

}  // namespace vantrel
