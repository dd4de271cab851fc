#include "coefficients/gauss_e.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "state/headless_controls.h"
#include "state/messages.h"

namespace vantrel {
namespace {

// Aug with rows and columns from `first`, filled row by row from `rows` (right-hand side last).
Matrix augmented(int first, const std::vector<std::vector<double>>& rows) {
  const int size = first + static_cast<int>(rows.size()) + 1;
  Matrix Aug(size, size + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      Aug(first + static_cast<int>(i), first + static_cast<int>(j)) = rows[i][j];
    }
  }
  return Aug;
}

TEST(GaussSolve, SolvesTwoEquationsAndLeavesTheReducedSystem) {
  HeadlessControls form;
  Matrix Aug = augmented(1, {{2, 1, 5}, {4, 3, 11}});
  std::vector<double> Sol(3, -7.0);
  EXPECT_EQ(GaussSolve(1, 2, Aug, Sol, form, Language::Original), GaussOutcome::Solved);
  EXPECT_DOUBLE_EQ(Sol[1], 2.0);
  EXPECT_DOUBLE_EQ(Sol[2], 1.0);
  EXPECT_EQ(Sol[0], -7.0);  // outside First..Last
  EXPECT_EQ(Aug(1, 1), 2.0);
  EXPECT_EQ(Aug(1, 2), 1.0);
  EXPECT_EQ(Aug(1, 3), 5.0);
  EXPECT_EQ(Aug(2, 1), 0.0);
  EXPECT_EQ(Aug(2, 2), 1.0);
  EXPECT_EQ(Aug(2, 3), 1.0);
  EXPECT_TRUE(form.messages().empty());
}

TEST(GaussSolve, SingleEquationIsOneDivision) {
  HeadlessControls form;
  Matrix Aug = augmented(3, {{4, 10}});
  std::vector<double> Sol(4, 0.0);
  GaussSolve(3, 3, Aug, Sol, form, Language::Original);
  EXPECT_DOUBLE_EQ(Sol[3], 2.5);
  EXPECT_TRUE(form.messages().empty());
}

TEST(GaussSolve, FirstIndexZeroWorksLikeOne) {
  HeadlessControls form;
  Matrix Aug = augmented(0, {{2, 1, 5}, {4, 3, 11}});
  std::vector<double> Sol(2, 0.0);
  GaussSolve(0, 1, Aug, Sol, form, Language::Original);
  EXPECT_DOUBLE_EQ(Sol[0], 2.0);
  EXPECT_DOUBLE_EQ(Sol[1], 1.0);
}

TEST(GaussSolve, ThreeEquationsEliminatedInOrder) {
  HeadlessControls form;
  Matrix Aug = augmented(1, {{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}});
  std::vector<double> Sol(4, 0.0);
  GaussSolve(1, 3, Aug, Sol, form, Language::Original);
  EXPECT_NEAR(Sol[1], 2.0, 1e-12);
  EXPECT_NEAR(Sol[2], 3.0, 1e-12);
  EXPECT_NEAR(Sol[3], -1.0, 1e-12);
  EXPECT_EQ(Aug(3, 1), 0.0);
  EXPECT_EQ(Aug(3, 2), 0.0);
}

// A system whose elimination meets a zero pivot, at row `zeroRow`.
struct SingularCase {
  const char* name;
  int First;
  int Last;
  std::vector<std::vector<double>> rows;
  std::vector<double> Sol;
  int zeroRow;
  friend void PrintTo(const SingularCase& c, std::ostream* out) { *out << c.name; }
};

class GaussSolveZeroPivot : public ::testing::TestWithParam<SingularCase> {};

TEST_P(GaussSolveZeroPivot, TellsOnceAndLeavesSolAlone) {
  const SingularCase& c = GetParam();
  HeadlessControls form;
  Matrix Aug = augmented(c.First, c.rows);
  std::vector<double> Sol = c.Sol;
  EXPECT_EQ(GaussSolve(c.First, c.Last, Aug, Sol, form, Language::Original),
            GaussOutcome::ZeroPivot);
  EXPECT_EQ(Sol, c.Sol);
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOriginalTexts.zeroPivotMessage});
  EXPECT_EQ(std::string(kOriginalTexts.zeroPivotMessage),
            " s\xC4\xB1"
            "f\xC4\xB1r diyagonal eleman\xC4\xB1");
  // Aug stays as the elimination left it when it met the zero.
  EXPECT_EQ(Aug(c.zeroRow, c.zeroRow), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, GaussSolveZeroPivot,
    ::testing::Values(SingularCase{"FirstPivot", 1, 2, {{0, 1, 1}, {1, 0, 2}}, {9.0, 8.0, 7.0}, 1},
                      // The second pivot is reached after the first column was cleared.
                      SingularCase{"ArisingDuringElimination",
                                   1,
                                   3,
                                   {{1, 1, 1, 3}, {1, 1, 2, 4}, {1, 2, 3, 6}},
                                   {5.0, 5.0, 5.0, 5.0},
                                   2},
                      SingularCase{"LastPivot", 1, 2, {{1, 1, 2}, {1, 1, 2}}, {1.0, 2.0, 3.0}, 2},
                      SingularCase{"SingleZeroEquation", 0, 0, {{0, 1}}, {4.0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaussSolve, EmptySystemWritesNothing) {
  HeadlessControls form;
  Matrix Aug(3, 3);
  Aug(0, 0) = 2.0;
  Aug(0, 1) = 6.0;
  std::vector<double> Sol{1.5, 2.5};
  EXPECT_EQ(GaussSolve(1, 0, Aug, Sol, form, Language::Original), GaussOutcome::Empty);
  EXPECT_EQ(Sol, (std::vector<double>{1.5, 2.5}));
  EXPECT_TRUE(form.messages().empty());
}

}  // namespace
}  // namespace vantrel
