#pragma once

#include <cstddef>
#include <vector>

namespace vantrel {

class WorkerThreads;

// A square matrix factored once as P·A = L·U by Gaussian elimination with partial pivoting, then
// solved for any number of right-hand sides. The panel method's system needs the row exchanges:
// its Kutta row has zeros on the diagonal until the last column, and the influence rows are not
// diagonally dominant, so elimination in the given order (GaussSolve's, bit for bit the
// textbook's) can meet a zero or tiny pivot.
class PivotedLu {
 public:
  // `matrix` holds order × order values row by row. Fails (singular() is then true) when a
  // column has no pivot larger than a relative 1e-13 of the matrix's largest element.
  // A large matrix shares the columns right of each panel of steps between threads (see
  // computationThreads); each column is updated by one thread with the same operations, so the
  // bits never depend on it.
  PivotedLu(std::vector<double> matrix, int order);
  // The same on `threadCount` threads, whatever the order.
  PivotedLu(std::vector<double> matrix, int order, int threadCount);

  bool singular() const { return singular_; }
  // Solves A·x = b in place; b has order() values. Only for a factor that is not singular.
  void solve(std::vector<double>& b) const;
  int order() const { return order_; }

 private:
  double& at(int row, int column) {
    return values_[static_cast<std::size_t>(row) * static_cast<std::size_t>(order_) +
                   static_cast<std::size_t>(column)];
  }
  const double* rowStart(int row) const {
    return values_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(order_);
  }
  // Steps [first, end) on the panel's own columns: the row exchanges and the multipliers, left of
  // the diagonal. False when a column has no pivot.
  bool factorPanel(int first, int end, double tiny);
  // The same steps on every column right of the panel, shared between the threads by tiles.
  void updateTrailingColumns(int first, int end, WorkerThreads* threads);
  void updateColumns(int first, int end, int from, int to);
  double at(int row, int column) const {
    return values_[static_cast<std::size_t>(row) * static_cast<std::size_t>(order_) +
                   static_cast<std::size_t>(column)];
  }

  std::vector<double> values_;
  std::vector<int> rowOf_;  // the original row now in each position
  int order_ = 0;
  bool singular_ = false;
};

}  // namespace vantrel
