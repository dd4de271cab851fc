#include "coefficients/matrix_storage.h"

#include <algorithm>
#include <new>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>
#endif

namespace vantrel {
namespace {

constexpr std::size_t kCacheLine = 64;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t alignmentFor(std::size_t bytes) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
  if (bytes >= 2 * kHugePage) return kHugePage;
#endif
  (void)bytes;
  return kCacheLine;
}

// A request only: the kernel may have transparent huge pages switched off, or none to give.
void askForHugePages(double* values, std::size_t bytes, std::size_t alignment) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__) && defined(MADV_HUGEPAGE)
  if (alignment == kHugePage) ::madvise(values, bytes, MADV_HUGEPAGE);
#else
  (void)values;
  (void)bytes;
  (void)alignment;
#endif
}

}  // namespace

void AlignedRelease::operator()(double* values) const {
  ::operator delete[](values, std::align_val_t{alignment});
}

MatrixStorage::MatrixStorage(std::size_t count, bool zeroFilled) : count_(count) {
  const std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(double);
  const std::size_t alignment = alignmentFor(bytes);
  // Rounded up to whole huge pages, so that the advice covers the last one too.
  const std::size_t allocated = (bytes + alignment - 1) / alignment * alignment;
  auto* values = static_cast<double*>(::operator new[](allocated, std::align_val_t{alignment}));
  askForHugePages(values, allocated, alignment);
  values_ = std::unique_ptr<double[], AlignedRelease>(values, AlignedRelease{alignment});
  if (zeroFilled) std::fill(values, values + count, 0.0);
}

MatrixStorage::MatrixStorage(const MatrixStorage& other) : MatrixStorage(other.count_, false) {
  std::copy(other.data(), other.data() + other.count_, data());
}

MatrixStorage& MatrixStorage::operator=(const MatrixStorage& other) {
  if (this != &other) *this = MatrixStorage(other);
  return *this;
}

}  // namespace vantrel
