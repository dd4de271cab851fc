#include "input/nca_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vantrel {
namespace {

const double kPi = 4 * std::atan(1.0);

std::variant<AirfoilData, ReadFailure> parse(const std::string& text) {
  std::istringstream in(text);
  return parseNcaFile(in, "wing.nca", kPi);
}

AirfoilData parsed(const std::string& text) {
  auto result = parse(text);
  if (auto* failed = std::get_if<ReadFailure>(&result)) {
    ADD_FAILURE() << failed->message;
    return {};
  }
  return std::get<AirfoilData>(std::move(result));
}

std::string failureOf(const std::string& text) {
  auto result = parse(text);
  if (auto* failed = std::get_if<ReadFailure>(&result)) return failed->message;
  ADD_FAILURE() << "read without a failure";
  return {};
}

const std::string kStationsOnePerLine =
    "0 0 0 0\r\n"
    "0.25 0.0654 0.25 -0.0412\r\n"
    "1 0 1 0\r\n";

const std::string kTwoStations = "0 0 0 0\r\n1 0 1 0\r\n";

TEST(AirfoilReaderName, NameItemRules) {
  EXPECT_EQ(parsed("NACA 2412\r\na\r\nb\r\n" + kTwoStations).AirfoilName, "NACA 2412");
  EXPECT_EQ(parsed("   \tLeading blanks\r\na\r\nb\r\n" + kTwoStations).AirfoilName,
            "Leading blanks");
  EXPECT_EQ(parsed("\"Quoted, with comma\"\r\na\r\nb\r\n" + kTwoStations).AirfoilName,
            "Quoted, with comma");
  EXPECT_EQ(parsed("\"Quoted\" and dropped\r\na\r\nb\r\n" + kTwoStations).AirfoilName, "Quoted");
  EXPECT_EQ(parsed(",\r\nb\r\n" + kTwoStations).AirfoilName, "");
  EXPECT_EQ(parsed("\xEF\xBB\xBFWith mark\r\na\r\nb\r\n" + kTwoStations).AirfoilName, "With mark");
  EXPECT_EQ(parsed("Kanat \xDE\xFD\r\na\r\nb\r\n" + kTwoStations).AirfoilName, "Kanat \xDE\xFD");
}

TEST(AirfoilReaderName, UnquotedCommaEndsTheNameAndTheRestIsTheFirstSkippedLine) {
  const AirfoilData airfoil =
      parsed("Wing, rest of line one\r\nline two\r\n" + kStationsOnePerLine);
  EXPECT_EQ(airfoil.AirfoilName, "Wing");
  EXPECT_EQ(airfoil.NPoint, 3);
  EXPECT_EQ(airfoil.xU[1], 0.0);
  // A quoted name with a comma after it behaves the same.
  EXPECT_EQ(parsed("\"A, B\", rest\r\nline two\r\n" + kStationsOnePerLine).NPoint, 3);
}

TEST(AirfoilReaderName, SkippedLinesMayHoldAnything) {
  const AirfoilData airfoil = parsed("Wing\r\n1 2 3 4\r\nx, \"y\r\n" + kStationsOnePerLine);
  EXPECT_EQ(airfoil.NPoint, 3);
  EXPECT_EQ(airfoil.yL[2], -0.0412);
}

TEST(AirfoilReaderStations, SeparatorsAndLayoutsGiveTheSameArrays) {
  const std::string header = "Wing\r\nh1\r\nh2\r\n";
  const AirfoilData blanks = parsed(header + kStationsOnePerLine);
  const std::string variants[] = {
      header + "0,0,0,0\r\n0.25,0.0654,0.25,-0.0412\r\n1,0,1,0\r\n",
      header + "0, 0 ,0,\t0\r\n  0.25 ,\t0.0654, 0.25 , -0.0412\r\n1 0 1 0",
      header + "0 0 0 0 0.25 0.0654 0.25 -0.0412\r\n1 0 1 0\r\n",
      header + "0 0\r\n0 0 0.25\r\n0.0654\r\n0.25 -0.0412 1 0 1 0,\r\n",
      header + "0 0 0 0\r\n2.5e-1 6.54E-2 +.25 -4.12e-02\r\n1. 0 1.0e0 -0\r\n",
      "Wing\nh1\nh2\n0 0 0 0\n0.25 0.0654 0.25 -0.0412\n1 0 1 0\n",
      "Wing\rh1\rh2\r0 0 0 0\r0.25 0.0654 0.25 -0.0412\r1 0 1 0\r",
      "Wing\r\nh1\nh2\r0 0 0 0\n0.25 0.0654 0.25 -0.0412\r\n1 0 1 0\r",
      header + kStationsOnePerLine + "   \t\r\n\r\n\t\n   ",
  };
  for (const std::string& text : variants) {
    SCOPED_TRACE(text);
    const AirfoilData other = parsed(text);
    EXPECT_EQ(other.AirfoilName, blanks.AirfoilName);
    EXPECT_EQ(other.NPoint, 3);
    EXPECT_EQ(other.xU, blanks.xU);
    EXPECT_EQ(other.yU, blanks.yU);
    EXPECT_EQ(other.xL, blanks.xL);
    EXPECT_EQ(other.yL, blanks.yL);
  }
}

TEST(AirfoilReaderStations, ArraysRunFromIndexZeroWithTheCamberLine) {
  const AirfoilData airfoil = parsed("Wing\r\nh1\r\nh2\r\n" + kStationsOnePerLine);
  ASSERT_EQ(airfoil.NPoint, 3);
  for (const auto* array : {&airfoil.xU, &airfoil.yU, &airfoil.xL, &airfoil.yL, &airfoil.xC,
                            &airfoil.yC, &airfoil.Theta}) {
    ASSERT_EQ(array->size(), 4u);
    EXPECT_EQ((*array)[0], 0.0);
  }
  EXPECT_EQ(airfoil.xC[2], 0.25);
  EXPECT_NEAR(airfoil.yC[2], 0.0121, 1e-15);
  EXPECT_NEAR(airfoil.Theta[2], kPi / 3, 1e-15);  // x = 0.25: cos Theta = 0.5
  EXPECT_EQ(airfoil.Theta[1], 0.0);
  EXPECT_EQ(airfoil.Theta[3], kPi);
}

// With no station, or one, every method would show zeros as if they were results.
TEST(AirfoilReaderStations, FewerThanTwoStationsAreRefusedNamingTheCount) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"Wing\r\nh1\r\nh2\r\n", "the file holds 0 stations; an airfoil needs at least 2."},
      {"Wing\r\nh1\r\nh2", "the file holds 0 stations; an airfoil needs at least 2."},
      {"Wing\r\nh1\r\n\r\n \t\r\n", "the file holds 0 stations; an airfoil needs at least 2."},
      {"Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n", "the file holds 1 station; an airfoil needs at least 2."},
      {"Wing\r\nh1\r\nh2\r\n0.5 0.1 0.5 -0.1",
       "the file holds 1 station; an airfoil needs at least 2."},
  };
  for (const auto& refused : cases) {
    SCOPED_TRACE(refused.text);
    EXPECT_EQ(failureOf(refused.text), "Cannot read \"wing.nca\": " + refused.message);
  }
  EXPECT_EQ(parsed("Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n1 0 1 0\r\n").NPoint, 2);
}

TEST(AirfoilReaderFailures, FileEndingTooEarly) {
  EXPECT_EQ(failureOf(""), "Cannot read \"wing.nca\": the file ends before the airfoil's name.");
  EXPECT_EQ(failureOf("  \t"),
            "Cannot read \"wing.nca\": the file ends before the airfoil's name.");
  EXPECT_EQ(failureOf("Wing"),
            "Cannot read \"wing.nca\": the file ends on line 1, before the two lines that follow "
            "the name.");
  EXPECT_EQ(failureOf("Wing\r\nh1\r\n"),
            "Cannot read \"wing.nca\": the file ends on line 3, before the two lines that follow "
            "the name.");
  EXPECT_EQ(failureOf("\"Wing, open\r\nh1\r\nh2\r\n"),
            "Cannot read \"wing.nca\": line 1, the name's closing double quote is missing.");
}

TEST(AirfoilReaderFailures, IncompleteLastStation) {
  EXPECT_EQ(failureOf("Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n0.5 0.1 0.5\r\n"),
            "Cannot read \"wing.nca\": station 2 (line 5) has only 3 of its 4 numbers.");
  EXPECT_EQ(failureOf("Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n\r\n1\r\n"),
            "Cannot read \"wing.nca\": station 2 (line 6) has only 1 of its 4 numbers.");
}

TEST(AirfoilReaderFailures, ItemsThatAreNotNumbers) {
  const std::string header = "Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n";
  EXPECT_EQ(failureOf(header + "0.5 0.1 0.2x -0.1\r\n"),
            "Cannot read \"wing.nca\": line 5, item 3 (\"0.2x\") is not a number.");
  EXPECT_EQ(failureOf(header + "0.5,0.1\t0.5,0,1\r\n1 0 1 nan\r\n"),
            "Cannot read \"wing.nca\": line 6, item 4 (\"nan\") is not a number.");
  // A decimal comma splits a number in two, which shows as a station left short.
  EXPECT_EQ(failureOf(header + "0.5 0.1 0,5 -0.1 1 0 1 0\r\n"),
            "Cannot read \"wing.nca\": station 4 (line 5) has only 1 of its 4 numbers.");
  EXPECT_EQ(failureOf(header + "0.5,,0.1,0.5,0.1\r\n"),
            "Cannot read \"wing.nca\": line 5, item 2 is empty: a comma has no number before it.");
  EXPECT_EQ(failureOf(header + ",0.5,0.1,0.5,0.1\r\n"),
            "Cannot read \"wing.nca\": line 5, item 1 is empty: a comma has no number before it.");
  EXPECT_EQ(failureOf(header + "0.5 1e999 0.5 0\r\n"),
            "Cannot read \"wing.nca\": line 5, item 2 (\"1e999\") is too large.");
  EXPECT_EQ(failureOf(header + "0.5 0.1 0.5 \x01\xFE"
                               "abcdefghijklmnopqrstuvwxyz\r\n"),
            "Cannot read \"wing.nca\": line 5, item 4 (\"?\xC5\x9F"
            "abcdefghijklmnopqrstuv...\") "
            "is not a number.");
  EXPECT_EQ(failureOf(header + "0.5 0.1 0.5 0x1p3\r\n"),
            "Cannot read \"wing.nca\": line 5, item 4 (\"0x1p3\") is not a number.");
}

TEST(AirfoilReaderFailures, TinyNumbersUnderflowToZero) {
  const AirfoilData airfoil = parsed("Wing\r\nh1\r\nh2\r\n0.5 1e-999 0.5 -1e-999\r\n1 0 1 0\r\n");
  EXPECT_EQ(airfoil.yU[1], 0.0);
  EXPECT_EQ(airfoil.yL[1], 0.0);
}

TEST(AirfoilReaderFailures, CamberOutsideTheChord) {
  EXPECT_EQ(failureOf("Wing\r\nh1\r\nh2\r\n0 0 0 0\r\n1.2 0 1.2 0\r\n"),
            "Cannot read \"wing.nca\": station 2 (line 5) has its camber x at 1.2, outside the "
            "chord (0 to 1).");
  EXPECT_EQ(failureOf("Wing\r\nh1\r\nh2\r\n-0.002 0 0 0\r\n1 0 1 0\r\n"),
            "Cannot read \"wing.nca\": station 1 (line 4) has its camber x at -0.001, outside the "
            "chord (0 to 1).");
  // Each surface may leave the chord as long as their mean stays on it.
  EXPECT_EQ(parsed("Wing\r\nh1\r\nh2\r\n-0.002 0 0.002 0\r\n1 0 1 0\r\n").xC[1], 0.0);
  EXPECT_EQ(failureOf("Wing\r\nh1\r\nh2\r\n0.5 1e308 0.5 1e308\r\n1 0 1 0\r\n"),
            "Cannot read \"wing.nca\": station 1 (line 4) has y values too large to use.");
}

// A device that fails after handing out the first part of the file.
class FailingBuffer : public std::streambuf {
 protected:
  int_type underflow() override {
    if (handedOut_) throw std::ios_base::failure("device error");
    handedOut_ = true;
    setg(text_, text_, text_ + sizeof text_ - 1);
    return traits_type::to_int_type(text_[0]);
  }

 private:
  char text_[18] = "Wing\r\nh\r\nh\r\n0 0 ";
  bool handedOut_ = false;
};

TEST(AirfoilReaderFailures, DeviceErrorIsAFailureNotACrash) {
  FailingBuffer buffer;
  std::istream in(&buffer);
  auto result = parseNcaFile(in, "wing.nca", 3.14);
  ASSERT_TRUE(std::holds_alternative<ReadFailure>(result));
  EXPECT_EQ(std::get<ReadFailure>(result).message,
            "Cannot read \"wing.nca\": the file could not be read to its end.");
}

}  // namespace
}  // namespace vantrel
