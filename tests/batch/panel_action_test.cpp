#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_tool.h"
#include "fixtures/test_airfoil.h"
#include "support/test_files.h"

namespace vantrel::batch {
namespace {

struct RunResult {
  int status;
  std::string out, err;
};

RunResult run(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int status = runBatchTool(arguments, out, err);
  return {status, out.str(), err.str()};
}

// `panel [N]` on the sample: the JSON object, cp.csv with the upper surface first, the picture.
TEST(PanelAction, WritesItsResultsTableAndPicture) {
  const auto folder = test::freshFolderForThisTest("panel_");
  const RunResult result = run({"--workdir", folder.string(), "--json", "--csv", (folder / "csv").string(),
                          "--plots", (folder / "plots").string(), "open",
                          VANTREL_SAMPLES "/naca2412.nca", "alfa", "4", "panel", "200"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  const auto& panel = json.at("panel");
  EXPECT_EQ(panel.at("N"), 200);
  EXPECT_NEAR(panel.at("CL").get<double>(), 0.742, 0.005);
  EXPECT_NEAR(panel.at("Alfa0").get<double>(), -2.15, 0.05);
  EXPECT_NEAR(panel.at("CLalpha").get<double>(), 6.92, 0.03);
  EXPECT_LT(panel.at("CmQuarter").get<double>(), -0.04);
  std::istringstream csv(test::fileBytes(folder / "csv" / "cp.csv"));
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(csv, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 201u);
  EXPECT_EQ(lines[0], "x,y,Cp");
  // The upper surface first, from the leading edge: its points lie above the lower surface's.
  EXPECT_GT(std::stod(lines[50].substr(lines[50].find(',') + 1)), 0.0);
  EXPECT_LT(std::stod(lines[150].substr(lines[150].find(',') + 1)), 0.0);
  EXPECT_TRUE(std::filesystem::exists(folder / "plots" / "Picture_Pressure.json"));
}

struct Refusal {
  std::vector<std::string> arguments;
  int status;
  const char* errorPart;
};

TEST(PanelAction, RefusesInWords) {
  const std::vector<Refusal> refusals = {
      {{"open", VANTREL_SAMPLES "/flatplate.nca", "panel"}, 1, "camber line only"},
      {{"open", VANTREL_SAMPLES "/parabola.nca", "panel"}, 1, "camber line only"},
      {{"panel"}, 1, "Open an airfoil data file"},
      {{"open", VANTREL_SAMPLES "/naca2412.nca", "panel", "5"}, 2, "from 8 to 2000"},
      {{"open", VANTREL_SAMPLES "/naca2412.nca", "panel", "12x"}, 2, "not \"12x\""},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> arguments{"--workdir",
                                       test::freshFolderForThisTest("panel_refused_").string()};
    arguments.insert(arguments.end(), refusal.arguments.begin(), refusal.arguments.end());
    const RunResult result = run(arguments);
    SCOPED_TRACE(refusal.errorPart);
    EXPECT_EQ(result.status, refusal.status);
    EXPECT_NE(result.err.find(refusal.errorPart), std::string::npos) << result.err;
    EXPECT_EQ(result.out.find("nan"), std::string::npos);
  }
}

}  // namespace
}  // namespace vantrel::batch
