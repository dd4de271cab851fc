#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/handlers_test.h"
#include "coefficients/numerical.h"
#include "vortex/lump_vm.h"

// Every folder under tests/data is one case: its airfoil file, an `actions` file, and the reports
// the actions must leave in the working folder, byte for byte ("Vantrel.txt", "Poly5.txt"; a
// report the folder does not hold is not compared). After Form_Load, each line of `actions` is
// one step, a '#' line a comment:
//   File1_Click NAME              the user picks NAME in the case folder
//   Mn_Polynomial_Click, Cmnd_LSQM_Click, Mn_Numerical_Click, Mn_LumpVM_Click
//   HScroll_Alfa_Change VALUE, HScroll_xM_Change VALUE
//   Opt_WithEnd, Opt_WithOutEnd   the option button clicked
//   Text_N TEXT (any text box)    the user types TEXT into it
//   NumericalFourier, LumpedVortex  the procedure alone, without what its menu runs after it
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
  // Runs one line of `actions`; false when the step is not one this test knows.
  bool perform(const std::string& step, const std::string& argument) {
    const std::map<std::string, std::function<void()>> steps = {
        {"File1_Click", [&] { EXPECT_TRUE(handlers.File1_Click(caseFolder.string(), argument)); }},
        {"Mn_Polynomial_Click", [&] { handlers.Mn_Polynomial_Click(); }},
        {"Cmnd_LSQM_Click", [&] { handlers.Cmnd_LSQM_Click(); }},
        {"Mn_Numerical_Click", [&] { handlers.Mn_Numerical_Click(); }},
        {"Mn_LumpVM_Click", [&] { handlers.Mn_LumpVM_Click(); }},
        {"HScroll_Alfa_Change", [&] { handlers.HScroll_Alfa_Change(std::stoi(argument)); }},
        {"HScroll_xM_Change", [&] { handlers.HScroll_xM_Change(std::stoi(argument)); }},
        {"Opt_WithEnd", [&] { form.select(Option::Opt_WithEnd); }},
        {"Opt_WithOutEnd", [&] { form.select(Option::Opt_WithOutEnd); }},
        {"NumericalFourier", [&] { EXPECT_TRUE(NumericalFourier(session)); }},
        {"LumpedVortex", [&] { LumpedVortex(session); }},
        {"write",
         [&] {
           const auto [file, line] = splitFirstWord(argument);
           test::writeBytes(workDir / file, line + "\r\n");
         }},
        {"expect",
         [&] {
           const auto [name, shown] = splitFirstWord(argument);
           EXPECT_EQ(form.text(textBoxNamed(name)), shown) << name;
         }},
    };
    if (const auto found = steps.find(step); found != steps.end()) {
      found->second();
      return true;
    }
    for (TextBox box : kAllTextBoxes) {
      if (step == nameOf(box)) {
        form.setText(box, argument);
        return true;
      }
    }
    return false;
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
    const auto [step, argument] = splitFirstWord(line);
    if (step.empty() || step.starts_with('#')) continue;
    SCOPED_TRACE("actions line " + std::to_string(lineNumber) + ": " + line);
    ASSERT_TRUE(perform(step, argument)) << "unknown step";
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
