#include "input/read_by_file_type.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/form1_handlers.h"
#include "app/handlers_test.h"
#include "fixtures/test_airfoil.h"
#include "input/selig_lednicer_converter.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// A symmetric airfoil in the Selig layout, from the trailing edge over the upper surface.
std::string seligFile(const std::string& name, int points) {
  const double pi = 4 * std::atan(1.0);
  std::ostringstream text;
  text.precision(10);
  text << name << "\r\n";
  for (int i = -(points - 1); i < points; ++i) {
    const double x = (1 - std::cos(pi * std::abs(i) / (points - 1))) / 2;
    const double y = 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x +
                            0.2843 * x * x * x - 0.1036 * x * x * x * x);
    text << std::fixed << x << ' ' << (i < 0 ? y : -y) << "\r\n";
  }
  return text.str();
}

class ReadAirfoilFileTest : public test::HandlersTest {
 protected:
  void write(const std::string& fileName, const std::string& text) {
    test::writeBytes(workDir / fileName, text);
  }
  bool choose(const std::string& fileName) {
    return handlers.File1_Click(workDir.string(), fileName);
  }
};

TEST_F(ReadAirfoilFileTest, BrokenDatFileShowsOneMessageAndKeepsThePreviousState) {
  write("broken.dat", "NACA 0012\r\n1 0\r\n0.5 0.06\r\n0 0\r\nabc 0.1\r\n1 0\r\n");
  ortak.AirfoilName = "previous";
  ortak.NPoint = 3;
  EXPECT_FALSE(choose("broken.dat"));
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("\"broken.dat\", line 5: \"abc\""), std::string::npos)
      << form.messages()[0];
  EXPECT_EQ(ortak.AirfoilName, "previous");
  EXPECT_EQ(ortak.NPoint, 3);
  EXPECT_FALSE(handlers.FileLoaded());
}

TEST_F(ReadAirfoilFileTest, MissingDatFileShowsOneMessage) {
  EXPECT_FALSE(choose("absent.Dat"));
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_EQ(form.messages()[0], "Cannot read \"absent.Dat\": the file does not exist.");
}

TEST_F(ReadAirfoilFileTest, DatFileOfAnyLetterCaseIsConvertedAndRead) {
  write("sym.DAT", seligFile("Symmetric, 12%", 81));
  ASSERT_TRUE(choose("sym.DAT")) << (form.messages().empty() ? "" : form.messages()[0]);
  EXPECT_TRUE(form.messages().empty());
  EXPECT_TRUE(handlers.FileLoaded());
  EXPECT_EQ(ortak.AirfoilName, "Symmetric, 12%");
  ASSERT_EQ(ortak.NPoint, kDefaultStations);
  EXPECT_EQ(ortak.xU[1], 0.0);
  EXPECT_EQ(ortak.xU[kDefaultStations], 1.0);
  for (int i = 1; i <= kDefaultStations; ++i) {
    EXPECT_NEAR(ortak.yC[static_cast<std::size_t>(i)], 0.0, 1e-12) << i;
  }
  EXPECT_TRUE(fs::exists(workDir / "Vantrel.txt"));

  // A broken file afterwards leaves that airfoil loaded.
  write("broken.dat", "");
  EXPECT_FALSE(choose("broken.dat"));
  EXPECT_TRUE(handlers.FileLoaded());
  EXPECT_EQ(ortak.NPoint, kDefaultStations);
}

}  // namespace
}  // namespace vantrel
