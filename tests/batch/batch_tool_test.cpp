#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "batch_test_support.h"

namespace vantrel::batch_test {
namespace {

TEST(BatchTool, CommandLinesItDoesNotUnderstandExitWithUsage) {
  TempFolder folder;
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"fly"},
                                               {"open"},
                                               {"alfa-scroll", "300"},
                                               {"sweep", "0", "10", "-1"},
                                               {"--plots"},
                                               {"naca"}}) {
    const ToolRun run = runTool(folder.path(), args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_NE(run.err.find("usage: qeb-vantrel-batch"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "Vantrel.txt"));
  const ToolRun help = runTool(folder.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: "));
}

TEST(BatchTool, UnreadableFileFailsWithItsMessageOnStderr) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"open", "missing.nca", "alfa", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with("qeb-vantrel-batch: open: ")) << run.err;
  // The run stops at the failed action and still shows what the user sees.
  const auto shown = lines(run.out);
  ASSERT_GE(shown.size(), 9u);
  EXPECT_EQ(shown[0], "Text_Alfa0 = ");
  EXPECT_EQ(shown[4], "Text_Alfa = 0");
}

TEST(BatchTool, JsonSummaryIsValidWithTheAgreedKeys) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"--json", "alfa", "tab\there", "alfa-scroll", "3"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "qeb-vantrel-batch: alfa-scroll: Open an airfoil data file\n");
  const Json parsed = Json::parse(run.out);
  EXPECT_EQ(keysOf(parsed),
            (std::vector<std::string>{"Text_Alfa0", "Text_CmAC", "Text_CL", "Text_Cmx", "Text_Alfa",
                                      "Text_xM", "Text_N", "Lbl_Airfoil", "Lbl_Degree", "messages",
                                      "state"}));
  EXPECT_EQ(parsed["Text_Alfa"], "tab\there");
  EXPECT_EQ(parsed["messages"], Json::array({"Open an airfoil data file"}));
  EXPECT_EQ(parsed["state"]["NPoint"], 0);
  EXPECT_EQ(parsed["state"]["xC"], Json::array());
}

TEST(BatchTool, PlotsWriteEveryPictureArea) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"--plots", "pictures", "numerical"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");  // no display needed, no toolkit warnings
  for (const char* name :
       {"Picture_Airfoil", "Picture_Camber", "Picture_Load", "Picture_Cmx", "Picture_CL"}) {
    const auto stem = folder / "pictures" / name;
    const std::string list = fileBytes(stem.string() + ".json");
    EXPECT_TRUE(Json::accept(list)) << name;
#ifdef VANTREL_HAVE_RENDER
    EXPECT_TRUE(fileBytes(stem.string() + ".png").starts_with("\x89PNG")) << name;
    EXPECT_NE(fileBytes(stem.string() + ".svg").find("<svg"), std::string::npos) << name;
#endif
  }
  const Json lift = Json::parse(fileBytes(folder / "pictures" / "Picture_CL.json"));
  ASSERT_FALSE(lift.empty());
  EXPECT_EQ(lift[0]["op"], "scale");
#ifdef VANTREL_HAVE_RENDER
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "pictures"),
                          std::filesystem::directory_iterator()),
            15);
#endif
}

TEST(BatchTool, ReportsGoToTheWorkingFolder) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"--workdir", "lesson/work", "numerical"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "lesson/work/Poly5.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Poly5.txt"));
}

TEST(BatchTool, FlatPlateSweepPrintsCsvInPlaceOfTheSummary) {
  TempFolder folder;
  writeFlatPlate(folder / "flat.nca");
  const ToolRun run =
      runTool(folder.path(), {"open", "flat.nca", "alfa", "5", "vortex", "sweep", "0", "5", "2.5"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto table = lines(run.out);
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table[0], "alfa,cl,cm4");
  EXPECT_EQ(table[1], "0,0,0");
  // Full precision: 2·Pi·sin 5° and 0.25·cl·(1 − cos 5°).
  EXPECT_TRUE(table[3].starts_with("5,0.54761568")) << table[3];

  const ToolRun json =
      runTool(folder.path(), {"--json", "open", "flat.nca", "vortex", "sweep", "0", "5", "2.5"});
  const Json parsed = Json::parse(json.out);
  EXPECT_EQ(parsed["sweep"]["rows"].size(), 3u);
  EXPECT_EQ(parsed["Text_CL"], "0.548");
  EXPECT_EQ(parsed["Lbl_Airfoil"], "FLAT PLATE");
}

TEST(BatchTool, CsvFilesHoldTheDataBehindThePlots) {
  TempFolder folder;
  writeParabola(folder / "parabola.nca");
  const ToolRun run = runTool(folder.path(), {"--csv", "data", "open", "parabola.nca", "lsq", "3"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::pair<std::string, std::string>> headers = {
      {"camber.csv", "x,y"},
      {"camber_polynomial.csv", "x,y"},
      {"lift.csv", "point,alfa,CL"},
      {"moment.csv", "point,alfa,Cmx"},
      {"load.csv", "x,load"}};
  for (const auto& [name, header] : headers) {
    const auto rows = lines(fileBytes(folder / "data" / name));
    ASSERT_FALSE(rows.empty()) << name;
    EXPECT_EQ(rows[0], header);
    EXPECT_GT(rows.size(), 3u) << name;
  }
}

TEST(BatchTool, NacaReproducesTheShippedSample) {
  const std::filesystem::path sample = std::filesystem::path(VANTREL_SAMPLES) / "naca2412.nca";
  ASSERT_TRUE(std::filesystem::exists(sample));
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"naca", "2412", "--stations", "41"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, fileBytes(sample));
}

TEST(BatchTool, GeneratorsFailWithNothingOnStdout) {
  TempFolder folder;
  const ToolRun missing = runTool(folder.path(), {"convert", "missing.dat"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("missing.dat"), std::string::npos);

  const ToolRun unknown = runTool(folder.path(), {"naca", "98x"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_TRUE(unknown.out.empty());
  EXPECT_NE(unknown.err.find("98x"), std::string::npos);
}

// A symmetric Selig file: trailing edge, over the upper surface to the leading edge and back.
void writeSeligFile(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "TEST SELIG\n";
  const auto half = [](double x) { return 0.3 * std::sqrt(x) * (1 - x); };
  for (int i = 20; i >= 0; --i) out << i / 20.0 << ' ' << half(i / 20.0) << '\n';
  for (int i = 1; i <= 20; ++i) out << i / 20.0 << ' ' << -half(i / 20.0) << '\n';
}

TEST(BatchTool, ConvertWritesAFileTheReaderTakes) {
  TempFolder folder;
  writeSeligFile(folder / "test.dat");
  const ToolRun run = runTool(folder.path(), {"convert", "test.dat", "--stations", "11"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto converted = lines(run.out);
  ASSERT_EQ(converted.size(), 14u);  // the name, two header lines, 11 stations
  EXPECT_EQ(converted[0], "TEST SELIG\r");
  test::writeBytes(folder / "test.nca", run.out);
  const ToolRun read = runTool(folder.path(), {"--json", "open", "test.nca", "vortex"});
  EXPECT_EQ(read.status, 0) << read.err;
  const Json parsed = Json::parse(read.out);
  EXPECT_EQ(parsed["state"]["NPoint"], 11);
  EXPECT_EQ(parsed["Text_CL"], "0");  // symmetric, at zero angle

  test::writeBytes(folder / "bad.dat", "BAD\n1 0\nabc 0\n");
  const ToolRun bad = runTool(folder.path(), {"convert", "bad.dat"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_NE(bad.err.find("bad.dat"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::batch_test
