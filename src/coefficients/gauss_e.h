#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "coefficients/matrix_storage.h"
#include "language/program_texts.h"
#include "state/controls.h"
#include "state/progress.h"

namespace vantrel {

// A dense matrix indexed (row, column) from 0, stored row by row.
class Matrix {
 public:
  Matrix() = default;
  // Every element zero.
  Matrix(int rows, int columns) : Matrix(rows, columns, true) {}
  // Elements left unset, for a caller that writes every element it or the solver reads.
  static Matrix forOverwrite(int rows, int columns) { return Matrix(rows, columns, false); }

  double& operator()(int row, int column) { return values_.data()[index(row, column)]; }
  double operator()(int row, int column) const { return values_.data()[index(row, column)]; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  double* rowData(int row) { return values_.data() + index(row, 0); }
  std::span<const double> values() const { return {values_.data(), values_.size()}; }

 private:
  Matrix(int rows, int columns, bool zeroFilled)
      : rows_(rows),
        columns_(columns),
        values_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), zeroFilled) {}

  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  int rows_ = 0;
  int columns_ = 0;
  MatrixStorage values_;
};

enum class GaussOutcome { Solved, ZeroPivot, Empty, Stopped };

// Gaussian elimination without pivoting on rows and columns First..Last of Aug, whose column
// Last + 1 holds the right-hand side; the solution goes to Sol(First)..Sol(Last). On a zero pivot
// (the last one included) or an empty system, Sol is left as it was. A large system tells
// `progress` how far the elimination has come; when it asks to stop, the outcome is Stopped, Sol
// is left as it was and Aug is half reduced. The solution does not depend on the progress.
GaussOutcome GaussEliminate(int First, int Last, Matrix& Aug, std::vector<double>& Sol,
                            Progress* progress = nullptr);

// The same, telling the user about a zero pivot in their language.
GaussOutcome GaussSolve(int First, int Last, Matrix& Aug, std::vector<double>& Sol, Controls& form,
                        Language language, Progress* progress = nullptr);

}  // namespace vantrel
