#include "input/selig_lednicer_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fixtures/test_airfoil.h"
#include "input/airfoil_normalise.h"
#include "input/naca.h"
#include "input/nca_parser.h"

namespace vantrel {
namespace {

using Points = std::vector<std::pair<double, double>>;

using Surfaces = NacaSurfaces;

// NACA 2412 with its thickness laid off vertically from the mean line, so that both surfaces
// share the generator's x and the leading edge (0, 0) is the point of minimum x, as in most
// published files.
Surfaces verticalNaca2412(int stations) {
  Surfaces s = *nacaAirfoil("0012", stations);
  const double m = 0.02, p = 0.4;
  for (std::size_t i = 0; i < s.xU.size(); ++i) {
    const double x = s.xU[i];
    const double yc = x < p ? m / (p * p) * (2 * p * x - x * x)
                            : m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
    s.yU[i] += yc;
    s.yL[i] += yc;
  }
  return s;
}

Surfaces naca0012(int stations) {
  return *nacaAirfoil("0012", stations);
}
Surfaces naca2412(int stations) {
  return *nacaAirfoil("2412", stations);
}

// From the trailing edge over the upper surface to the leading edge and back along the lower.
Points seligLoop(const Surfaces& s) {
  Points loop;
  for (std::size_t i = s.xU.size(); i-- > 0;) loop.emplace_back(s.xU[i], s.yU[i]);
  for (std::size_t i = 1; i < s.xL.size(); ++i) loop.emplace_back(s.xL[i], s.yL[i]);
  return loop;
}

std::string pairLine(double x, double y) {
  std::ostringstream line;
  line.precision(12);
  line << "  " << std::fixed << x << "  " << y;
  return line.str();
}

std::string seligText(const std::string& name, const Points& loop,
                      const std::string& lineEnd = "\r\n") {
  std::string text = name + lineEnd;
  for (const auto& [x, y] : loop) text += pairLine(x, y) + lineEnd;
  return text;
}

std::string lednicerText(const std::string& name, const Surfaces& s,
                         const std::string& lineEnd = "\r\n") {
  const std::string count = std::to_string(s.xU.size()) + ".";
  std::string text = name + lineEnd + "   " + count + "      " + count + lineEnd + lineEnd;
  for (std::size_t i = 0; i < s.xU.size(); ++i) text += pairLine(s.xU[i], s.yU[i]) + lineEnd;
  text += lineEnd;
  for (std::size_t i = 0; i < s.xL.size(); ++i) text += pairLine(s.xL[i], s.yL[i]) + lineEnd;
  return text;
}

struct Converted {
  std::vector<std::string> lines;
  std::vector<double> xU, yU, xL, yL;
};

Converted parseOutput(const std::string& text) {
  Converted out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    out.lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(out.lines.back().find('\n'), std::string::npos) << "a bare LF";
    start = end + 2;
  }
  for (std::size_t i = 3; i < out.lines.size(); ++i) {
    std::istringstream row(out.lines[i]);
    double xU = 0, yU = 0, xL = 0, yL = 0;
    EXPECT_TRUE(row >> xU >> yU >> xL >> yL) << out.lines[i];
    out.xU.push_back(xU);
    out.yU.push_back(yU);
    out.xL.push_back(xL);
    out.yL.push_back(yL);
  }
  return out;
}

Converted convert(const std::string& text, int stations = 61,
                  const std::string& label = "airfoil.dat") {
  std::istringstream in(text);
  auto result = convertToDataFile(in, label, stations);
  if (const auto* error = std::get_if<ConvertError>(&result)) {
    ADD_FAILURE() << error->message;
    return {};
  }
  return parseOutput(std::get<std::string>(result));
}

std::string errorOf(const std::string& text, const std::string& label = "bad.dat") {
  std::istringstream in(text);
  auto result = convertToDataFile(in, label);
  if (std::holds_alternative<std::string>(result)) {
    ADD_FAILURE() << "converted a bad file:\n" << std::get<std::string>(result);
    return {};
  }
  return std::get<ConvertError>(result).message;
}

void expectMatches(const Converted& out, const Surfaces& reference, double tolerance) {
  ASSERT_EQ(out.xU.size(), reference.xU.size());
  for (std::size_t i = 0; i < reference.xU.size(); ++i) {
    EXPECT_NEAR(out.xU[i], reference.xU[i], 1e-8) << "station " << i;
    EXPECT_EQ(out.xL[i], out.xU[i]) << "station " << i;
    EXPECT_NEAR(out.yU[i], reference.yU[i], tolerance) << "station " << i;
    EXPECT_NEAR(out.yL[i], reference.yL[i], tolerance) << "station " << i;
  }
}

void expectSameStations(const Converted& a, const Converted& b, double tolerance) {
  ASSERT_EQ(a.xU.size(), b.xU.size());
  for (std::size_t i = 0; i < a.xU.size(); ++i) {
    EXPECT_NEAR(a.yU[i], b.yU[i], tolerance) << "station " << i;
    EXPECT_NEAR(a.yL[i], b.yL[i], tolerance) << "station " << i;
  }
}

TEST(ConvertToDataFile, Naca0012InBothLayoutsMatchesTheGeneratorsStations) {
  const Surfaces dense = naca0012(161);
  for (const auto& file :
       {seligText("NACA 0012", seligLoop(dense)), lednicerText("NACA 0012", dense)}) {
    expectMatches(convert(file, 61), naca0012(61), 1e-4);
    expectMatches(convert(file, 41), naca0012(41), 1e-4);
  }
}

TEST(ConvertToDataFile, CamberedAirfoilInBothLayoutsMatchesItsStations) {
  const Surfaces dense = verticalNaca2412(161);
  for (const auto& file : {seligText("2412", seligLoop(dense)), lednicerText("2412", dense)}) {
    expectMatches(convert(file, 61), verticalNaca2412(61), 1e-4);
    expectMatches(convert(file, 41), verticalNaca2412(41), 1e-4);
  }
}

// The chord frame of a file written from these surfaces: the point of minimum x, the mid-point
// of the two trailing-edge points.
struct ChordLine {
  double x0, y0, dx, dy;
};

ChordLine chordOf(const Surfaces& s) {
  ChordLine chord{s.xU[0], s.yU[0], 0, 0};
  for (std::size_t i = 0; i < s.xU.size(); ++i) {
    if (s.xU[i] < chord.x0) chord = {s.xU[i], s.yU[i], 0, 0};
    if (s.xL[i] < chord.x0) chord = {s.xL[i], s.yL[i], 0, 0};
  }
  chord.dx = (s.xU.back() + s.xL.back()) / 2 - chord.x0;
  chord.dy = (s.yU.back() + s.yL.back()) / 2 - chord.y0;
  return chord;
}

Points inChordFrame(const Points& loop, const ChordLine& c) {
  const double lengthSquared = c.dx * c.dx + c.dy * c.dy;
  Points moved;
  for (const auto& [x, y] : loop) {
    const double px = x - c.x0, py = y - c.y0;
    moved.emplace_back((px * c.dx + py * c.dy) / lengthSquared,
                       (c.dx * py - c.dy * px) / lengthSquared);
  }
  return moved;
}

// Straight-line interpolation along a densely sampled path of increasing x.
double alongPath(const Points& path, double at) {
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    if (path[i + 1].first >= at) {
      const double t = (at - path[i].first) / (path[i + 1].first - path[i].first);
      return path[i].second + t * (path[i + 1].second - path[i].second);
    }
  }
  return path.back().second;
}

// The generator lays the thickness off normal to the mean line, so a finely sampled cambered
// airfoil has points ahead of its (0, 0) and its minimum-x chord is turned slightly from the
// generator's own; the reference is the generator's finely sampled contour in that same frame.
void expectMatchesInChordFrame(const Converted& out, const Surfaces& written) {
  const Points contour = inChordFrame(seligLoop(naca2412(8001)), chordOf(written));
  const auto leadingEdge = std::min_element(contour.begin(), contour.end());
  Points upper(contour.begin(), leadingEdge + 1);
  std::reverse(upper.begin(), upper.end());
  const Points lower(leadingEdge, contour.end());
  ASSERT_FALSE(out.xU.empty());
  EXPECT_EQ(out.yU[0], 0.0);
  EXPECT_EQ(out.yL[0], 0.0);
  for (std::size_t i = 1; i < out.xU.size(); ++i) {
    EXPECT_NEAR(out.yU[i], alongPath(upper, out.xU[i]), 1e-4) << "station " << i;
    EXPECT_NEAR(out.yL[i], alongPath(lower, out.xU[i]), 1e-4) << "station " << i;
  }
}

TEST(ConvertToDataFile, Naca2412InBothLayoutsMatchesTheGeneratorsContour) {
  const Surfaces written = naca2412(161);
  for (const auto& file :
       {seligText("NACA 2412", seligLoop(written)), lednicerText("NACA 2412", written)}) {
    expectMatchesInChordFrame(convert(file, 61), written);
    expectMatchesInChordFrame(convert(file, 41), written);
  }
}

TEST(ConvertToDataFile, WritesTheNameTheLayoutAndOneStationALine) {
  const Converted selig =
      convert(seligText("NACA 2412", seligLoop(naca2412(81))), 61, "dir/n2412.dat");
  ASSERT_EQ(selig.lines.size(), 3u + 61u);
  EXPECT_EQ(selig.lines[0], "NACA 2412");
  EXPECT_EQ(selig.lines[1].rfind("Converted from n2412.dat (Selig)", 0), 0u) << selig.lines[1];
  EXPECT_EQ(selig.lines[2], "xU yU xL yL");
  EXPECT_EQ(selig.xU.front(), 0.0);
  EXPECT_EQ(selig.xU.back(), 1.0);

  const Converted lednicer = convert(lednicerText("NACA 2412", naca2412(81)), 61, "n2412.dat");
  ASSERT_EQ(lednicer.lines.size(), 3u + 61u);
  EXPECT_EQ(lednicer.lines[1].rfind("Converted from n2412.dat (Lednicer)", 0), 0u);
  // The count line is not a point: both layouts give the same airfoil.
  expectSameStations(selig, lednicer, 1e-12);
}

// Lednicer's two runs without the count line, with or without a blank line between them, give the
// airfoil the counted file gives.
TEST(ConvertToDataFile, LednicerRunsWithoutCountsReadAsCounted) {
  const Surfaces s = naca2412(81);
  const std::string counted = lednicerText("N", s, "\n");
  const std::string runs = counted.substr(counted.find("\n\n") + 2);
  std::string joined = runs;
  joined.erase(joined.find("\n\n"), 1);
  const Converted expected = convert(counted);
  expectSameStations(convert("N\n" + runs), expected, 0);
  expectSameStations(convert("N\n" + joined), expected, 0);
  EXPECT_NE(convert("N\n" + joined)
                .lines.at(1)
                .find("(Lednicer); no count line; the second "
                      "surface starts at line 83"),
            std::string::npos);
}

TEST(ConvertToDataFile, EitherDirectionOfTheSeligLoopGivesTheSameAirfoil) {
  Points loop = seligLoop(naca2412(161));
  const Converted forward = convert(seligText("NACA 2412", loop));
  std::reverse(loop.begin(), loop.end());
  const Converted backward = convert(seligText("NACA 2412", loop));
  expectSameStations(forward, backward, 1e-12);
  EXPECT_GT(backward.yU[30], backward.yL[30]);
}

TEST(ConvertToDataFile, OpenTrailingEdgeIsKeptAsItIs) {
  Surfaces wedge = naca0012(161);
  for (std::size_t i = 0; i < wedge.xU.size(); ++i) {
    wedge.yU[i] += 0.005 * wedge.xU[i];
    wedge.yL[i] -= 0.005 * wedge.xL[i];
  }
  Surfaces reference = naca0012(61);
  for (std::size_t i = 0; i < reference.xU.size(); ++i) {
    reference.yU[i] += 0.005 * reference.xU[i];
    reference.yL[i] -= 0.005 * reference.xL[i];
  }
  const Converted out = convert(seligText("open", seligLoop(wedge)));
  expectMatches(out, reference, 1e-4);
  EXPECT_NEAR(out.yU.back() - out.yL.back(), reference.yU.back() - reference.yL.back(), 1e-8);
  EXPECT_GE(out.yU.back() - out.yL.back(), 0.01 - 1e-8);
}

TEST(ConvertToDataFile, RepeatedPointsAndAClosedTrailingEdgeAreAccepted) {
  Surfaces closed = naca0012(81);
  closed.yU.back() = closed.yL.back() = 0;
  Points loop = seligLoop(closed);
  const auto leadingEdge = loop.begin() + 80;
  loop.insert(leadingEdge, *leadingEdge);
  loop.insert(loop.begin() + 40, loop[40]);
  Surfaces reference = naca0012(41);
  reference.yU.back() = reference.yL.back() = 0;
  expectMatches(convert(seligText("closed", loop), 41), reference, 1e-4);
}

TEST(ConvertToDataFile, MovedTurnedAndScaledAirfoilIsNormalisedBack) {
  const Points loop = seligLoop(verticalNaca2412(161));
  const double angle = 0.2, scale = 2.5, dx = 0.3, dy = -0.2;
  Points moved;
  for (const auto& [x, y] : loop) {
    moved.emplace_back(dx + scale * (x * std::cos(angle) - y * std::sin(angle)),
                       dy + scale * (x * std::sin(angle) + y * std::cos(angle)));
  }
  const Converted out = convert(seligText("NACA 2412", moved));
  expectSameStations(out, convert(seligText("NACA 2412", loop)), 1e-8);
  expectMatches(out, verticalNaca2412(61), 1e-4);
}

TEST(ConvertToDataFile, LineEndsOfEveryKindReadAlike) {
  const Surfaces s = naca2412(41);
  const Converted crlf = convert(lednicerText("N", s, "\r\n"));
  expectSameStations(crlf, convert(lednicerText("N", s, "\r\n") + "\x1A"), 0);  // DOS end mark
  expectSameStations(crlf, convert(lednicerText("N", s, "\n")), 0);
  expectSameStations(crlf, convert(lednicerText("N", s, "\r")), 0);
  const std::string noFinalLineEnd = seligText("N", seligLoop(s), "\n");
  expectSameStations(crlf, convert(noFinalLineEnd.substr(0, noFinalLineEnd.size() - 1)), 0);
}

TEST(ConvertToDataFile, StepInASurfaceGivesNoOvershoot) {
  // Surfaces that jump from 0.02 to 0.08 thick near mid-chord and stay flat either side.
  const std::vector<double> x = {1, 0.9, 0.7, 0.55, 0.5, 0.45, 0.3, 0.1, 0.02, 0};
  auto height = [](double xi) { return xi > 0.5 ? 0.08 : (xi > 0 ? 0.02 : 0.0); };
  Points loop;
  for (const double xi : x) loop.emplace_back(xi, height(xi));
  for (std::size_t i = x.size() - 1; i-- > 0;) loop.emplace_back(x[i], -height(x[i]));
  const Converted out = convert(seligText("step", loop), 61);
  ASSERT_EQ(out.yU.size(), 61u);
  for (std::size_t i = 0; i < out.xU.size(); ++i) {
    const double at = out.xU[i];
    EXPECT_NEAR(out.yL[i], -out.yU[i], 1e-15) << at;
    EXPECT_GE(out.yU[i], 0.0) << at;
    EXPECT_LE(out.yU[i], 0.08) << at;
    if (i > 0) {
      EXPECT_GE(out.yU[i], out.yU[i - 1] - 1e-15) << at;
    }
    if (at >= 0.02 && at <= 0.5) {
      EXPECT_NEAR(out.yU[i], 0.02, 1e-12) << at;
    }
    if (at >= 0.55) {
      EXPECT_NEAR(out.yU[i], 0.08, 1e-12) << at;
    }
  }
}

TEST(ConvertToDataFile, NameThatTheReaderWouldCutIsQuoted) {
  const Points loop = seligLoop(naca0012(21));
  EXPECT_EQ(convert(seligText("NACA 0012, sharp", loop)).lines.at(0), "\"NACA 0012, sharp\"");
  EXPECT_EQ(convert(seligText("\"odd\" name", loop)).lines.at(0), "\"'odd' name\"");
  // A stray byte-order mark on a name line after blank ones: the reader passes over it and would
  // find an opening quote without its closing one.
  const std::string marked = "\xEF\xBB\xBF\"A";
  const std::string file = "\t\r\n" + seligText(marked, loop);
  EXPECT_EQ(convert(file).lines.at(0), "\"\xEF\xBB\xBF'A\"");
  std::istringstream in(file);
  auto converted = convertToDataFile(in, "marked.dat");
  ASSERT_TRUE(std::holds_alternative<std::string>(converted));
  std::istringstream written(std::get<std::string>(converted));
  const auto read = parseNcaFile(written, "marked.dat", 4 * std::atan(1.0));
  ASSERT_TRUE(std::holds_alternative<AirfoilData>(read)) << std::get<ReadFailure>(read).message;
  EXPECT_EQ(std::get<AirfoilData>(read).AirfoilName, "\xEF\xBB\xBF'A");
  // A file starting with its coordinates takes its name from the file.
  std::string headless = seligText("x", loop);
  headless.erase(0, headless.find('\n') + 1);
  EXPECT_EQ(convert(headless, 61, "/data/e387.dat").lines.at(0), "e387");
}

struct BrokenFile {
  const char* what;
  std::string text;
  std::vector<std::string> expected;  // parts of the message
};

TEST(ConvertToDataFile, BrokenFilesGetAMessageNamingTheFileAndTheLine) {
  const std::vector<BrokenFile> cases = {
      {"empty", "", {"\"bad.dat\": ", "empty"}},
      {"only blank lines", "\r\n  \r\n", {"\"bad.dat\": ", "empty"}},
      {"name only", "NACA 0012\r\n", {"\"bad.dat\": ", "no coordinates"}},
      {"non-number",
       "N\n1 0\n0.5 0.05\n0 0\nabc 0.1\n1 0\n",
       {"\"bad.dat\", line 5: ", "\"abc\" is not a number"}},
      {"three numbers", "N\n1 0\n0.5 0.05 7\n", {"line 3: ", "two numbers", "found 3"}},
      {"one surface",
       "N\n0 0\n0.1 0.05\n0.3 0.06\n0.6 0.04\n1 0\n",
       {"only one surface", "lines 2 to 6"}},
      {"two points a surface", "N\n1 0\n0 0\n1 0\n", {"only 3 points", "at least 3"}},
      {"two upper points", "N\n1 0\n0 0\n0.5 -0.05\n0.8 -0.03\n1 0\n", {"upper surface", "only 2"}},
      {"x outside the chord",
       "N\n1 0\n0.5 0.06\n0 0\n0.5 -0.04\n1.3 -0.02\n0.9 -0.01\n1 0\n",
       {"line 6: ", "outside the chord", "x/c = 1.3"}},
      {"x turning back",
       "N\n1 0\n0.5 0.06\n0.7 0.05\n0 0\n0.5 -0.04\n1 0\n",
       {"line 3: ", "does not increase", "upper"}},
      {"lower surface cut off at mid-chord",
       "N\n1 0\n0.7 0.05\n0.4 0.06\n0 0\n0.2 -0.03\n0.5 -0.02\n",
       {"line 2: ", "outside the chord"}},
      {"point out of order next to the trailing edge",
       "N\n1 0\n0.5 0.06\n0 0\n0.5 -0.04\n0.9995 -0.001\n0.999 -0.001\n1 0\n",
       {"line 7: ", "does not increase"}},
      {"typing slip inside the outline",
       "N\n1 0\n0.5 0.06\n0 0\n0.5 -0.04\n0.8 -0.0O2\n1 0\n",
       {"line 6: ", "\"-0.0O2\" is not a number"}},
      {"decimal commas",
       "N\n0,99677 0,00043\n0,5 0,06\n",
       {"line 2: ", "found 4; the numbers seem written with decimal commas (\"0,99677\")"}},
      {"UTF-16 with its byte-order mark", std::string("\xFF\xFEN\0\n\0", 6), {"UTF-16 text"}},
      {"UTF-16 without one", std::string("N\0\n\0001\0", 7), {"NUL bytes"}},
      {"Lednicer blank line inside a surface",
       "N\n4. 3.\n0 0\n0.3 0.05\n\n0.6 0.05\n1 0\n0 0\n0.5 -0.04\n",
       {"line 2: ", "(7 in all), but 6 points follow"}},
      {"Lednicer total",
       "N\n3. 3.\n0 0\n0.5 0.06\n1 0\n0 0\n0.5 -0.04\n",
       {"line 2: ", "(6 in all)", "5 points follow"}},
      {"Lednicer tiny count", "N\n2. 2.\n\n0 0\n1 0\n\n0 0\n1 0\n", {"line 2: ", "at least 3"}},
      {"Lednicer with too few points",
       "N\n61. 61.\n\n0 0\n",
       {"line 2: ", "(122 in all), but 1 point follows"}},
      {"Lednicer huge count", "N\n1e300 3\n\n0 0\n1 0\n", {"line 2: ", "1e+300 upper"}},
  };
  for (const auto& broken : cases) {
    SCOPED_TRACE(broken.what);
    const std::string message = errorOf(broken.text);
    EXPECT_EQ(message.rfind("Cannot convert \"bad.dat\"", 0), 0u) << message;
    for (const auto& part : broken.expected) {
      EXPECT_NE(message.find(part), std::string::npos) << message << "\n  lacks: " << part;
    }
  }
}

// A point far above the chord is a fault in the file, but one a double still holds: it is written
// out digit for digit, and the program's reader takes back what the converter wrote.
TEST(ConvertToDataFile, APointFarAboveTheChordIsWrittenInFullAndReadsBack) {
  const std::string file =
      "Spike\n1 0.00126\n0.5 0.05\n0.03 3e203\n0 0\n0.03 -0.02\n"
      "0.5 -0.03\n1 -0.00126\n";
  std::istringstream in(file);
  const auto converted = convertToDataFile(in, "spike.dat", 21);
  ASSERT_TRUE(std::holds_alternative<std::string>(converted))
      << std::get<ConvertError>(converted).message;
  std::istringstream written(std::get<std::string>(converted));
  const auto read = parseNcaFile(written, "spike.dat", 4 * std::atan(1.0));
  ASSERT_TRUE(std::holds_alternative<AirfoilData>(read)) << std::get<ReadFailure>(read).message;
  const auto& airfoil = std::get<AirfoilData>(read);
  EXPECT_EQ(airfoil.NPoint, 21);
  EXPECT_GT(*std::max_element(airfoil.yU.begin(), airfoil.yU.end()), 1e202);
}

TEST(ConvertToDataFile, RefusesSurfacesBeyondTheRangeOfADouble) {
  // Both surfaces near the largest double: their mean, which the reader forms, overflows.
  const std::string overflow =
      errorOf("N\n1 0\n0.5 1.5e308\n0.1 1.6e308\n0 0\n0.1 1.6e308\n0.5 1.5e308\n1 0\n");
  EXPECT_NE(overflow.find("too far from the chord to be written"), std::string::npos) << overflow;
}

// A chord whose square lies beyond a double, or below its smallest value, is still a chord.
TEST(ConvertToDataFile, ChordsOfAnyScaleGiveTheSameAirfoil) {
  const Points loop = seligLoop(verticalNaca2412(81));
  const Converted unit = convert(seligText("N", loop));
  for (const double scale : {1e200, 1e-300, 3e-310}) {
    SCOPED_TRACE(scale);
    Points scaled;
    for (const auto& [x, y] : loop) scaled.emplace_back(x * scale, y * scale);
    std::string text = "N\n";
    for (const auto& [x, y] : scaled) {
      std::ostringstream line;
      line.precision(17);
      line << x << ' ' << y << '\n';
      text += line.str();
    }
    expectSameStations(convert(text), unit, scale < 1e-300 ? 1e-6 : 1e-12);
  }
}

TEST(ConvertToDataFile, RefusesAStationCountItCannotWrite) {
  const std::string file = seligText("N", seligLoop(naca0012(21)));
  for (const int stations : {1, 0, -5}) {
    std::istringstream in(file);
    const auto result = convertToDataFile(in, "n.dat", stations);
    ASSERT_TRUE(std::holds_alternative<ConvertError>(result)) << stations;
    EXPECT_NE(std::get<ConvertError>(result).message.find("stations"), std::string::npos);
  }
  EXPECT_EQ(convert(file, 2).xU, (std::vector<double>{0, 1}));
}

// A file already in unit chord is taken as it stands, its own points written at its own stations;
// beyond the tolerance the chord line is turned to the x axis.
TEST(ConvertToDataFile, UnitChordFileIsTakenAsItStands) {
  for (const double rise : {6e-5, 3e-4}) {
    SCOPED_TRACE(rise);
    Surfaces tilted = verticalNaca2412(kDefaultStations);
    for (std::size_t i = 0; i < tilted.xU.size(); ++i) {
      tilted.yU[i] += rise * tilted.xU[i];
      tilted.yL[i] += rise * tilted.xL[i];
    }
    std::istringstream in(seligText("tilted", seligLoop(tilted)));
    const auto converted = convertAirfoil(in, "tilted.dat");
    ASSERT_TRUE(std::holds_alternative<ConvertedFile>(converted));
    const std::string& text = std::get<ConvertedFile>(converted).text;
    const Converted out = parseOutput(text);
    if (rise < kGivenChordTolerance) {
      EXPECT_NE(text.find("chord taken as given (unit chord"), std::string::npos);
      expectMatches(out, tilted, 5e-9);
    } else {
      EXPECT_NE(text.find("turned -0.0171887 degrees"), std::string::npos);
      EXPECT_NEAR(out.yU.back() + out.yL.back(), 0.0, 1e-8);
    }
  }
}

// A dense file converts to the same airfoil as one of ordinary size. How fast it converts is the
// converter benchmark's to measure; a search that grows with the square of the count would keep
// this test from ever finishing. The instrumented build of the sanitizers runs tens of times
// slower, so there a tenth of the points.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDensePointsPerSurface = 50000;
#else
constexpr int kDensePointsPerSurface = 500000;
#endif

TEST(ConvertToDataFile, AMillionPointsConvert) {
  const std::string file = test::seligNaca2412Text(kDensePointsPerSurface);
  std::istringstream in(file);
  const auto converted = convertAirfoil(in, "dense.dat");
  ASSERT_TRUE(std::holds_alternative<ConvertedFile>(converted))
      << std::get<ConvertError>(converted).message;
  const Converted out = parseOutput(std::get<ConvertedFile>(converted).text);
  // The same airfoil as a file of ordinary size, but for how finely the nose is resolved.
  expectSameStations(out, convert(test::seligNaca2412Text(2000), kDefaultStations), 1e-4);
}

}  // namespace
}  // namespace vantrel
