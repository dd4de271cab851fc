#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "coefficients/gauss_e.h"
#include "coefficients/gauss_kernel.h"

// The textbook elimination exactly as first written: the reference every faster loop order of
// the solver must match bit for bit.
namespace vantrel::literal_gauss {

// Forward elimination alone, the pivot tested inside the two inner loops. Returns false at a
// zero pivot, leaving Aug as it stands at that moment.
inline bool eliminateForward(int First, int Last, Matrix& Aug) {
  const int r = Last + 1;
  for (int k = First; k <= Last; ++k) {
    for (int i = k + 1; i <= Last; ++i) {
      const double f = Aug(i, k);
      for (int j = k; j <= r; ++j) {
        if (Aug(k, k) == 0.0) return false;
        Aug(i, j) = Aug(i, j) - f * (Aug(k, j) / Aug(k, k));
      }
    }
  }
  return true;
}

// The whole solver: an empty system and a zero last pivot leave Sol alone, as the program does.
inline GaussOutcome solve(int First, int Last, Matrix& Aug, std::vector<double>& Sol) {
  if (Last < First) return GaussOutcome::Empty;
  if (!eliminateForward(First, Last, Aug)) return GaussOutcome::ZeroPivot;
  if (Aug(Last, Last) == 0.0) return GaussOutcome::ZeroPivot;
  const int r = Last + 1;
  Sol[Last] = Aug(Last, r) / Aug(Last, Last);
  for (int k = Last; k >= First; --k) {
    double s = 0.0;
    for (int j = k + 1; j <= Last; ++j) s = s + Aug(k, j) * Sol[j];
    Sol[k] = (Aug(k, r) - s) / Aug(k, k);
  }
  return GaussOutcome::Solved;
}

// The program's solver against the loop above, for tests on systems of any origin.
inline constexpr double kUntouched = -12345.678;

// Bits of both, so a NaN, an infinity or the sign of a zero counts as a difference too.
inline ::testing::AssertionResult sameBits(std::span<const double> expected,
                                           std::span<const double> actual) {
  if (expected.size() != actual.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (std::size_t index = 0; index < expected.size(); ++index)
    if (std::memcmp(&expected[index], &actual[index], sizeof(double)) != 0)
      return ::testing::AssertionFailure() << "first difference at element " << index << ": "
                                           << expected[index] << " vs " << actual[index];
  return ::testing::AssertionSuccess();
}

struct Outcome {
  GaussOutcome outcome;
  Matrix Aug;
  std::vector<double> Sol;
};

inline Outcome solvedByLiteral(int First, int Last, Matrix Aug) {
  std::vector<double> Sol(static_cast<std::size_t>(Aug.rows()) + 1, kUntouched);
  const GaussOutcome outcome = solve(First, Last, Aug, Sol);
  return {outcome, std::move(Aug), std::move(Sol)};
}

inline Outcome solvedByProgram(int First, int Last, Matrix Aug) {
  std::vector<double> Sol(static_cast<std::size_t>(Aug.rows()) + 1, kUntouched);
  const GaussOutcome outcome = GaussEliminate(First, Last, Aug, Sol);
  return {outcome, std::move(Aug), std::move(Sol)};
}

inline void expectSameAsLiteral(int First, int Last, const Matrix& Aug) {
  const Outcome expected = solvedByLiteral(First, Last, Aug);
  const Outcome actual = solvedByProgram(First, Last, Aug);
  EXPECT_EQ(expected.outcome, actual.outcome);
  EXPECT_TRUE(sameBits(expected.Aug.values(), actual.Aug.values())) << "reduced Aug";
  EXPECT_TRUE(sameBits(expected.Sol, actual.Sol)) << "Sol";
}

// The forward elimination of every compiled instruction set against the literal one.
inline void expectEveryInstructionSetMatches(int First, int Last, const Matrix& Aug) {
  Matrix expected = Aug;
  const bool expectedNonzero = eliminateForward(First, Last, expected);
  for (VectorInstructions instructions : supportedVectorInstructions()) {
    SCOPED_TRACE(std::string(nameOf(instructions)));
    Matrix actual = Aug;
    const bool nonzero =
        eliminateBlocked(instructions, actual.rowData(First) + First,
                         static_cast<std::size_t>(actual.columns()), Last - First + 1);
    EXPECT_EQ(expectedNonzero, nonzero);
    EXPECT_TRUE(sameBits(expected.values(), actual.values()));
  }
}

}  // namespace vantrel::literal_gauss
