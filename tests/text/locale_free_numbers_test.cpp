// The kept libraries must give exactly what the standard library gives where it has both, so the
// native reports do not change and the WebAssembly build (which lacks them) writes the same bytes.
#include "text/locale_free_numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::string> edgeTexts() {
  return {"1e400",
          "-1e400",
          "1e-400",
          "2e-324",
          "4.9e-324",
          "2.5e-324",
          "1.7976931348623157e308",
          "1.8e308",
          "inf",
          "-inf",
          "nan",
          "Infinity",
          "0e99999",
          "1e",
          "1.",
          ".5",
          "-.5",
          "1e+",
          "0x1p3",
          "00001.5",
          "9e-325",
          "-0",
          "0.000",
          "2.2250738585072011e-308",
          "123456789012345678901234567890e-400",
          "+1",
          " 1",
          ""};
}

void expectSameParse(const std::string& text) {
  double standard = 7, kept = 7;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto expected = std::from_chars(first, last, standard);
  const auto actual = parseDoubleChars(first, last, kept);
  EXPECT_EQ(actual.ec, expected.ec) << text;
  EXPECT_EQ(actual.ptr, expected.ptr) << text;
  EXPECT_EQ(std::bit_cast<std::uint64_t>(kept), std::bit_cast<std::uint64_t>(standard)) << text;
}

std::string standardText(double value, std::chars_format format, int precision) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
}

TEST(NumberChars, ReadsAsTheStandardLibraryDoes) {
  for (const std::string& text : edgeTexts()) expectSameParse(text);
  std::mt19937_64 random(13);
  char buffer[64];
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(random());
    std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(random() % 20 + 1), value);
    expectSameParse(buffer);
  }
}

TEST(NumberChars, WritesAsTheStandardLibraryDoes) {
  std::mt19937_64 random(29);
  std::vector<double> values = {0.125, 0.375, 2.5, 5e-9, 1.25e-8, -5e-9, 1e300, 1e-300, 0.0, -0.0};
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(
        std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 80)));
  }
  for (double value : values) {
    EXPECT_EQ(fixedText(value, 8), standardText(value, std::chars_format::fixed, 8)) << value;
    EXPECT_EQ(generalText(value, 6), standardText(value, std::chars_format::general, 6)) << value;
  }
}

template <typename Number>
std::string standardShortest(Number value) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

TEST(NumberChars, WritesTheShortestTextAsTheStandardLibraryDoes) {
  std::mt19937_64 random(31);
  std::vector<double> values = {0.0,
                                -0.0,
                                1e5,
                                1e15,
                                1e16,
                                1e-4,
                                1e-5,
                                1.2345678901234568e20,
                                5e-324,
                                1.7976931348623157e308,
                                0.1,
                                -2.5,
                                123456789012345680.0};
  for (int i = 0; i < 20000; ++i) {
    values.push_back(std::bit_cast<double>(random()));
    values.push_back(
        std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 80)));
    values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 2000000) - 1000000) /
                     static_cast<double>(1 << (random() % 20)));
  }
  for (double value : values) {
    EXPECT_EQ(shortestText(value), standardShortest(value)) << value;
    const float single = static_cast<float>(value);
    EXPECT_EQ(shortestText(single), standardShortest(single)) << single;
  }
}

}  // namespace
}  // namespace vantrel
