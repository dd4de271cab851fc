#include "input/read_data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "fixtures/test_airfoil.h"
#include "support/session_test.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

using test::fileBytes;
using test::writeBytes;

class ReadDataFileTest : public test::SessionTest {
 protected:
  bool readText(const std::string& text, const std::string& label = "test.nca") {
    std::istringstream in(text);
    return readDataFileStream(session, in, label);
  }
  std::string report() const { return fileBytes(workDir / "Vantrel.txt"); }
};

const std::string kBigger =
    "Bigger\r\nh\r\nh\r\n0 0 0 0\r\n0.25 0.06 0.25 -0.04\r\n0.5 0.07 0.5 -0.03\r\n1 0 1 0\r\n";
const std::string kSmaller = "Smaller\r\nh\r\nh\r\n0 0 0 0\r\n1 0.01 1 0.01\r\n";

TEST_F(ReadDataFileTest, ReadFillsTheStationStateAndNothingElse) {
  ortak.M = 5;
  ortak.A = {0.1, 0.2, 0.3};
  ortak.CL = 0.7;
  ortak.Alfa0 = -2;
  ASSERT_TRUE(readText(kBigger));
  EXPECT_EQ(ortak.AirfoilName, "Bigger");
  EXPECT_EQ(ortak.NPoint, 4);
  EXPECT_EQ(ortak.xC.size(), 5u);
  EXPECT_NEAR(ortak.yC[2], 0.01, 1e-15);
  EXPECT_EQ(ortak.Theta[3], ortak.Pi / 2);
  EXPECT_EQ(ortak.M, 5);
  EXPECT_EQ(ortak.A, (std::vector<double>{0.1, 0.2, 0.3}));
  EXPECT_EQ(ortak.CL, 0.7);
  EXPECT_EQ(ortak.Alfa0, -2);
  EXPECT_EQ(form.caption(Label::Lbl_Airfoil), "Bigger");
  EXPECT_FALSE(form.picture(Picture::Picture_Airfoil).operations().empty());
  EXPECT_FALSE(form.picture(Picture::Picture_Camber).operations().empty());
}

TEST_F(ReadDataFileTest, SmallerFileAfterBiggerShrinksEveryArrayAndTheReport) {
  ASSERT_TRUE(readText(kBigger));
  ASSERT_TRUE(readText(kSmaller));
  EXPECT_EQ(ortak.NPoint, 2);
  for (const auto* array :
       {&ortak.xU, &ortak.yU, &ortak.xL, &ortak.yL, &ortak.xC, &ortak.yC, &ortak.Theta}) {
    EXPECT_EQ(array->size(), 3u);
  }
  EXPECT_EQ(report(),
            "Smaller\r\n\r\nI   x-\xDCst    y-\xDCst   x-Alt    y-Alt     x-c     y-c\r\n\r\n"
            "1  0.00000  0.00000  0.00000  0.00000  0.00000  0.00000\r\n"
            "2  1.00000  0.01000  1.00000  0.01000  1.00000  0.01000\r\n");
}

TEST_F(ReadDataFileTest, ReadingTheSameFileAgainGivesTheSameResult) {
  writeBytes(workDir / "wing.nca", kBigger);
  ASSERT_TRUE(ReadDataFile(session, (workDir / "wing.nca").string()));
  const Ortak first = ortak;
  const std::string firstReport = report();
  writeBytes(workDir / "Vantrel.txt", firstReport + "a panel block appended later\r\n");
  ASSERT_TRUE(ReadDataFile(session, (workDir / "wing.nca").string()));
  EXPECT_EQ(ortak.xU, first.xU);
  EXPECT_EQ(ortak.Theta, first.Theta);
  EXPECT_EQ(report(), firstReport);
}

// Every failure shows one message and leaves the airfoil, the plots and the report as they were.
TEST_F(ReadDataFileTest, FailuresChangeNothing) {
  ASSERT_TRUE(readText(kBigger));
  const Ortak before = ortak;
  const std::string reportBefore = report();
  const std::size_t airfoilOps = form.picture(Picture::Picture_Airfoil).operations().size();
  const auto revision = form.picture(Picture::Picture_Camber).revision();

  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"", "Cannot read \"bad.nca\": the file ends before the airfoil's name."},
      {"Name\r\nh\r\n",
       "Cannot read \"bad.nca\": the file ends on line 3, before the two lines that follow the "
       "name."},
      {"Name\r\nh\r\nh\r\n0 0 0 0\r\n1 0 1\r\n",
       "Cannot read \"bad.nca\": station 2 (line 5) has only 3 of its 4 numbers."},
      {"Name\r\nh\r\nh\r\n0 0 0 0\r\n1 0 one 0\r\n",
       "Cannot read \"bad.nca\": line 5, item 3 (\"one\") is not a number."},
      {"Name\r\nh\r\nh\r\n0 0 0 0\r\n1.5 0 1 0\r\n",
       "Cannot read \"bad.nca\": station 2 (line 5) has its camber x at 1.25, outside the chord "
       "(0 to 1)."},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.text);
    const std::size_t messagesBefore = form.messages().size();
    EXPECT_FALSE(readText(bad.text, "bad.nca"));
    ASSERT_EQ(form.messages().size(), messagesBefore + 1);
    EXPECT_EQ(form.messages().back(), bad.message);
    EXPECT_EQ(ortak.AirfoilName, before.AirfoilName);
    EXPECT_EQ(ortak.NPoint, before.NPoint);
    EXPECT_EQ(ortak.xU, before.xU);
    EXPECT_EQ(ortak.yL, before.yL);
    EXPECT_EQ(ortak.Theta, before.Theta);
    EXPECT_EQ(report(), reportBefore);
    EXPECT_EQ(form.caption(Label::Lbl_Airfoil), "Bigger");
    EXPECT_EQ(form.picture(Picture::Picture_Airfoil).operations().size(), airfoilOps);
    EXPECT_EQ(form.picture(Picture::Picture_Camber).revision(), revision);
  }
}

TEST_F(ReadDataFileTest, MissingFileOrFolderIsNamed) {
  EXPECT_FALSE(ReadDataFile(session, (workDir / "missing.nca").string()));
  EXPECT_FALSE(ReadDataFile(session, workDir.string() + "/"));
  std::filesystem::create_directory(workDir / "wing.nca");
  EXPECT_FALSE(ReadDataFile(session, (workDir / "wing.nca").string()));
  ASSERT_EQ(form.messages().size(), 3u);
  EXPECT_EQ(form.messages()[0], "Cannot read \"missing.nca\": the file does not exist.");
  EXPECT_EQ(form.messages()[2], "Cannot read \"wing.nca\": it is a folder, not a file.");
  EXPECT_EQ(ortak.NPoint, 0);
  EXPECT_FALSE(std::filesystem::exists(workDir / "Vantrel.txt"));
}

TEST_F(ReadDataFileTest, UnwritableReportKeepsTheAirfoilAndSaysWhy) {
  session.workDir = workDir / "no such folder";
  ASSERT_TRUE(readText(kSmaller));
  EXPECT_EQ(ortak.NPoint, 2);
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_EQ(form.messages()[0], "Could not write \"Vantrel.txt\": No such file or directory.");
}

}  // namespace
}  // namespace vantrel
