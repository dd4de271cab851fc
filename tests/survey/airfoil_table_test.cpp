#include "survey/airfoil_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "app/form1_handlers.h"
#include "fixtures/test_airfoil.h"
#include "input/naca.h"
#include "panel/panel_lesson.h"
#include "state/headless_controls.h"
#include "support/test_files.h"
#include "survey/survey.h"

namespace vantrel {
namespace {

std::uint64_t bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

// What the main window shows for a file: "Numerical Integration" after the angle was typed, and
// "Thickness and Pressure" at that angle.
struct WindowResult {
  double Alfa0, CmAC, CL, panelCL, panelCLalpha;
};
WindowResult windowResult(const std::filesystem::path& file, const std::string& alfaText) {
  Ortak ortak;
  HeadlessControls form;
  const auto workDir = test::freshFolderForThisTest("survey-window-");
  Form1Handlers handlers(ortak, form, workDir);
  handlers.Form_Load();
  EXPECT_TRUE(handlers.File1_Click(file.parent_path().string(), file.filename().string()));
  form.setText(TextBox::Text_Alfa, alfaText);
  handlers.Mn_Numerical_Click();
  EXPECT_TRUE(form.messages().empty()) << form.messages().front();
  WindowResult shown{ortak.Alfa0, ortak.CmAC, ortak.CL, 0, 0};
  const auto solved = panelLessonOf(ortak, form);
  if (const auto* lesson = std::get_if<PanelLesson>(&solved)) {
    shown.panelCL = lesson->panel.CL(lesson->Alfa * std::numbers::pi / 180);
    shown.panelCLalpha = lesson->panel.CLalpha();
  }
  std::filesystem::remove_all(workDir);
  return shown;
}

std::vector<std::filesystem::path> realAirfoilFiles() {
  std::vector<std::filesystem::path> files;
  for (const char* folder : {VANTREL_SAMPLES, VANTREL_TEST_DATA "/airfoils"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const auto extension = entry.path().extension();
      if (extension == ".nca" || extension == ".dat") files.push_back(entry.path());
    }
  }
  return files;
}

TEST(AirfoilTable, RowsEqualTheMainWindowsResultsToTheLastBit) {
  const auto files = realAirfoilFiles();
  ASSERT_GE(files.size(), 10u);
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    const AirfoilRow row = airfoilRow(file.string(), 3.7);
    ASSERT_TRUE(row.computed) << row.message;
    const WindowResult shown = windowResult(file, "3.7");
    EXPECT_EQ(bits(row.Alfa0), bits(shown.Alfa0));
    EXPECT_EQ(bits(row.CmAC), bits(shown.CmAC));
    EXPECT_EQ(bits(row.CL), bits(shown.CL));
    const auto name = file.filename().string();
    if (name == "flatplate.nca" || name == "parabola.nca") {
      // A camber line without thickness: thin-airfoil values, no panel method, and no failure.
      EXPECT_FALSE(row.panelCL);
      EXPECT_NE(row.message.find("panel method"), std::string::npos) << row.message;
      EXPECT_FALSE(surveyRowFailed(row));
      continue;
    }
    ASSERT_TRUE(row.panelCL && row.panelCLalpha) << row.message;
    EXPECT_EQ(bits(*row.panelCL), bits(shown.panelCL));
    EXPECT_EQ(bits(*row.panelCLalpha), bits(shown.panelCLalpha));
  }
}

TEST(AirfoilTable, NacaDesignationEqualsTheFileTheGeneratorWrites) {
  const auto folder = test::freshFolderForThisTest("survey-naca-");
  for (const char* designation : {"0006", "2412", "23012"}) {
    const auto file = folder / (std::string(designation) + ".nca");
    test::writeBytes(file, nacaDataFile(*nacaAirfoil(designation, kTableNacaStations)));
    AirfoilRow fromFile = airfoilRow(file.string(), -2);
    AirfoilRow fromDesignation = airfoilRow(designation, -2);
    fromFile.source = fromDesignation.source;
    EXPECT_EQ(airfoilTableLine(fromFile), airfoilTableLine(fromDesignation));
  }
  std::filesystem::remove_all(folder);
}

TEST(AirfoilTable, GeometryIsMeasuredAtTheStations) {
  struct Case {
    const char* designation;
    double camber, xCamber, thickness, xThickness, tolerance;
  };
  // 41 cosine-spaced stations put a station within a few per cent of the chord of each maximum.
  for (const Case& c :
       {Case{"2412", 0.02, 0.4, 0.12, 0.3, 0.03}, Case{"4412", 0.04, 0.4, 0.12, 0.3, 0.03},
        Case{"0009", 0.0, 0.0, 0.09, 0.3, 0.03}}) {
    SCOPED_TRACE(c.designation);
    const AirfoilRow row = airfoilRow(c.designation, 0);
    ASSERT_TRUE(row.read);
    EXPECT_NEAR(row.camber, c.camber, 1e-4);
    if (c.camber != 0) {
      EXPECT_NEAR(row.xCamber, c.xCamber, c.tolerance);
    }
    EXPECT_NEAR(row.thickness, c.thickness, 1e-3);
    EXPECT_NEAR(row.xThickness, c.xThickness, c.tolerance);
  }
}

// Every fault gives a row that says why, and the rows around it stay whole and in order.
TEST(Survey, BadSourcesGiveRowsWithTheirMessagesAndTheOthersStay) {
  const auto folder = test::freshFolderForThisTest("survey-bad-");
  const auto camber = test::parabolicCamber(test::evenlySpacedX(21));
  std::vector<test::Station> upper = camber, lower = camber;
  for (std::size_t i = 0; i < upper.size(); ++i) {
    upper[i].y += 0.05 * upper[i].x * (1 - upper[i].x);
    lower[i].y -= 0.05 * lower[i].x * (1 - lower[i].x);
  }
  test::writeBytes(folder / "b_good.nca", test::airfoilFileText("GOOD", upper, lower));
  test::writeBytes(folder / "a_broken.nca", "BROKEN\n\n\n0.0 0.0 0.0 x\n");
  test::writeBytes(folder / "c_empty.DAT", "");
  test::writeBytes(folder / "notes.txt", "not an airfoil");
  std::filesystem::create_directory(folder / "empty");
  const std::vector<std::string> sources = {folder.string(), "2412", "9999x",
                                            (folder / "missing.nca").string(),
                                            (folder / "empty").string()};
  const auto items = surveyItems(sources);
  ASSERT_EQ(items.size(), 7u);
  const auto rows = runSurvey(items, 2, 1);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(std::filesystem::path(rows[0].source).filename(), "a_broken.nca");
  EXPECT_EQ(std::filesystem::path(rows[1].source).filename(), "b_good.nca");
  EXPECT_EQ(std::filesystem::path(rows[2].source).filename(), "c_empty.DAT");
  const std::vector<bool> failed = {true, false, true, false, true, true, true};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].source);
    EXPECT_EQ(surveyRowFailed(rows[i]), failed[i]);
    EXPECT_EQ(rows[i].message.empty(), !failed[i]) << rows[i].message;
  }
  EXPECT_NE(rows[0].message.find("a_broken.nca"), std::string::npos) << rows[0].message;
  EXPECT_NE(rows[4].message.find("neither a NACA designation"), std::string::npos);
  EXPECT_NE(rows[5].message.find("\"missing.nca\": the file does not exist"), std::string::npos)
      << rows[5].message;
  EXPECT_NE(rows[6].message.find("holds no .nca or .dat file"), std::string::npos);

  const std::string csv = airfoilTableCsv(rows);
  EXPECT_EQ(csv.substr(0, csv.find('\n')), kAirfoilTableHeader);
  EXPECT_NE(csv.find(",\"GOOD\","), std::string::npos) << csv;
  // Quotes in a message are doubled.
  EXPECT_NE(csv.find("\"Cannot read \"\"a_broken.nca\"\": line 4"), std::string::npos) << csv;
  // A row without values keeps every column, empty.
  const std::string broken = airfoilTableLine(rows[0]);
  EXPECT_EQ(broken.find(",,,,,,,,,,,\""), broken.find(','));

  // Two threads give the rows of one, bit for bit and in the same order.
  EXPECT_EQ(airfoilTableCsv(runSurvey(items, 2, 2)), csv);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vantrel
