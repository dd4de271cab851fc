#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fixtures/test_airfoil.h"
#include "input/naca.h"
#include "input/nca_parser.h"
#include "input/nca_writer.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

using test::fileBytes;

const double kPi = 4 * std::atan(1.0);
const std::filesystem::path kSamples = VANTREL_SAMPLES;

AirfoilData readSample(const std::string& name) {
  std::ifstream in(kSamples / name, std::ios::binary);
  auto result = parseNcaFile(in, name, kPi);
  if (auto* failed = std::get_if<ReadFailure>(&result)) {
    ADD_FAILURE() << failed->message;
    return {};
  }
  return std::get<AirfoilData>(std::move(result));
}

// The shipped NACA samples are exactly what the generator writes, so they can be made again.
TEST(Samples, NacaFilesAreTheGeneratorsOutput) {
  for (const char* designation : {"0012", "2412", "4412", "23012"}) {
    SCOPED_TRACE(designation);
    const auto airfoil = nacaAirfoil(designation, 41);
    ASSERT_TRUE(airfoil);
    EXPECT_EQ(fileBytes(kSamples / ("naca" + std::string(designation) + ".nca")),
              nacaDataFile(*airfoil));
    const AirfoilData read = readSample("naca" + std::string(designation) + ".nca");
    EXPECT_EQ(read.AirfoilName, "NACA " + std::string(designation));
    EXPECT_EQ(read.NPoint, 41);
  }
}

TEST(Samples, FlatPlateAndParabolaOnEvenStations) {
  StationTable plate, parabola;
  for (int i = 0; i <= 20; ++i) {
    const double x = i / 20.0;
    const double y = 0.08 * x * (1 - x);
    plate.xU.push_back(x), plate.yU.push_back(0), plate.xL.push_back(x), plate.yL.push_back(0);
    parabola.xU.push_back(x), parabola.yU.push_back(y);
    parabola.xL.push_back(x), parabola.yL.push_back(y);
  }
  EXPECT_EQ(fileBytes(kSamples / "flatplate.nca"),
            stationDataFile("Flat plate", "Flat plate - 21 stations, even spacing", plate));
  EXPECT_EQ(fileBytes(kSamples / "parabola.nca"),
            stationDataFile("Parabolic camber line y = 0.08x(1-x)",
                            "Parabolic camber line - 21 stations, even spacing, zero thickness",
                            parabola));

  const AirfoilData flat = readSample("flatplate.nca");
  ASSERT_EQ(flat.NPoint, 21);
  for (int I = 1; I <= 21; ++I) {
    EXPECT_NEAR(flat.xC[I], (I - 1) * 0.05, 1e-15);
    EXPECT_EQ(flat.yC[I], 0.0);
  }
  const AirfoilData curved = readSample("parabola.nca");
  ASSERT_EQ(curved.NPoint, 21);
  EXPECT_EQ(curved.yC[11], 0.02);
  EXPECT_EQ(curved.Theta[11], kPi / 2);
  EXPECT_EQ(curved.yU, curved.yL);
}

}  // namespace
}  // namespace vantrel
