#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The number at the start of a text box: blanks skipped, then an optional sign, digits with an
// optional point and fraction, and an optional exponent. Text without such a start counts as 0.
double TextToNumber(std::string_view text);

// Whether that number's magnitude lies beyond the largest double ("1e999"), which TextToNumber
// gives as the largest double: a value the user did not type.
bool TextNumberBeyondDoubles(std::string_view text);

// That number as typed ("-1e400"), for a message that must not quote 309 digits.
std::string LeadingNumberText(std::string_view text);

// A result for a text box: rounded to `decimals` places (a tie to the even digit), then written
// in its shortest plain form ("-0.0393", "0.345", "3"; never "-0").
std::string NumberToText(double value, int decimals);

// An unrounded value (a scroll-bar value, the degree) in the same shortest plain form.
std::string NumberToText(double value);

// A number in a report display pattern such as "#0.####0", "#.##0" or "###": rounded half away
// from zero; "#" places before the point drop the zero; nothing is padded.
std::string FormatPattern(double value, std::string_view pattern);

// A loop index written without a pattern: a blank (or "-"), the digits, a blank.
std::string BareNumber(long value);

}  // namespace vantrel
