#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "app/form1_handlers.h"
#include "app/headless_controls.h"
#include "support/test_airfoil.h"

namespace vantrel {
namespace {

// One "CALCULATE" on the cambered airfoil, then angle-of-attack scroll moves; the reference-point
// scroll bar is moved too, which adds nothing to the log.
struct LogCase {
  const char* folder;
  const char* degree;
  Option option;
  std::vector<int> alfaScrolls;
  friend void PrintTo(const LogCase& logCase, std::ostream* out) { *out << logCase.folder; }
};

class ResultsLogCase : public ::testing::TestWithParam<LogCase> {};

TEST_P(ResultsLogCase, MatchesTheExpectedLogByteForByte) {
  const LogCase& logCase = GetParam();
  const std::filesystem::path data = VANTREL_TEST_DATA;
  const std::filesystem::path workDir = test::freshFolder(logCase.folder);
  Ortak ortak;
  HeadlessControls form;
  Form1Handlers handlers(ortak, form, workDir);
  handlers.Form_Load();
  ASSERT_TRUE(handlers.File1_Click((data / "lsq_cambered").string(), "airfoil.nca"));
  test::writeBytes(workDir / "Poly5.txt", "left over from an earlier run\r\n");

  handlers.Mn_Polynomial_Click();
  form.setText(TextBox::Text_N, logCase.degree);
  form.select(logCase.option);
  handlers.Cmnd_LSQM_Click();
  for (int value : logCase.alfaScrolls) {
    handlers.HScroll_Alfa_Change(value);
    handlers.HScroll_xM_Change(value / 2);
  }

  EXPECT_TRUE(form.messages().empty());
  EXPECT_EQ(test::fileBytes(workDir / "Poly5.txt"),
            test::fileBytes(data / logCase.folder / "Poly5.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    CamberedAirfoil, ResultsLogCase,
    ::testing::Values(LogCase{"lsq_cambered_deg2_ends", "2", Option::Opt_WithEnd, {}},
                      LogCase{"lsq_cambered_deg2_free", "2", Option::Opt_WithOutEnd, {}},
                      LogCase{"lsq_cambered_deg3_ends", "3", Option::Opt_WithEnd, {}},
                      LogCase{"lsq_cambered_deg3_free", "3", Option::Opt_WithOutEnd, {}},
                      LogCase{"lsq_cambered_deg5_ends", "5", Option::Opt_WithEnd, {}},
                      LogCase{"lsq_cambered_deg5_free", "5", Option::Opt_WithOutEnd, {}},
                      LogCase{
                          "lsq_cambered_deg3_ends_scrolled", "3", Option::Opt_WithEnd, {140, 60}}),
    [](const auto& info) { return std::string(info.param.folder).substr(4); });

}  // namespace
}  // namespace vantrel
