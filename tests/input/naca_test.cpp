#include "input/naca.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantrel {
namespace {

// Index of the station at mid-chord: an odd count puts station (n-1)/2 at x = 0.5.
constexpr int kStations = 41;
constexpr int kMidChord = 20;

double camberAt(const NacaSurfaces& airfoil, int i) {
  return (airfoil.yU[i] + airfoil.yL[i]) / 2;
}
double thicknessAt(const NacaSurfaces& airfoil, int i) {
  return std::hypot(airfoil.xU[i] - airfoil.xL[i], airfoil.yU[i] - airfoil.yL[i]);
}

TEST(NacaAirfoil, SymmetricSectionHasMirroredSurfacesAndItsThickness) {
  const auto airfoil = nacaAirfoil("0012", kStations);
  ASSERT_TRUE(airfoil);
  EXPECT_EQ(airfoil->name, "NACA 0012");
  ASSERT_EQ(airfoil->xU.size(), static_cast<std::size_t>(kStations));
  double thickest = 0;
  for (int i = 0; i < kStations; ++i) {
    EXPECT_EQ(airfoil->xU[i], airfoil->xL[i]);
    EXPECT_EQ(airfoil->yU[i], -airfoil->yL[i]);
    thickest = std::max(thickest, thicknessAt(*airfoil, i));
  }
  // The 12 % section is 12 % thick near 30 % chord; the densest station there falls a bit short.
  EXPECT_NEAR(thickest, 0.12, 0.0005);
  // Thickness at mid-chord from the published polynomial: 0.105723.
  EXPECT_NEAR(thicknessAt(*airfoil, kMidChord), 0.105723, 1e-6);
}

TEST(NacaAirfoil, StationsAreCosineSpacedFromLeadingToClosedTrailingEdge) {
  const auto airfoil = nacaAirfoil("2412", kStations);
  ASSERT_TRUE(airfoil);
  EXPECT_EQ(airfoil->xU.front(), 0.0);
  EXPECT_EQ(airfoil->yU.front(), 0.0);
  EXPECT_EQ(airfoil->xU.back(), 1.0);
  EXPECT_NEAR(airfoil->yU.back(), 0.0, 1e-15);
  EXPECT_NEAR(airfoil->yL.back(), 0.0, 1e-15);
  EXPECT_NEAR((airfoil->xU[10] + airfoil->xL[10]) / 2, (1 - std::cos(std::numbers::pi / 4)) / 2,
              1e-15);
  EXPECT_NEAR((airfoil->xU[kMidChord] + airfoil->xL[kMidChord]) / 2, 0.5, 1e-15);
}

TEST(NacaAirfoil, FourDigitCamberAndPerpendicularThickness) {
  const auto airfoil = nacaAirfoil("NACA 2412", kStations);
  ASSERT_TRUE(airfoil);
  EXPECT_EQ(airfoil->name, "NACA 2412");
  // Aft of the 40 % maximum: 0.02/0.36 * (0.2 + 0.4x - x^2) at x = 0.5.
  EXPECT_NEAR(camberAt(*airfoil, kMidChord), 0.0194444444, 1e-9);
  EXPECT_NEAR(thicknessAt(*airfoil, kMidChord), 0.105723, 1e-6);
  // Aft of the maximum the mean line falls, so the upper point leans forward of the station.
  EXPECT_GT(airfoil->xU[kMidChord], 0.5);
  EXPECT_LT(airfoil->xL[kMidChord], 0.5);
}

TEST(NacaAirfoil, FiveDigit230MeanLinePeaksAt15PercentChord) {
  const auto airfoil = nacaAirfoil("23012", 401);
  ASSERT_TRUE(airfoil);
  EXPECT_EQ(airfoil->name, "NACA 23012");
  int peak = 0;
  for (int i = 0; i < 401; ++i) {
    if (camberAt(*airfoil, i) > camberAt(*airfoil, peak)) peak = i;
  }
  EXPECT_NEAR((airfoil->xU[peak] + airfoil->xL[peak]) / 2, 0.15, 0.005);
  EXPECT_NEAR(camberAt(*airfoil, peak), 0.01839, 0.00005);
}

TEST(NacaAirfoil, RefusesWhatTheFormulasDoNotCover) {
  EXPECT_FALSE(nacaAirfoil("2012", 41));   // camber peak at the leading edge
  EXPECT_FALSE(nacaAirfoil("23112", 41));  // reflexed mean line
  EXPECT_FALSE(nacaAirfoil("26012", 41));  // no such mean line
  EXPECT_FALSE(nacaAirfoil("241", 41));
  EXPECT_FALSE(nacaAirfoil("24x2", 41));
  EXPECT_FALSE(nacaAirfoil("", 41));
  EXPECT_FALSE(nacaAirfoil("2412", 1));
  EXPECT_FALSE(nacaAirfoil("2412", 1000000));
  EXPECT_TRUE(nacaAirfoil("2412", 2));
}

TEST(NacaDataFile, WritesNameHeadingsAndOneStationALine) {
  NacaSurfaces airfoil;
  airfoil.name = "NACA 0012";
  airfoil.xU = {0, 1};
  airfoil.yU = {0, -1e-17};
  airfoil.xL = {0, 1};
  airfoil.yL = {0, -0.123456789};
  EXPECT_EQ(nacaDataFile(airfoil),
            "NACA 0012\r\n"
            "NACA 0012 - 2 stations, cosine spacing\r\n"
            "xU yU xL yL\r\n"
            "0.00000000 0.00000000 0.00000000 0.00000000\r\n"
            "1.00000000 0.00000000 1.00000000 -0.12345679\r\n");
}

}  // namespace
}  // namespace vantrel
