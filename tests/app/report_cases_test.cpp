#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/handlers_test.h"
#include "app/user_actions.h"

// Every folder under tests/data/cases is one case: its airfoil file, an `actions` file, and the
// reports the actions must leave in the working folder, byte for byte ("Vantrel.txt",
// "Poly5.txt"; a report the folder does not hold is not compared). After Form_Load, each line of
// `actions` holds the batch tool's action words (`open NAME` picks NAME in the case folder,
// `lsq 3 ends`, `alfa 4`, `alfa-scroll 140`, `numerical`, `vortex`, ...), replayed as the batch
// tool replays them; a '#' line is a comment, and two words set the scene and check it:
//   write FILE LINE               FILE in the working folder holds LINE, as an earlier run left it
//   expect Text_CL TEXT           the text box shows TEXT at that point
// No case shows a message.
namespace vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(VANTREL_TEST_DATA) / "cases";
constexpr const char* kReports[] = {"Vantrel.txt", "Poly5.txt"};

std::vector<std::string> caseFolders() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kData)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// "word rest of the line" -> {"word", "rest of the line"}
std::pair<std::string, std::string> splitFirstWord(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const auto space = line.find(' ');
  if (space == std::string::npos) return {line, ""};
  return {line.substr(0, space), line.substr(space + 1)};
}

class ReportCase : public test::HandlersTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Runs one line of `actions`; false when it holds a word this test does not know.
  bool perform(const std::string& line) {
    const auto [word, argument] = splitFirstWord(line);
    if (word == "write") {
      const auto [file, content] = splitFirstWord(argument);
      test::writeBytes(workDir / file, content + "\r\n");
      return true;
    }
    if (word == "expect") {
      const auto [name, shown] = splitFirstWord(argument);
      EXPECT_EQ(form.text(textBoxNamed(name)), shown) << name;
      return true;
    }
    auto read = readActions(actionWords(line));
    if (const auto* error = std::get_if<ActionError>(&read)) {
      ADD_FAILURE() << error->message;
      return false;
    }
    for (Action& action : std::get<std::vector<Action>>(read)) {
      if (action.kind == ActionKind::Sweep || action.kind == ActionKind::Compare) return false;
      if (action.kind == ActionKind::Open) action.text = (caseFolder / action.text).string();
      EXPECT_TRUE(replayAction(action, handlers, form)) << actionWord(action.kind);
    }
    return true;
  }

  static TextBox textBoxNamed(const std::string& name) {
    const auto* box = std::find_if(std::begin(kAllTextBoxes), std::end(kAllTextBoxes),
                                   [&](TextBox candidate) { return name == nameOf(candidate); });
    EXPECT_NE(box, std::end(kAllTextBoxes)) << "no text box " << name;
    return box == std::end(kAllTextBoxes) ? TextBox::Text_N : *box;
  }

  const fs::path caseFolder = kData / GetParam();
};

TEST_P(ReportCase, LeavesTheExpectedReportsByteForByte) {
  std::ifstream actions(caseFolder / "actions");
  ASSERT_TRUE(actions) << "no actions file in " << caseFolder;
  int lineNumber = 0;
  for (std::string line; std::getline(actions, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.starts_with('#')) continue;
    SCOPED_TRACE("actions line " + std::to_string(lineNumber) + ": " + line);
    ASSERT_TRUE(perform(line)) << "unknown step";
  }
  EXPECT_EQ(form.messages(), std::vector<std::string>{});

  int compared = 0;
  for (const char* report : kReports) {
    if (!fs::exists(caseFolder / report)) continue;
    ++compared;
    EXPECT_EQ(test::fileBytes(workDir / report), test::fileBytes(caseFolder / report)) << report;
  }
  EXPECT_GT(compared, 0) << "no expected report in " << caseFolder;
}

INSTANTIATE_TEST_SUITE_P(TestData, ReportCase, ::testing::ValuesIn(caseFolders()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

}  // namespace
}  // namespace vantrel
