#include "text/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "text/locale_free_numbers.h"

namespace vantrel {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest numeric prefix of `text` (sign, mantissa, optional exponent); 0 if none.
std::size_t numericPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentStart = j;
    while (j < text.size() && isDigit(text[j])) ++j;
    if (j > exponentStart) i = j;
  }
  return i;
}

// A double as the decimal a person reads: its 15 significant digits, correctly rounded.
struct Decimal {
  bool negative = false;
  std::string digits;  // 15 digits, the first nonzero unless the value is zero
  int pointIndex = 0;  // how many of `digits` stand before the decimal point (may be <= 0)
};

Decimal toDecimal15(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  Decimal decimal;
  std::string_view text(buffer);
  if (text.front() == '-') {
    decimal.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (isDigit(text[i])) decimal.digits.push_back(text[i]);
  }
  int exponent = 0;
  std::string_view exponentText = text.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  decimal.pointIndex = exponent + 1;
  return decimal;
}

enum class Tie { ToEven, AwayFromZero };

struct Fixed {
  bool negative = false;
  std::string integerDigits;   // without leading zeros; empty for 0
  std::string fractionDigits;  // exactly `decimals` digits
  bool isZero() const {
    return integerDigits.empty() && std::all_of(fractionDigits.begin(), fractionDigits.end(),
                                                [](char c) { return c == '0'; });
  }
};

bool shouldRoundUp(const std::string& kept, std::string_view dropped, Tie tie) {
  if (dropped.empty() || dropped.front() < '5') return false;
  if (dropped.front() > '5') return true;
  if (dropped.find_first_not_of('0', 1) != std::string_view::npos) return true;
  if (tie == Tie::AwayFromZero) return true;
  const char last = kept.empty() ? '0' : kept.back();
  return (last - '0') % 2 == 1;
}

void incrementDecimalString(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

Fixed roundToDecimals(double value, int decimals, Tie tie) {
  const Decimal decimal = toDecimal15(value);
  const int kept = decimal.pointIndex + decimals;
  std::string scaled;  // the value times 10^decimals, as whole digits
  if (kept >= static_cast<int>(decimal.digits.size())) {
    scaled =
        decimal.digits + std::string(static_cast<std::size_t>(kept) - decimal.digits.size(), '0');
  } else if (kept >= 0) {
    scaled = decimal.digits.substr(0, static_cast<std::size_t>(kept));
    if (shouldRoundUp(scaled, std::string_view(decimal.digits).substr(kept), tie)) {
      incrementDecimalString(scaled);
    }
  }
  if (scaled.size() <= static_cast<std::size_t>(decimals)) {
    scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
  }
  Fixed fixed;
  fixed.negative = decimal.negative;
  const std::size_t split = scaled.size() - static_cast<std::size_t>(decimals);
  fixed.integerDigits = scaled.substr(0, split);
  fixed.integerDigits.erase(0, fixed.integerDigits.find_first_not_of('0'));
  if (fixed.integerDigits.find_first_not_of('0') == std::string::npos) fixed.integerDigits.clear();
  fixed.fractionDigits = scaled.substr(split);
  if (fixed.isZero()) fixed.negative = false;
  return fixed;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

std::string shortestPlain(const Fixed& fixed) {
  std::string fraction = fixed.fractionDigits;
  fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string text = fixed.negative ? "-" : "";
  text += fixed.integerDigits.empty() ? "0" : fixed.integerDigits;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace

namespace {

// The number at the start of a text box as typed ("-1e400"), without the blanks before it.
std::string_view leadingNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  text.remove_prefix(start);
  return text.substr(0, numericPrefixLength(text));
}

struct TypedNumber {
  double value = 0.0;
  bool beyondDoubles = false;  // the magnitude typed exceeds the largest double
};

TypedNumber typedNumber(std::string_view text) {
  std::string_view number = leadingNumber(text);
  if (number.empty()) return {};
  const bool negative = number.front() == '-';
  if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
  TypedNumber typed;
  const auto [end, error] =
      parseDoubleChars(number.data(), number.data() + number.size(), typed.value);
  if (error == std::errc::result_out_of_range) {
    // Too large a magnitude saturates; too small a one is zero.
    typed.beyondDoubles = number.find_first_of("eE") == std::string_view::npos ||
                          number[number.find_first_of("eE") + 1] != '-';
    typed.value = typed.beyondDoubles ? std::numeric_limits<double>::max() : 0.0;
  }
  if (negative) typed.value = -typed.value;
  return typed;
}

}  // namespace

double TextToNumber(std::string_view text) {
  return typedNumber(text).value;
}

bool TextNumberBeyondDoubles(std::string_view text) {
  return typedNumber(text).beyondDoubles;
}

std::string LeadingNumberText(std::string_view text) {
  return std::string(leadingNumber(text));
}

std::string NumberToText(double value, int decimals) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return shortestPlain(roundToDecimals(value, std::max(decimals, 0), Tie::ToEven));
}

std::string NumberToText(double value) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const int pointIndex = toDecimal15(value).pointIndex;
  return shortestPlain(roundToDecimals(value, std::max(0, 15 - pointIndex), Tie::ToEven));
}

std::string FormatPattern(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const std::size_t point = pattern.find('.');
  const std::string_view integerPlaces = pattern.substr(0, point);
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
  const Fixed fixed = roundToDecimals(value, decimals, Tie::AwayFromZero);
  std::string text = fixed.negative ? "-" : "";
  if (!fixed.integerDigits.empty()) {
    text += fixed.integerDigits;
  } else if (integerPlaces.find('0') != std::string_view::npos) {
    text += '0';
  }
  if (decimals > 0) text += "." + fixed.fractionDigits;
  return text;
}

std::string BareNumber(long value) {
  // The magnitude is taken unsigned: the most negative long has no positive counterpart.
  const unsigned long magnitude =
      value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  const std::string digits = std::to_string(magnitude);
  return (value < 0 ? "-" : " ") + digits + " ";
}

}  // namespace vantrel
