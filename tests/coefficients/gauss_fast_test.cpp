// The tiled solver against the textbook loop, bit for bit, for every instruction set this
// processor runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "coefficients/gauss_e.h"
#include "coefficients/gauss_kernel.h"
#include "coefficients/literal_gauss.h"
#include "state/headless_controls.h"
#include "state/messages.h"

namespace vantrel {
namespace {

using namespace literal_gauss;

// A random diagonally dominant system in rows/columns First..First+order-1, surrounded by
// entries the solver must neither read nor write.
Matrix randomDominantSystem(int First, int order, unsigned seed, double magnitudeSpread = 0.0) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> entry(-1.0, 1.0);
  std::uniform_real_distribution<double> exponent(-magnitudeSpread, magnitudeSpread);
  Matrix Aug(First + order + 1, First + order + 3);
  for (int row = 0; row < Aug.rows(); ++row)
    for (int column = 0; column < Aug.columns(); ++column) Aug(row, column) = kUntouched;
  const int Last = First + order - 1;
  for (int i = First; i <= Last; ++i) {
    double rowSum = 0.0;
    for (int j = First; j <= Last + 1; ++j) {
      Aug(i, j) = entry(generator) * std::exp2(exponent(generator));
      if (j <= Last) rowSum += std::fabs(Aug(i, j));
    }
    Aug(i, i) = (entry(generator) < 0 ? -1.0 : 1.0) * (rowSum + 1.0);
  }
  return Aug;
}

const int kOrders[] = {1, 2, 3, 7, 31, 32, 33, 63, 64, 65, 100, 129, 257, 300};

TEST(GaussFast, RandomDominantSystemsMatchTheLiteralLoopBitForBit) {
  for (int First : {0, 1})
    for (int order : kOrders)
      for (unsigned seed : {1u, 2u, 3u}) {
        if (order > 200 && seed > 2) continue;
        SCOPED_TRACE("First " + std::to_string(First) + ", order " + std::to_string(order) +
                     ", seed " + std::to_string(seed));
        const Matrix Aug = randomDominantSystem(First, order, seed);
        expectSameAsLiteral(First, First + order - 1, Aug);
      }
}

TEST(GaussFast, EveryInstructionSetMatchesTheLiteralElimination) {
  ASSERT_EQ(supportedVectorInstructions().front(), VectorInstructions::Baseline);
  for (int First : {0, 1})
    for (int order : {2, 9, 64, 65, 70, 127, 200, 259}) {
      SCOPED_TRACE("First " + std::to_string(First) + ", order " + std::to_string(order));
      expectEveryInstructionSetMatches(First, First + order - 1,
                                       randomDominantSystem(First, order, 7u + order, 30.0));
    }
}

// Rows k - 1 and k vanish left of k - 1, so the earlier steps leave them alone, and step k - 1
// turns the pivot a(k,k) = 2 - 4 * (1 / 2) into an exact zero.
Matrix systemWithPivotVanishingAt(int First, int order, int k) {
  Matrix Aug = randomDominantSystem(First, order, 11u + k);
  const int row = First + k;
  for (int j = First; j < row - 1; ++j) Aug(row - 1, j) = Aug(row, j) = 0.0;
  Aug(row - 1, row - 1) = 2.0;
  Aug(row - 1, row) = 1.0;
  Aug(row, row - 1) = 4.0;
  Aug(row, row) = 2.0;
  return Aug;
}

TEST(GaussFast, ZeroPivotMidEliminationLeavesSolAndAugAsTheLiteralLoop) {
  for (int First : {0, 1})
    for (int k : {1, 5, 40, 63, 64, 65, 70, 127, 128, 140}) {
      SCOPED_TRACE("First " + std::to_string(First) + ", pivot " + std::to_string(k));
      const Matrix Aug = systemWithPivotVanishingAt(First, 150, k);
      const Outcome solved = solvedByProgram(First, First + 149, Aug);
      EXPECT_EQ(solved.outcome, GaussOutcome::ZeroPivot);
      EXPECT_TRUE(sameBits(std::vector<double>(solved.Sol.size(), kUntouched), solved.Sol));
      expectSameAsLiteral(First, First + 149, Aug);
      if (k == 64 || k == 70) expectEveryInstructionSetMatches(First, First + 149, Aug);
    }
}

TEST(GaussFast, ZeroFirstPivotStopsBeforeAnyChange) {
  for (int order : {2, 100}) {
    Matrix Aug = randomDominantSystem(1, order, 5u);
    Aug(1, 1) = 0.0;
    const Outcome solved = solvedByProgram(1, order, Aug);
    EXPECT_EQ(solved.outcome, GaussOutcome::ZeroPivot);
    EXPECT_TRUE(sameBits(Aug.values(), solved.Aug.values()));
    EXPECT_TRUE(sameBits(std::vector<double>(solved.Sol.size(), kUntouched), solved.Sol));
  }
}

TEST(GaussFast, ZeroLastPivotIsRefusedAfterTheFullReduction) {
  for (int order : {2, 33, 100}) {
    SCOPED_TRACE("order " + std::to_string(order));
    Matrix Aug = randomDominantSystem(1, order, 9u);
    for (int j = 1; j <= order; ++j) Aug(order, j) = 0.0;
    expectSameAsLiteral(1, order, Aug);
    EXPECT_EQ(solvedByProgram(1, order, Aug).outcome, GaussOutcome::ZeroPivot);
  }
}

TEST(GaussFast, ZeroPivotIsToldOnceAndSolKeepsWhatTheCallerHad) {
  Matrix Aug = systemWithPivotVanishingAt(1, 80, 66);
  std::vector<double> Sol(82, 0.5);
  HeadlessControls form;
  EXPECT_EQ(GaussSolve(1, 80, Aug, Sol, form, Language::Original), GaussOutcome::ZeroPivot);
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOriginalTexts.zeroPivotMessage});
  EXPECT_EQ(Sol, std::vector<double>(82, 0.5));
}

TEST(GaussFast, EmptySystemWritesNothing) {
  Matrix Aug = randomDominantSystem(1, 3, 4u);
  const Outcome solved = solvedByProgram(2, 1, Aug);
  EXPECT_EQ(solved.outcome, GaussOutcome::Empty);
  EXPECT_TRUE(sameBits(Aug.values(), solved.Aug.values()));
  EXPECT_TRUE(sameBits(std::vector<double>(solved.Sol.size(), kUntouched), solved.Sol));
}

TEST(GaussFast, NonFiniteEntriesSpreadAsInTheLiteralLoop) {
  // Infinities and NaNs in the multipliers make the "zeroed" entries NaN; the tiled loop must
  // produce the same NaN bits and the same infinities.
  Matrix Aug = randomDominantSystem(0, 90, 13u);
  Aug(70, 3) = std::numeric_limits<double>::infinity();
  Aug(80, 66) = std::numeric_limits<double>::quiet_NaN();
  Aug(5, 89) = -std::numeric_limits<double>::infinity();
  expectEveryInstructionSetMatches(0, 89, Aug);
}

// Keeps every fraction it is told and asks to stop after a given number of them.
class RecordingProgress : public Progress {
 public:
  explicit RecordingProgress(std::size_t stopAfter = 0) : stopAfter_(stopAfter) {}
  bool proceed(double fractionDone) override {
    fractions.push_back(fractionDone);
    return stopAfter_ == 0 || fractions.size() < stopAfter_;
  }
  std::vector<double> fractions;

 private:
  std::size_t stopAfter_;
};

TEST(GaussFast, ProgressIsToldRisingFractionsAndChangesNoBit) {
  for (int order : {33, 65, 300}) {
    SCOPED_TRACE("order " + std::to_string(order));
    const Matrix K = randomDominantSystem(1, order, 29u + order);
    const Outcome unwatched = solvedByProgram(1, order, K);
    for (VectorInstructions instructions : supportedVectorInstructions()) {
      Matrix watched = K;
      RecordingProgress progress;
      eliminateBlocked(instructions, watched.rowData(1) + 1,
                       static_cast<std::size_t>(watched.columns()), order, &progress);
      ASSERT_FALSE(progress.fractions.empty());
      EXPECT_TRUE(std::is_sorted(progress.fractions.begin(), progress.fractions.end()));
      EXPECT_GT(progress.fractions.front(), 0.0);
      EXPECT_DOUBLE_EQ(progress.fractions.back(), 1.0);
      if (instructions == fastestVectorInstructions()) {
        EXPECT_TRUE(sameBits(unwatched.Aug.values(), watched.values()));
      }
    }
    Matrix Aug = K;
    std::vector<double> Sol(static_cast<std::size_t>(Aug.rows()) + 1, kUntouched);
    RecordingProgress progress;
    EXPECT_EQ(GaussEliminate(1, order, Aug, Sol, &progress), GaussOutcome::Solved);
    EXPECT_TRUE(sameBits(unwatched.Sol, Sol));
  }
}

TEST(GaussFast, StoppedEliminationLeavesSolAndTellsNobody) {
  Matrix Aug = randomDominantSystem(1, 300, 31u);
  std::vector<double> Sol(static_cast<std::size_t>(Aug.rows()) + 1, 0.5);
  HeadlessControls form;
  RecordingProgress progress(2);
  EXPECT_EQ(GaussSolve(1, 300, Aug, Sol, form, Language::Original, &progress),
            GaussOutcome::Stopped);
  EXPECT_EQ(progress.fractions.size(), 2u);
  EXPECT_EQ(Sol, std::vector<double>(Sol.size(), 0.5));
  EXPECT_TRUE(form.messages().empty());
}

// Threads share each panel's reduction by runs of row and column tiles and its trailing update by
// runs of column tiles; whatever the split, every element must take the same steps in the same
// order as on one thread. The orders leave uneven tiles and last panels narrower than the rest;
// a zero pivot inside a panel cuts the shared steps short; non-finite entries must spread alike.
struct ThreadedCase {
  const char* name;
  Matrix system;
  bool pivotsNonzero;
};

std::vector<ThreadedCase> threadedCases() {
  std::vector<ThreadedCase> cases;
  for (int order : {401, 517, 1031})
    cases.push_back({"order", randomDominantSystem(1, order, 11u + order, 30.0), true});
  for (int k : {300, 321})
    cases.push_back({"zero pivot", systemWithPivotVanishingAt(1, 470, k), false});
  Matrix nonFinite = randomDominantSystem(1, 450, 17u);
  nonFinite(400, 3) = std::numeric_limits<double>::infinity();
  nonFinite(300, 250) = std::numeric_limits<double>::quiet_NaN();
  cases.push_back({"non-finite", nonFinite, true});
  return cases;
}

TEST(GaussFast, AnyNumberOfThreadsGivesTheOneThreadBits) {
  for (const ThreadedCase& testCase : threadedCases())
    for (VectorInstructions instructions : supportedVectorInstructions()) {
      const Matrix& K = testCase.system;
      const int order = K.rows() - 2;
      SCOPED_TRACE(std::string(testCase.name) + ", order " + std::to_string(order) + ", " +
                   std::string(nameOf(instructions)));
      Matrix oneThread = K;
      const auto stride = static_cast<std::size_t>(K.columns());
      ASSERT_EQ(eliminateBlocked(instructions, oneThread.rowData(1) + 1, stride, order),
                testCase.pivotsNonzero);
      for (int threads : {2, 3, 7}) {
        Matrix shared = K;
        RecordingProgress progress;
        EXPECT_EQ(eliminateBlocked(instructions, shared.rowData(1) + 1, stride, order, &progress,
                                   threads),
                  testCase.pivotsNonzero);
        EXPECT_TRUE(sameBits(oneThread.values(), shared.values())) << threads << " threads";
        EXPECT_TRUE(std::is_sorted(progress.fractions.begin(), progress.fractions.end()));
      }
    }
}

TEST(GaussFast, StoppingSharedWorkStopsEveryThread) {
  Matrix Aug = randomDominantSystem(1, 700, 5u);
  RecordingProgress progress(3);
  EXPECT_FALSE(eliminateBlocked(fastestVectorInstructions(), Aug.rowData(1) + 1,
                                static_cast<std::size_t>(Aug.columns()), 700, &progress, 2));
  EXPECT_EQ(progress.fractions.size(), 3u);
}

}  // namespace
}  // namespace vantrel
