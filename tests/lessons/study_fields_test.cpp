#include "lessons/study_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

namespace vantrel {
namespace {

std::string refusal(const StudyFields& fields) {
  const auto settings = studySettingsFromFields(fields);
  const auto* message = std::get_if<std::string>(&settings);
  return message ? *message : std::string();
}

// The window and the page read the study's fields through this one function: the same text is
// refused with the same words everywhere.
TEST(StudyFields, RefusesWhatCannotBeStudied) {
  const struct {
    StudyFields fields;
    std::string expected;
  } cases[] = {
      {{"10.5", "2560", "4", true, "2412", "", {}},
       "The numbers of panels must be whole numbers, such as 10 and 2560."},
      {{"ten", "2560", "4", true, "2412", "", {}},
       "The numbers of panels must be whole numbers, such as 10 and 2560."},
      {{"10", "2560", "4", true, "24x2", "", {}},
       "\"24x2\" is not a NACA 4- or 5-digit designation the generator covers."},
      {{" 10 ", "+160", "4", true, " 2412 ", "", {}}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(refusal(c.fields), c.expected) << c.fields.from;
  EXPECT_FALSE(refusal({"160", "10", "4", true, "2412", "", {}}).empty())
      << "a range without panels";
}

TEST(StudyFields, TheAirfoilOnScreenOrTheSectionTyped) {
  const auto naca = studySettingsFromFields({"10", "40", "3abc", true, " 4412 ", "X (x.nca)", {}});
  ASSERT_TRUE(std::holds_alternative<ConvergenceSettings>(naca));
  EXPECT_EQ(std::get<ConvergenceSettings>(naca).source, "4412");
  EXPECT_EQ(std::get<ConvergenceSettings>(naca).alfa, 3.0)
      << "the angle read as a text box reads it";
  EXPECT_FALSE(std::get<ConvergenceSettings>(naca).airfoil);
  const auto onScreen =
      studySettingsFromFields({"10", "40", "4", false, "", "X (x.nca)", AirfoilData{}});
  ASSERT_TRUE(std::holds_alternative<ConvergenceSettings>(onScreen));
  EXPECT_EQ(std::get<ConvergenceSettings>(onScreen).source, "X (x.nca)");
  EXPECT_TRUE(std::get<ConvergenceSettings>(onScreen).airfoil);
}

// Ten significant digits for values and differences, three decimals for orders, nothing where
// there is no order; N first.
TEST(StudyFields, TableCellsAsTheWindowShowsThem) {
  const auto result = runConvergenceStudy({"2412", 4.0, 10, 40, std::nullopt});
  ASSERT_TRUE(std::holds_alternative<ConvergenceStudy>(result));
  const auto& study = std::get<ConvergenceStudy>(result);
  const auto cells = convergenceTableCells(study);
  ASSERT_EQ(cells.size(), study.rows.size());
  EXPECT_EQ(convergenceTableHeaders().size(), cells[0].size());
  for (std::size_t row = 0; row < cells.size(); ++row) {
    EXPECT_EQ(cells[row][0], std::to_string(study.rows[row].N));
    for (int q = 0; q < kStudyQuantities; ++q) {
      const std::string& value = cells[row][1 + 3 * q];
      EXPECT_NEAR(std::stod(value), study.rows[row].values[q],
                  1e-9 * std::abs(study.rows[row].values[q]));
      const auto order = study.observedOrder(row, q);
      const std::string& shown = cells[row][3 + 3 * q];
      EXPECT_EQ(shown.empty(), !order);
      if (order) {
        EXPECT_EQ(shown.size() - shown.find('.'), 4u) << shown;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
