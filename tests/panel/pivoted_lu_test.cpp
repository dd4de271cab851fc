#include "panel/pivoted_lu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

// A random matrix whose diagonal is zero in every third row, so the factor has to exchange rows
// as the panel method's Kutta row makes it; every fifth row starts with zeros, so many of its
// multipliers are zero.
std::vector<double> matrixNeedingRowExchanges(int order, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> entry(-1.0, 1.0);
  std::vector<double> matrix(static_cast<std::size_t>(order) * order);
  for (double& value : matrix) value = entry(generator);
  for (int row = 0; row < order; row += 3) matrix[static_cast<std::size_t>(row) * order + row] = 0;
  for (int row = 1; row < order; row += 5)
    std::fill_n(matrix.begin() + static_cast<std::ptrdiff_t>(row) * order, row / 2, 0.0);
  return matrix;
}

// The textbook elimination with partial pivoting, a step at a time over the whole matrix: the
// factor must give its solutions to the last bit.
std::vector<double> textbookSolution(std::vector<double> a, int n, std::vector<double> b) {
  const auto at = [&](int row, int column) -> double& {
    return a[static_cast<std::size_t>(row) * n + column];
  };
  for (int step = 0; step < n; ++step) {
    int pivotRow = step;
    for (int row = step + 1; row < n; ++row)
      if (std::abs(at(row, step)) > std::abs(at(pivotRow, step))) pivotRow = row;
    std::swap_ranges(&at(step, 0), &at(step, 0) + n, &at(pivotRow, 0));
    std::swap(b[step], b[pivotRow]);
    for (int row = step + 1; row < n; ++row) {
      const double factor = at(row, step) / at(step, step);
      at(row, step) = factor;
      if (factor == 0.0) continue;
      for (int column = step + 1; column < n; ++column)
        at(row, column) -= factor * at(step, column);
    }
  }
  for (int row = 0; row < n; ++row)
    for (int column = 0; column < row; ++column) b[row] -= at(row, column) * b[column];
  for (int row = n - 1; row >= 0; --row) {
    for (int column = row + 1; column < n; ++column) b[row] -= at(row, column) * b[column];
    b[row] /= at(row, row);
  }
  return b;
}

std::vector<double> product(const std::vector<double>& matrix, const std::vector<double>& x) {
  const std::size_t order = x.size();
  std::vector<double> result(order, 0.0);
  for (std::size_t row = 0; row < order; ++row)
    for (std::size_t column = 0; column < order; ++column)
      result[row] += matrix[row * order + column] * x[column];
  return result;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The steps are taken in panels and the columns right of each shared between threads; on any
// number of threads every element must get the textbook's bits, on orders whose panels and
// tiles do not divide evenly.
TEST(PivotedLu, AnyNumberOfThreadsGivesTheTextbookSolution) {
  for (int order : {7, 65, 300, 401, 777}) {
    SCOPED_TRACE("order " + std::to_string(order));
    const std::vector<double> matrix = matrixNeedingRowExchanges(order, 5u + order);
    std::vector<double> expected(static_cast<std::size_t>(order));
    for (int i = 0; i < order; ++i) expected[i] = std::sin(i + 1.0);
    const std::vector<double> rightHandSide = product(matrix, expected);

    const PivotedLu oneThread(matrix, order, 1);
    ASSERT_FALSE(oneThread.singular());
    std::vector<double> solution = rightHandSide;
    oneThread.solve(solution);
    for (int i = 0; i < order; ++i) EXPECT_NEAR(solution[i], expected[i], 1e-9) << "x" << i;
    EXPECT_TRUE(sameBits(solution, textbookSolution(matrix, order, rightHandSide)));

    for (int threads : {2, 3, 7}) {
      const PivotedLu shared(matrix, order, threads);
      ASSERT_FALSE(shared.singular());
      std::vector<double> sharedSolution = rightHandSide;
      shared.solve(sharedSolution);
      EXPECT_TRUE(sameBits(solution, sharedSolution)) << threads << " threads";
    }
  }
}

TEST(PivotedLu, SingularMatrixIsFoundOnAnyNumberOfThreads) {
  const int order = 200;
  std::vector<double> matrix = matrixNeedingRowExchanges(order, 3u);
  // The last row the sum of the first two: no pivot is left for the last column.
  for (int column = 0; column < order; ++column)
    matrix[static_cast<std::size_t>(order - 1) * order + column] =
        matrix[column] + matrix[order + column];
  for (int threads : {1, 2, 3})
    EXPECT_TRUE(PivotedLu(matrix, order, threads).singular()) << threads;
}

}  // namespace
}  // namespace vantrel
