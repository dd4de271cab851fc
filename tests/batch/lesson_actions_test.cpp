#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "batch/command_line.h"
#include "batch/json_text.h"
#include "batch_test_support.h"

namespace vantrel::batch_test {
namespace {

using namespace vantrel::batch;

const std::string kNaca2412 = std::string(VANTREL_SAMPLES) + "/naca2412.nca";

TEST(LessonActions, FlapAndCompareAreReadFromTheCommandLine) {
  const auto parsed = parseCommandLine({"open", "a.nca", "flap", "0.75", "-5", "compare"});
  const auto* run = std::get_if<RunCommand>(&parsed);
  ASSERT_TRUE(run);
  ASSERT_EQ(run->actions.size(), 3u);
  EXPECT_EQ(run->actions[1].kind, ActionKind::Flap);
  EXPECT_EQ(run->actions[1].text, "0.75");
  EXPECT_EQ(run->actions[1].deflection, "-5");
  EXPECT_EQ(run->actions[2].kind, ActionKind::Compare);

  const std::pair<std::vector<std::string>, std::string> refusals[] = {
      {{"flap", "0.75"}, "flap: missing XH DEG"},
      {{"compare", "compare"}, "compare: only one sweep or compare per run"},
      {{"lsq", "2", "sweep", "0", "1", "1", "compare"},
       "compare: only one sweep or compare per run"}};
  for (const auto& [args, message] : refusals) {
    const auto refused = parseCommandLine(args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(refused)) << message;
    EXPECT_EQ(std::get<UsageError>(refused).message, message);
  }
}

// The generated section is read as the file the naca command writes would be: the same report,
// the same results, the same status line, and nothing left behind in the working folder.
TEST(LessonActions, NacaReadsWhatTheGeneratorWrites) {
  TempFolder folder;
  const ToolRun written = runTool(folder.path(), {"naca", "4412", "--stations", "61"});
  ASSERT_EQ(written.status, 0) << written.err;
  test::writeBytes(folder / "naca4412.nca", written.out);
  const ToolRun opened =
      runTool(folder.path(), {"--json", "open", (folder / "naca4412.nca").string(), "numerical"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  const std::string report = fileBytes(folder / "Vantrel.txt");
  std::filesystem::remove(folder / "naca4412.nca");

  const ToolRun generated = runTool(folder.path(), {"--json", "naca", "4412", "61", "numerical"});
  ASSERT_EQ(generated.status, 0) << generated.err;
  EXPECT_EQ(generated.out, opened.out);
  EXPECT_EQ(fileBytes(folder / "Vantrel.txt"), report);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Poly5.txt", "Vantrel.txt"}));
}

TEST(LessonActions, ComparePrintsOneRowPerMethodAndLeavesTheReports) {
  TempFolder folder;
  const ToolRun plain = runTool(folder.path(), {"open", kNaca2412, "lsq", "3", "alfa", "4"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  const std::string report = fileBytes(folder / "Vantrel.txt");
  const std::string log = fileBytes(folder / "Poly5.txt");

  const ToolRun run =
      runTool(folder.path(), {"open", kNaca2412, "lsq", "3", "alfa", "4", "xm", "0.5", "compare"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto shown = lines(run.out);
  ASSERT_EQ(shown.size(), 13u) << run.out;
  EXPECT_EQ(shown[0], "# NACA 2412: every method at alfa = 4 deg");
  EXPECT_EQ(shown[2], "method,Alfa0,CmAC,CL,Cmx,message,note");
  EXPECT_TRUE(shown[3].starts_with("\"Least squares, degree 2, with end conditions\",-2.16"));
  EXPECT_TRUE(shown[11].starts_with("\"Numerical integration\",-2.07"));
  EXPECT_TRUE(shown[12].starts_with("\"Lumped vortex\",-2.0"));
  EXPECT_EQ(fileBytes(folder / "Vantrel.txt"), report);
  EXPECT_EQ(fileBytes(folder / "Poly5.txt"), log);
}

TEST(LessonActions, CompareInJsonGivesNumbersOrTheMessage) {
  TempFolder folder;
  const auto camber = test::parabolicCamber({0, 0.3, 0.7, 1});
  test::writeBytes(folder / "four.nca", test::airfoilFileText("FOUR", camber, camber));
  const ToolRun run = runTool(folder.path(), {"--json", "open", "four.nca", "compare"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json parsed = Json::parse(run.out);
  const Json& rows = parsed["compare"]["rows"];
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0]["method"], "Least squares, degree 2, with end conditions");
  EXPECT_TRUE(rows[0]["message"].is_null());
  EXPECT_TRUE(rows[0]["Alfa0"].is_number());
  // Four stations hold no polynomial of degree 4.
  EXPECT_TRUE(rows[2].contains("Alfa0"));
  EXPECT_TRUE(rows[2]["Alfa0"].is_null());
  EXPECT_NE(rows[2]["message"].get<std::string>().find("degree 4"), std::string::npos);
}

TEST(LessonActions, RefusedFlapOrCompareFailsWithTheMessage) {
  TempFolder folder;
  const std::pair<std::vector<std::string>, std::string> failures[] = {
      {{"compare"}, "qeb-vantrel-batch: compare: Open an airfoil data file\n"},
      {{"flap", "0.5", "10"}, "qeb-vantrel-batch: flap: Open an airfoil data file\n"},
      {{"open", kNaca2412, "flap", "1.5", "10"},
       "qeb-vantrel-batch: flap: The hinge must lie inside the chord, at an x/c between 0 and 1; "
       "1.5 does not.\n"}};
  for (const auto& [args, message] : failures) {
    const ToolRun run = runTool(folder.path(), args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, message);
  }
}

TEST(LessonActions, FlapIsANewlyReadAirfoilWithItsOwnReport) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"open", kNaca2412, "flap", "0.7", "-10"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Lbl_Airfoil = NACA 2412, flap -10\xC2\xB0 at 0.7\n"), std::string::npos);
  EXPECT_TRUE(fileBytes(folder / "Vantrel.txt").starts_with("NACA 2412, flap -10\xB0 at 0.7\r\n"));
}

TEST(LessonActions, ConvergePrintsItsTableAndDrawsItsPlot) {
  TempFolder folder;
  const ToolRun run = runTool(
      folder.path(), {"converge", "NACA 2412", "--to", "40", "--alfa", "2", "--plots", "p"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto shown = lines(run.out);
  ASSERT_EQ(shown.size(), 13u) << run.out;
  EXPECT_TRUE(shown[1].ends_with("at alfa = 2 deg")) << shown[1];
  EXPECT_TRUE(shown[2].starts_with("# studied: NACA 2412's mean line")) << shown[2];
  EXPECT_TRUE(shown[10].starts_with("10,-2.028")) << shown[10];
  EXPECT_TRUE(shown[12].starts_with("40,"));
  EXPECT_TRUE(std::filesystem::exists(folder / "p/convergence.json"));
#ifdef VANTREL_HAVE_RENDER
  EXPECT_TRUE(std::filesystem::exists(folder / "p/convergence.png"));
  EXPECT_TRUE(std::filesystem::exists(folder / "p/convergence.svg"));
#endif
  EXPECT_FALSE(std::filesystem::exists(folder / "Vantrel.txt"));

  const std::pair<std::vector<std::string>, int> others[] = {
      {{"converge"}, 2},
      {{"converge", "2412", "--from", "x"}, 2},
      {{"converge", "2412", "--alfa"}, 2},
      {{"converge", "nothing.nca"}, 1}};
  for (const auto& [args, status] : others) {
    EXPECT_EQ(runTool(folder.path(), args).status, status) << args.back();
  }
}

}  // namespace
}  // namespace vantrel::batch_test
