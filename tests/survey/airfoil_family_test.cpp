#include "survey/airfoil_family.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "app/form1_handlers.h"
#include "input/plain_flap.h"
#include "state/headless_controls.h"
#include "support/test_files.h"
#include "survey/family_pictures.h"

namespace vantrel {
namespace {

std::vector<std::string> sampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_SAMPLES)) {
    files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The table's rows are the survey's rows of the same sources, every digit of every column.
TEST(AirfoilFamily, RowsEqualTheSurveysRows) {
  std::vector<std::string> sources = sampleFiles();
  sources.resize(std::min<std::size_t>(sources.size(), 6));
  sources.push_back("0009");
  sources.push_back("23012");
  AirfoilFamily family;
  for (const auto& source : sources) ASSERT_FALSE(family.add(source)) << source;
  const auto rows = family.rows(3.25);
  ASSERT_EQ(rows.size(), sources.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(airfoilTableLine(rows[i]), airfoilTableLine(airfoilRow(sources[i], 3.25)));
  }
}

// The airfoil on screen is taken as the window holds it: its row is what "Numerical Integration"
// shows there.
TEST(AirfoilFamily, TheAirfoilOnScreenGivesTheWindowsNumbers) {
  Ortak ortak;
  HeadlessControls form;
  const auto workDir = test::freshFolderForThisTest("family-screen-");
  Form1Handlers handlers(ortak, form, workDir);
  handlers.Form_Load();
  ASSERT_TRUE(handlers.File1_Click(VANTREL_SAMPLES, "naca4412.nca"));
  form.setText(TextBox::Text_Alfa, "-1.5");
  handlers.Mn_Numerical_Click();
  AirfoilFamily family;
  ASSERT_FALSE(family.addAirfoil(loadedAirfoil(ortak), handlers.DataFile()));
  const AirfoilRow row = family.rows(-1.5).front();
  ASSERT_TRUE(row.computed) << row.message;
  EXPECT_EQ(row.Alfa0, ortak.Alfa0);
  EXPECT_EQ(row.CmAC, ortak.CmAC);
  EXPECT_EQ(row.CL, ortak.CL);
  std::filesystem::remove_all(workDir);
}

TEST(AirfoilFamily, AnUnreadableAirfoilKeepsItsRowAndTheOthersStay) {
  const auto folder = test::freshFolderForThisTest("family-bad-");
  test::writeBytes(folder / "broken.nca", "BROKEN\n\n\n0.0 0.0 0.0 x\n");
  AirfoilFamily family;
  for (const std::string& source : {std::string("2412"), (folder / "broken.nca").string(),
                                   std::string("4412")}) {
    ASSERT_FALSE(family.add(source));
  }
  const auto rows = family.rows(4);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[0].computed && rows[2].computed);
  EXPECT_FALSE(rows[1].read);
  EXPECT_NE(rows[1].message.find("broken.nca"), std::string::npos) << rows[1].message;
  EXPECT_EQ(family.members()[1].label, "broken.nca");

  // Only the airfoils that were read are drawn and named, each in its place's colour.
  const FamilyPicture mean = meanLinesPicture(family);
  ASSERT_EQ(mean.axes.legend.size(), 2u);
  EXPECT_EQ(mean.axes.legend[1].color, familyColor(2));
  std::filesystem::remove_all(folder);
}

TEST(AirfoilFamily, RefusesANinthAirfoilABlankAndARepeat) {
  AirfoilFamily family;
  for (const char* designation : {"0006", "0009", "0012", "1412", "2412", "4412", "23012", "2415"}) {
    ASSERT_FALSE(family.add(designation));
  }
  EXPECT_TRUE(family.add("4415"));
  family.remove(7);
  EXPECT_TRUE(family.add("  "));
  EXPECT_TRUE(family.add("2412"));
  EXPECT_FALSE(family.add("4415"));
  EXPECT_EQ(family.members().size(), kFamilyMost);
}

// Each picture draws every airfoil in its colour, names it in the legend, and keeps the curves
// out of the legend's band at the top and clear of the values along the left and the bottom.
TEST(AirfoilFamily, PicturesKeepTheCurvesClearOfTheLegendAndTheValues) {
  AirfoilFamily family;
  for (const char* designation : {"0006", "0009", "1412", "2412", "4412"}) family.add(designation);
  const auto rows = family.rows(4);
  for (const FamilyPicture& shown :
       {meanLinesPicture(family), thicknessPicture(family), liftLinesPicture(family, rows, 4)}) {
    ASSERT_EQ(shown.axes.legend.size(), 5u);
    const ScaleOp scale = *shown.picture.currentScale();
    const double height = scale.y1 - scale.y2, width = scale.x2 - scale.x1;
    const double legendRows = 3 * 1.3 * 11 / kFamilyPictureHeight;
    std::vector<int> linesOf(5, 0);
    for (const PlotOp& op : shown.picture.operations()) {
      const auto* line = std::get_if<LineOp>(&op);
      if (line == nullptr || !line->color || *line->color == kGrey) continue;
      for (std::size_t m = 0; m < 5; ++m) linesOf[m] += *line->color == familyColor(m);
      for (double y : {line->y1, line->y2}) {
        EXPECT_LT(y, scale.y1 - legendRows * height);
        EXPECT_GT(y, scale.y2 + 0.1 * height);
      }
      EXPECT_GT(std::min(line->x1, line->x2), scale.x1 + 0.1 * width);
    }
    for (int count : linesOf) EXPECT_GT(count, 0);
  }
}

}  // namespace
}  // namespace vantrel
