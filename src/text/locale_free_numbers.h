#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace vantrel {

// Number <-> text in the "C" conventions, whatever the process locale, through kept libraries
// (fast_float, fmt) so every build, WebAssembly included, writes and reads the same bits.

struct NumberParse {
  const char* ptr;  // one past the last character used
  std::errc ec;     // result_out_of_range leaves the value untouched, as std::from_chars does
};

// Reads a double as std::from_chars does in its general format: no leading '+' or blank.
NumberParse parseDoubleChars(const char* first, const char* last, double& value);

// printf-style "%.*f" and "%.*g" with correct rounding (an exact tie goes to the even digit).
std::string fixedText(double value, int decimals);
std::string generalText(double value, int significantDigits);
// The shortest text that reads back to the same value, in fixed or exponent notation, whichever
// is shorter (fixed on a tie), as std::to_chars writes it without a format.
std::string shortestText(double value);
std::string shortestText(float value);

}  // namespace vantrel
