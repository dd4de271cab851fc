// Coordinate files as public airfoil collections publish them, and hand-made ones with the faults
// users meet, read the two ways a user reads them: converted on their own (the batch tool's
// `convert`) and chosen in the window's file list.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/test_airfoil.h"
#include "input/read_by_file_type.h"
#include "input/selig_lednicer_converter.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "state/session.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kAirfoils = fs::path(VANTREL_TEST_DATA) / "airfoils";

struct PublishedFile {
  const char* file;  // under tests/data/airfoils
  bool loads;
  const char* expected;  // a part of the record line when it loads, of the message when refused
};

const std::vector<PublishedFile> kFiles = {
    {"clarky.dat", true, "Converted from clarky.dat (Selig); chord taken as given (unit chord"},
    {"e387.dat", true,
     "(Selig); the surface ending at line 61 stops short of the trailing edge and was closed to it "
     "(line 2); chord normalised: leading edge (0.00044, 0.00234)"},
    {"e374.dat", true, "(Selig); chord normalised: leading edge (0.00014, -0.00121)"},
    {"mh32.dat", true, "(Selig); chord taken as given"},
    {"pw51.dat", true, "(Selig); chord normalised: leading edge (-1e-05, 0.00033), length 1.00001"},
    {"s1223.dat", true, "(Selig); chord normalised: leading edge (-5e-05, -0.00105)"},
    {"n0012.dat", true,
     "(Lednicer); the count line announces 66 upper and 66 lower points (line 2); the blank lines "
     "separate 66 and 65, which were followed"},
    {"n0012-bare.dat", true, "(Lednicer); no count line; the second surface starts at line 68"},
    {"handmade/clarky-notes.dat", true, "(Selig); text from line 124 on ignored; chord taken"},
    {"handmade/e387-percent.dat", true, "coordinates in percent of the chord; chord normalised"},
    {"handmade/mh32-windows.dat", true, "(Selig); chord taken as given"},
    {"handmade/e387-commas.dat", true, "leading edge (0.00044, 0.00234), length 0.999563"},
    {"handmade/pw51-closed.dat", true, "the last point (line 263) repeats the first"},
    {"handmade/e387-tiny.dat", true, "length 9.99563e-301, turned 0.134131 degrees"},
    {"handmade/n0012-swapped.dat", true, "the blank lines separate 66 and 65"},
    {"handmade/e387-flap.dat", false,
     "Cannot convert \"e387-flap.dat\", line 62 starts a second outline; only single-element "
     "airfoils can be read."},
    {"handmade/mh32-padding.dat", false,
     "\"mh32-padding.dat\", line 64: a point after the outline closed at line 63"},
    {"handmade/clarky-stray.dat", false,
     "\"clarky-stray.dat\", line 123: a point after the outline closed at line 122"},
    {"handmade/e387-placeholder.dat", false, "line 21: \"......\" is not a number"},
    {"handmade/e387-mirrored.dat", false,
     "line 33: the leading edge lies to the right of the trailing edge"},
    {"handmade/n0012-counts-off.dat", false,
     "line 2: the count line announces 66 upper and 66 lower points (132 in all), but 131 "
     "points follow"},
};

std::variant<ConvertedFile, ConvertError> convertFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return convertAirfoil(in, path.filename().string());
}

std::string secondLine(const std::string& text) {
  const std::size_t start = text.find('\n') + 1;
  return text.substr(start, text.find('\r', start) - start);
}

TEST(PublishedAirfoils, EachLoadsOrIsRefusedNamingTheRightLine) {
  for (const auto& published : kFiles) {
    SCOPED_TRACE(published.file);
    const auto converted = convertFile(kAirfoils / published.file);
    if (published.loads) {
      ASSERT_TRUE(std::holds_alternative<ConvertedFile>(converted))
          << std::get<ConvertError>(converted).message;
      const std::string record = secondLine(std::get<ConvertedFile>(converted).text);
      EXPECT_NE(record.find(published.expected), std::string::npos) << record;
    } else {
      ASSERT_TRUE(std::holds_alternative<ConvertError>(converted));
      const std::string& message = std::get<ConvertError>(converted).message;
      EXPECT_NE(message.find(published.expected), std::string::npos) << message;
    }
  }
}

// The window's file list reads a .dat file through the same conversion: the same airfoil, the same
// message, and a refused file leaves the previous airfoil in place.
TEST(PublishedAirfoils, TheWindowsFileListReadsThemAlike) {
  Ortak ortak;
  ortak.Pi = 4 * std::atan(1.0);
  HeadlessControls form;
  const fs::path folder = test::freshFolderForThisTest("published_");
  Session session{ortak, form, folder};
  ASSERT_TRUE(readByFileType(session, (kAirfoils / "e387.dat").string()));
  for (const auto& published : kFiles) {
    SCOPED_TRACE(published.file);
    const std::string before = ortak.AirfoilName;
    const auto messages = form.messages().size();
    const bool read = readByFileType(session, (kAirfoils / published.file).string());
    EXPECT_EQ(read, published.loads);
    const auto converted = convertFile(kAirfoils / published.file);
    if (published.loads) {
      EXPECT_EQ(ortak.NPoint, kDefaultStations);
      EXPECT_EQ(form.messages().size(), messages);
    } else {
      ASSERT_EQ(form.messages().size(), messages + 1);
      EXPECT_EQ(form.messages().back(), std::get<ConvertError>(converted).message);
      EXPECT_EQ(ortak.AirfoilName, before);
    }
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vantrel
