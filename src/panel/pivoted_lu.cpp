#include "panel/pivoted_lu.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace vantrel {

PivotedLu::PivotedLu(std::vector<double> matrix, int order)
    : values_(std::move(matrix)), rowOf_(static_cast<std::size_t>(std::max(order, 0))),
      order_(order) {
  std::iota(rowOf_.begin(), rowOf_.end(), 0);
  double largest = 0.0;
  for (double value : values_) largest = std::max(largest, std::abs(value));
  if (order_ <= 0 || !(largest > 0.0) || !std::isfinite(largest)) {
    singular_ = true;
    return;
  }
  const double tiny = largest * 1e-13;
  for (int step = 0; step < order_; ++step) {
    int pivotRow = step;
    for (int row = step + 1; row < order_; ++row) {
      if (std::abs(at(row, step)) > std::abs(at(pivotRow, step))) pivotRow = row;
    }
    if (!(std::abs(at(pivotRow, step)) > tiny)) {
      singular_ = true;
      return;
    }
    if (pivotRow != step) {
      std::swap_ranges(&at(step, 0), &at(step, 0) + order_, &at(pivotRow, 0));
      std::swap(rowOf_[static_cast<std::size_t>(step)], rowOf_[static_cast<std::size_t>(pivotRow)]);
    }
    const double pivot = at(step, step);
    const double* pivotValues = &at(step, 0);
    // Row by row, the update runs along contiguous memory, so the compiler vectorises it.
    for (int row = step + 1; row < order_; ++row) {
      double* values = &at(row, 0);
      const double factor = values[step] / pivot;
      values[step] = factor;
      if (factor == 0.0) continue;
      for (int column = step + 1; column < order_; ++column) {
        values[column] -= factor * pivotValues[column];
      }
    }
  }
}

void PivotedLu::solve(std::vector<double>& b) const {
  std::vector<double> x(static_cast<std::size_t>(order_));
  for (int row = 0; row < order_; ++row) {
    double sum = b[static_cast<std::size_t>(rowOf_[static_cast<std::size_t>(row)])];
    const double* values = rowStart(row);
    for (int column = 0; column < row; ++column) sum -= values[column] * x[static_cast<std::size_t>(column)];
    x[static_cast<std::size_t>(row)] = sum;
  }
  for (int row = order_ - 1; row >= 0; --row) {
    double sum = x[static_cast<std::size_t>(row)];
    const double* values = rowStart(row);
    for (int column = row + 1; column < order_; ++column) {
      sum -= values[column] * x[static_cast<std::size_t>(column)];
    }
    x[static_cast<std::size_t>(row)] = sum / values[row];
  }
  b = std::move(x);
}

}  // namespace vantrel
