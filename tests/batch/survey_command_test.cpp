#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch_test_support.h"

namespace vantrel::batch_test {
namespace {

// The fields of one CSV line: double quotes around a field, doubled inside it.
std::vector<std::string> csvFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::uint64_t bitsOf(const std::string& text) {
  return std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr));
}
std::uint64_t bitsOf(const Json& number) {
  return std::bit_cast<std::uint64_t>(number.get<double>());
}

TEST(SurveyCommand, RowsEqualOpenNumericalAndABrokenFileFailsTheRunAtItsEnd) {
  TempFolder folder;
  const auto collection = folder / "collection";
  std::filesystem::create_directory(collection);
  for (const char* name : {"naca2412.nca", "naca4412.nca", "naca23012.nca"}) {
    std::filesystem::copy_file(std::filesystem::path(VANTREL_SAMPLES) / name, collection / name);
  }
  std::filesystem::copy_file(std::filesystem::path(VANTREL_TEST_DATA) / "airfoils" / "clarky.dat",
                             collection / "clarky.dat");
  test::writeBytes(collection / "naca3000.nca", "TRUNCATED\n\n\n0 0 0\n");

  const ToolRun run = runTool(folder.path(), {"survey", "collection", "0012", "--alfa", "2.5"});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("naca3000.nca"), std::string::npos) << run.err;
  const auto table = lines(run.out);
  ASSERT_EQ(table.size(), 7u) << run.out;
  EXPECT_EQ(table[0],
            "source,name,camber,x_camber,thickness,x_thickness,Alfa0,CmAC,CL,panel_CL,"
            "panel_CLalpha,message");
  const std::vector<std::string> sources = {"collection/clarky.dat",   "collection/naca23012.nca",
                                            "collection/naca2412.nca", "collection/naca3000.nca",
                                            "collection/naca4412.nca", "0012"};
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const auto fields = csvFields(table[i + 1]);
    ASSERT_EQ(fields.size(), 12u) << table[i + 1];
    EXPECT_EQ(fields[0], sources[i]);
    if (sources[i] == "collection/naca3000.nca") {
      EXPECT_TRUE(fields[6].empty());
      EXPECT_NE(fields[11].find("naca3000.nca"), std::string::npos);
      continue;
    }
    if (sources[i] == "0012") continue;
    SCOPED_TRACE(sources[i]);
    EXPECT_TRUE(fields[11].empty()) << fields[11];
    const ToolRun single =
        runTool(folder.path(), {"--json", "open", sources[i], "alfa", "2.5", "numerical", "panel"});
    ASSERT_EQ(single.status, 0) << single.err;
    const Json summary = Json::parse(single.out);
    EXPECT_EQ(bitsOf(fields[6]), bitsOf(summary["state"]["Alfa0"]));
    EXPECT_EQ(bitsOf(fields[7]), bitsOf(summary["state"]["CmAC"]));
    EXPECT_EQ(bitsOf(fields[8]), bitsOf(summary["state"]["CL"]));
    EXPECT_EQ(bitsOf(fields[9]), bitsOf(summary["panel"]["CL"]));
    EXPECT_EQ(bitsOf(fields[10]), bitsOf(summary["panel"]["CLalpha"]));
  }
}

TEST(SurveyCommand, CommandLine) {
  const auto parsed = batch::parseCommandLine({"survey", "a.nca", "--alfa", "4", "dir", "2412"});
  const auto* survey = std::get_if<batch::SurveyCommand>(&parsed);
  ASSERT_NE(survey, nullptr);
  EXPECT_EQ(survey->sources, (std::vector<std::string>{"a.nca", "dir", "2412"}));
  EXPECT_EQ(survey->alfa, 4.0);
  for (const auto& wrong :
       std::vector<std::vector<std::string>>{{"survey"},
                                             {"survey", "a.nca", "--alfa"},
                                             {"survey", "a.nca", "--alfa", "x"},
                                             {"survey", "a.nca", "--stations", "4"}}) {
    EXPECT_TRUE(std::holds_alternative<batch::UsageError>(batch::parseCommandLine(wrong)));
  }
}

}  // namespace
}  // namespace vantrel::batch_test
