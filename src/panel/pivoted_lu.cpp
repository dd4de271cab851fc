#include "panel/pivoted_lu.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <utility>

#include "coefficients/processor_features.h"
#include "coefficients/worker_threads.h"

namespace vantrel {
namespace {

// Steps are taken in panels of this many columns. Each step's exchange and multipliers are found
// on the panel's columns alone; the columns to the right then receive the panel's steps together,
// a tile of columns at a time, so a row's tile stays in cache for all of them instead of the
// whole trailing matrix streaming through memory at every step.
constexpr int kPanelWidth = 48;
// 2 KB of each row: the panel's rows of a tile (96 KB) stay in the second-level cache.
constexpr int kColumnTile = 256;
// Below this order a factorisation takes a few milliseconds, less than threads would save.
constexpr int kThreadedOrder = 300;

// Steps [first, end) to be applied to rows [firstRow, endRow) over columns [from, to) of a matrix
// stored row by row.
struct StepBlock {
  double* matrix;
  std::size_t stride;
  int first;
  int end;
  int firstRow;
  int endRow;
  int from;
  int to;
};

// `row` loses the multiple `factor` of `pivotRow` over columns [first, end); the loop runs along
// contiguous memory, so the compiler vectorises it.
inline __attribute__((always_inline)) void subtractMultiple(double* row, const double* pivotRow,
                                                            double factor, int first, int end) {
  for (int column = first; column < end; ++column) row[column] -= factor * pivotRow[column];
}

// Four rows lose their multiples of one pivot row, each load of the pivot row serving all four.
inline __attribute__((always_inline)) void subtractMultiples(
    double* __restrict a0, double* __restrict a1, double* __restrict a2, double* __restrict a3,
    const double* __restrict pivotRow, const double (&factors)[4], int first, int end) {
  for (int column = first; column < end; ++column) {
    const double pivotValue = pivotRow[column];
    a0[column] -= factors[0] * pivotValue;
    a1[column] -= factors[1] * pivotValue;
    a2[column] -= factors[2] * pivotValue;
    a3[column] -= factors[3] * pivotValue;
  }
}

// Rows [firstRow, endRow) receive steps [first, end) over columns [from, to), four rows at a
// time; a row whose multiplier is zero skips the step, as the textbook loop does.
inline __attribute__((always_inline)) void subtractPanelSteps(const StepBlock& block) {
  const auto row = [&](int index) {
    return block.matrix + static_cast<std::size_t>(index) * block.stride;
  };
  int first = block.firstRow;
  for (; first + 4 <= block.endRow; first += 4) {
    double* rows[4] = {row(first), row(first + 1), row(first + 2), row(first + 3)};
    for (int step = block.first; step < block.end; ++step) {
      const double factors[4] = {rows[0][step], rows[1][step], rows[2][step], rows[3][step]};
      if (factors[0] != 0.0 && factors[1] != 0.0 && factors[2] != 0.0 && factors[3] != 0.0) {
        subtractMultiples(rows[0], rows[1], rows[2], rows[3], row(step), factors, block.from,
                          block.to);
        continue;
      }
      for (int k = 0; k < 4; ++k) {
        if (factors[k] != 0.0)
          subtractMultiple(rows[k], row(step), factors[k], block.from, block.to);
      }
    }
  }
  for (; first < block.endRow; ++first) {
    double* values = row(first);
    for (int step = block.first; step < block.end; ++step) {
      if (values[step] != 0.0)
        subtractMultiple(values, row(step), values[step], block.from, block.to);
    }
  }
}

void subtractPanelStepsBaseline(const StepBlock& block) {
  subtractPanelSteps(block);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) void subtractPanelStepsAvx2(const StepBlock& block) {
  subtractPanelSteps(block);
}

__attribute__((target("avx512f"))) void subtractPanelStepsAvx512(const StepBlock& block) {
  subtractPanelSteps(block);
}
#endif

// The widest vectors the processor offers; every width gives the same bits (products are
// rounded before they are subtracted, never fused).
using StepKernel = void (*)(const StepBlock&);
StepKernel fastestStepKernel() {
#if defined(__x86_64__) || defined(__i386__)
  switch (fastestVectorInstructions()) {
    case VectorInstructions::Avx512:
      return &subtractPanelStepsAvx512;
    case VectorInstructions::Avx2:
      return &subtractPanelStepsAvx2;
    default:
      break;
  }
#endif
  return &subtractPanelStepsBaseline;
}

}  // namespace

PivotedLu::PivotedLu(std::vector<double> matrix, int order)
    : PivotedLu(std::move(matrix), order, order >= kThreadedOrder ? computationThreads() : 1) {}

// Every element receives the textbook elimination's operations in its order: step k's multiple
// of row k, for k ascending, skipped where the multiplier is zero. Only when each is applied
// differs, so the factors are the same bits however the work is tiled or shared.
PivotedLu::PivotedLu(std::vector<double> matrix, int order, int threadCount)
    : values_(std::move(matrix)),
      rowOf_(static_cast<std::size_t>(std::max(order, 0))),
      order_(order) {
  std::iota(rowOf_.begin(), rowOf_.end(), 0);
  double largest = 0.0;
  for (double value : values_) largest = std::max(largest, std::abs(value));
  if (order_ <= 0 || !(largest > 0.0) || !std::isfinite(largest)) {
    singular_ = true;
    return;
  }
  const double tiny = largest * 1e-13;
  std::optional<WorkerThreads> threads;
  if (threadCount > 1) threads.emplace(threadCount);
  for (int first = 0; first < order_; first += kPanelWidth) {
    const int end = std::min(order_, first + kPanelWidth);
    if (!factorPanel(first, end, tiny)) {
      singular_ = true;
      return;
    }
    updateTrailingColumns(first, end, threads ? &*threads : nullptr);
  }
}

bool PivotedLu::factorPanel(int first, int end, double tiny) {
  for (int step = first; step < end; ++step) {
    int pivotRow = step;
    for (int row = step + 1; row < order_; ++row) {
      if (std::abs(at(row, step)) > std::abs(at(pivotRow, step))) pivotRow = row;
    }
    if (!(std::abs(at(pivotRow, step)) > tiny)) return false;
    if (pivotRow != step) {
      std::swap_ranges(&at(step, 0), &at(step, 0) + order_, &at(pivotRow, 0));
      std::swap(rowOf_[static_cast<std::size_t>(step)], rowOf_[static_cast<std::size_t>(pivotRow)]);
    }
    const double pivot = at(step, step);
    const double* pivotValues = &at(step, 0);
    for (int row = step + 1; row < order_; ++row) {
      double* values = &at(row, 0);
      const double factor = values[step] / pivot;
      values[step] = factor;
      if (factor != 0.0) subtractMultiple(values, pivotValues, factor, step + 1, end);
    }
  }
  return true;
}

void PivotedLu::updateTrailingColumns(int first, int end, WorkerThreads* threads) {
  const int tiles = (order_ - end + kColumnTile - 1) / kColumnTile;
  if (tiles <= 0) return;
  const auto updateTiles = [&](int firstTile, int endTile) {
    for (int tile = firstTile; tile < endTile; ++tile) {
      const int from = end + tile * kColumnTile;
      updateColumns(first, end, from, std::min(order_, from + kColumnTile));
    }
  };
  if (threads == nullptr || tiles < threads->count()) {
    updateTiles(0, tiles);
    return;
  }
  const int parts = threads->count();
  threads->run([&](int part) { updateTiles(tiles * part / parts, tiles * (part + 1) / parts); });
}

void PivotedLu::updateColumns(int first, int end, int from, int to) {
  // The panel's own rows first, each from the rows above it, then every row below from all of
  // them.
  for (int row = first + 1; row < end; ++row) {
    double* values = &at(row, 0);
    for (int step = first; step < row; ++step) {
      if (values[step] != 0.0) subtractMultiple(values, &at(step, 0), values[step], from, to);
    }
  }
  static const StepKernel kernel = fastestStepKernel();
  kernel(StepBlock{values_.data(), static_cast<std::size_t>(order_), first, end, end, order_, from,
                   to});
}

void PivotedLu::solve(std::vector<double>& b) const {
  std::vector<double> x(static_cast<std::size_t>(order_));
  for (int row = 0; row < order_; ++row) {
    double sum = b[static_cast<std::size_t>(rowOf_[static_cast<std::size_t>(row)])];
    const double* values = rowStart(row);
    for (int column = 0; column < row; ++column)
      sum -= values[column] * x[static_cast<std::size_t>(column)];
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
