// The number text takes whatever the user types and every double the analyses produce (infinities,
// NaN, subnormals, huge values): none may crash or read outside its buffers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "text/number_text.h"

namespace {

constexpr std::string_view kPatterns[] = {"#0.####0", "#.####0",  "#.##0", "###", "#0.0",
                                          "0",        "#0.00000", "#",     "0.#", ""};

double doubleFrom(const std::uint8_t* data) {
  double value = 0.0;
  std::memcpy(&value, data, sizeof value);
  return value;
}

void checkText(const std::string& text, const char* what) {
  if (text.size() > 400) {
    std::fprintf(stderr, "%s gave %zu characters\n", what, text.size());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The whole input as typed text.
  const std::string_view typed(reinterpret_cast<const char*>(data), size);
  const double parsed = vantrel::TextToNumber(typed);
  checkText(vantrel::NumberToText(parsed), "NumberToText of typed text");
  checkText(vantrel::NumberToText(parsed, 3), "NumberToText(3) of typed text");

  if (size < sizeof(double) + 2) return 0;
  const double value = doubleFrom(data);
  const int decimals = static_cast<int>(data[sizeof(double)] % 20);
  const std::string_view pattern = kPatterns[data[sizeof(double) + 1] % std::size(kPatterns)];

  const std::string plain = vantrel::NumberToText(value);
  checkText(plain, "NumberToText");
  checkText(vantrel::NumberToText(value, decimals), "NumberToText(decimals)");
  checkText(vantrel::FormatPattern(value, pattern), "FormatPattern");
  if (size >= sizeof(double) + 2 + sizeof(long)) {
    long index = 0;
    std::memcpy(&index, data + sizeof(double) + 2, sizeof index);
    checkText(vantrel::BareNumber(index), "BareNumber");
  }

  // What the program writes in a text box it must read back as the same value (15 digits).
  if (std::isfinite(value)) {
    const double back = vantrel::TextToNumber(plain);
    const double tolerance = std::fabs(value) * 1e-14;
    if (!(std::fabs(back - value) <= tolerance)) {
      std::fprintf(stderr, "NumberToText(%.17g) = \"%s\" reads back as %.17g\n", value,
                   plain.c_str(), back);
      std::abort();
    }
  }
  return 0;
}
