#include "text/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vantrel {
namespace {

TEST(TextToNumber, TakesTheNumberAtTheStart) {
  EXPECT_EQ(TextToNumber("2abc"), 2.0);
  EXPECT_EQ(TextToNumber("abc"), 0.0);
  EXPECT_EQ(TextToNumber(" -2.5"), -2.5);
  EXPECT_EQ(TextToNumber(".5"), 0.5);
  EXPECT_EQ(TextToNumber(""), 0.0);
  EXPECT_EQ(TextToNumber("1e2"), 100.0);
  EXPECT_EQ(TextToNumber("\t+3.25x"), 3.25);
  EXPECT_EQ(TextToNumber("1e"), 1.0);
  EXPECT_EQ(TextToNumber("2.5e-1kg"), 0.25);
  EXPECT_EQ(TextToNumber("-"), 0.0);
  EXPECT_EQ(TextToNumber("."), 0.0);
  EXPECT_EQ(TextToNumber("4,5"), 4.0);
}

TEST(TextToNumber, HugeAndTinyExponentsStayFinite) {
  EXPECT_GT(TextToNumber("1e999"), 1e300);
  EXPECT_LT(TextToNumber("-1e999"), -1e300);
  EXPECT_EQ(TextToNumber("1e-999"), 0.0);
}

// "xm 1e999" is refused as "alfa 1e999" is, never taken for the largest double.
TEST(TextToNumber, TellsANumberBeyondEveryDoubleAndQuotesItAsTyped) {
  EXPECT_TRUE(TextNumberBeyondDoubles(" 1e999"));
  EXPECT_TRUE(TextNumberBeyondDoubles("-1e400abc"));
  EXPECT_FALSE(TextNumberBeyondDoubles("1e-999"));
  EXPECT_FALSE(TextNumberBeyondDoubles("1.7976931348623157e308"));
  EXPECT_FALSE(TextNumberBeyondDoubles("abc"));
  EXPECT_EQ(LeadingNumberText("  -1e400 degrees"), "-1e400");
  EXPECT_EQ(LeadingNumberText("abc"), "");
}

TEST(NumberToText, RoundsTiesToEvenOnTheReadableDecimal) {
  EXPECT_EQ(NumberToText(0.125, 2), "0.12");
  EXPECT_EQ(NumberToText(0.375, 2), "0.38");
  EXPECT_EQ(NumberToText(-1.1459155902616465, 2), "-1.15");
  EXPECT_EQ(NumberToText(-0.039269908169872414, 4), "-0.0393");
  EXPECT_EQ(NumberToText(0.3449880, 3), "0.345");
  EXPECT_EQ(NumberToText(0.0005, 3), "0");
  EXPECT_EQ(NumberToText(0.0015, 3), "0.002");
  EXPECT_EQ(NumberToText(-0.0001, 3), "0");
  EXPECT_EQ(NumberToText(-0.0, 2), "0");
  EXPECT_EQ(NumberToText(9.9996, 3), "10");
  EXPECT_EQ(NumberToText(2.5, 0), "2");
  EXPECT_EQ(NumberToText(0.00052, 3), "0.001");
}

TEST(NumberToText, UnroundedValuesUseTheShortestPlainForm) {
  EXPECT_EQ(NumberToText(-10.0), "-10");
  EXPECT_EQ(NumberToText(-2.5), "-2.5");
  EXPECT_EQ(NumberToText(7 / 100.0), "0.07");
  EXPECT_EQ(NumberToText((95 - 100) / 10.0), "-0.5");
  EXPECT_EQ(NumberToText((103 - 100) / 10.0), "0.3");
  EXPECT_EQ(NumberToText(3.0), "3");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToText(1e-7), "0.0000001");
  EXPECT_EQ(NumberToText(1e20), "100000000000000000000");
  EXPECT_EQ(NumberToText(-0.0), "0");
}

TEST(FormatPattern, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatPattern(0.008045, "#0.####0"), "0.00805");
  EXPECT_EQ(FormatPattern(0.015625, "#0.####0"), "0.01563");
  EXPECT_EQ(FormatPattern(0.03125, "##0.###0"), "0.0313");
  EXPECT_EQ(FormatPattern(-0.0412, "#0.####0"), "-0.04120");
  EXPECT_EQ(FormatPattern(0.25, "##0.###0"), "0.2500");
  EXPECT_EQ(FormatPattern(-1.1459155902616465, "#.##0"), "-1.146");
  EXPECT_EQ(FormatPattern(-2.0756, "#.##0"), "-2.076");
}

TEST(FormatPattern, HashBeforeThePointDropsTheZero) {
  EXPECT_EQ(FormatPattern(0.5, "#.##0"), ".500");
  EXPECT_EQ(FormatPattern(-0.039269908169872414, "#.###0"), "-.0393");
  EXPECT_EQ(FormatPattern(0.08, "#.####0"), ".08000");
  EXPECT_EQ(FormatPattern(-0.0123456, "#.####0"), "-.01235");
  EXPECT_EQ(FormatPattern(123.456, "#.##0"), "123.456");
}

TEST(FormatPattern, ValuesRoundingToZeroHaveNoSign) {
  EXPECT_EQ(FormatPattern(-0.000001, "#0.####0"), "0.00000");
  EXPECT_EQ(FormatPattern(-0.00004, "#.###0"), ".0000");
  EXPECT_EQ(FormatPattern(-0.0, "#0.####0"), "0.00000");
}

TEST(FormatPattern, WholeNumberPatterns) {
  EXPECT_EQ(FormatPattern(7, "###"), "7");
  EXPECT_EQ(FormatPattern(125, "###"), "125");
  EXPECT_EQ(FormatPattern(1234, "###"), "1234");
  EXPECT_EQ(FormatPattern(0, "#0"), "0");
  EXPECT_EQ(FormatPattern(3, "#"), "3");
}

TEST(BareNumber, HasABlankWhereTheSignStandsAndOneAfter) {
  EXPECT_EQ(BareNumber(1), " 1 ");
  EXPECT_EQ(BareNumber(12), " 12 ");
  EXPECT_EQ(BareNumber(-3), "-3 ");
}

TEST(BareNumber, WritesTheExtremesOfItsRange) {
  EXPECT_EQ(BareNumber(std::numeric_limits<long>::min()),
            "-" + std::to_string(std::numeric_limits<unsigned long>::max() / 2 + 1) + " ");
  EXPECT_EQ(BareNumber(std::numeric_limits<long>::max()),
            " " + std::to_string(std::numeric_limits<long>::max()) + " ");
}

}  // namespace
}  // namespace vantrel
