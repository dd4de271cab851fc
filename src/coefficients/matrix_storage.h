#pragma once

#include <cstddef>
#include <memory>
#include <utility>

namespace vantrel {

// Gives back storage allocated with the alignment it holds.
struct AlignedRelease {
  std::size_t alignment = 64;
  void operator()(double* values) const;
};

// The doubles of a matrix, aligned to a cache line. Storage asked for "for overwrite" is not
// zero-filled: a large influence system is written in full right after, and filling it first
// would touch every page twice. Storage of several megabytes asks the system for huge pages,
// which spare the elimination most of its address-translation misses; where the system has none
// it gets ordinary pages, the same values either way.
class MatrixStorage {
 public:
  MatrixStorage() = default;
  MatrixStorage(std::size_t count, bool zeroFilled);
  MatrixStorage(const MatrixStorage& other);
  MatrixStorage& operator=(const MatrixStorage& other);
  // A matrix moved from is left empty, never holding a count without its values.
  MatrixStorage(MatrixStorage&& other) noexcept
      : count_(std::exchange(other.count_, 0)), values_(std::move(other.values_)) {}
  MatrixStorage& operator=(MatrixStorage&& other) noexcept {
    count_ = std::exchange(other.count_, 0);
    values_ = std::move(other.values_);
    return *this;
  }

  double* data() { return values_.get(); }
  const double* data() const { return values_.get(); }
  std::size_t size() const { return count_; }

 private:
  std::size_t count_ = 0;
  std::unique_ptr<double[], AlignedRelease> values_;
};

}  // namespace vantrel
