// Blocked forward elimination that reproduces the plain Gaussian loop bit for bit.
//
// The plain loop gives element (i, j) the update a(i,j) - f * q for every step k < i with k <= j,
// in increasing k, where f = a(i,k) and q = a(k,j) / a(k,k) are taken as they stand when step k
// begins. Every loop order that keeps that sequence per element gives identical bits, so the
// steps are taken in panels of kPanelWidth:
//   1. the diagonal block of the panel is reduced as the plain loop does, which yields its pivots,
//      quotients and multipliers; at a zero pivot the panel is cut short before it, steps 2 to 4
//      finish the earlier steps everywhere, and the block is left as the plain loop leaves it;
//   2. the panel's rows right of the panel are reduced column tile by column tile while the tile
//      sits in L1; their quotients are packed for step 4;
//   3. the rows below the panel are reduced on the panel's columns, a few rows at a time in a
//      transposed buffer; their multipliers are packed for step 4;
//   4. the trailing matrix receives the panel's steps tile by tile: a register tile of MR rows by
//      NR columns takes all the panel's steps, in order, before it is stored again.
// Every product is rounded before its difference is taken (see separatelyRounded): a fused
// multiply-add would change the bits, whatever the compiler flags say.
#include "coefficients/gauss_kernel.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "coefficients/processor_features.h"
#include "coefficients/worker_threads.h"
#include "state/progress.h"

// The vector types below never cross a function boundary by value outside their own instruction
// set, so the ABI note GCC gives about them does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace vantrel {
namespace {

// Panel width and column block were measured at 2000 equations (48 to 128 and 4 to 64 tried).
constexpr int kPanelWidth = 64;
// Column tiles of the trailing update taken together, so their packed quotients stay in L2.
constexpr int kTilesPerColumnBlock = 16;
// Steps a row of the panel or a column below it takes while it sits in registers.
constexpr int kStepGroup = 4;
// Below this order a thread would cost more to start and wake than it saves.
constexpr int kThreadedOrder = 400;

using Doubles2 = double __attribute__((vector_size(16)));
using Doubles4 = double __attribute__((vector_size(32)));
using Doubles8 = double __attribute__((vector_size(64)));

// Per instruction set: the vector of the register tile (MR rows by NR = kTileVectors * kLanes
// columns) and the vector that holds a column of MR rows below the panel. The shapes were
// measured on a processor that splits 512-bit operations in two (where 256-bit columns below the
// panel do as well as 512-bit ones).
struct BaselineSet {
  using Vector = Doubles2;
  using ColumnVector = Doubles2;
  static constexpr int kLanes = 2;
  static constexpr int kTileRows = 4;
  static constexpr int kTileVectors = 2;
};

#if defined(__x86_64__) || defined(__i386__)
struct Avx2Set {
  using Vector = Doubles4;
  using ColumnVector = Doubles4;
  static constexpr int kLanes = 4;
  static constexpr int kTileRows = 4;
  static constexpr int kTileVectors = 3;
};

struct Avx512Set {
  using Vector = Doubles8;
  using ColumnVector = Doubles4;
  static constexpr int kLanes = 8;
  static constexpr int kTileRows = 8;
  static constexpr int kTileVectors = 3;
};
#endif

// An empty asm the compiler cannot look through: the product must exist as a rounded double
// before the subtraction, so no fused multiply-add can form even if contraction were allowed.
// Clang checks a register operand's size against the file's instruction set, not against the
// target attribute of the function the code is inlined into: a 256- or 512-bit register operand
// does not compile there, so it goes through memory (slower, the same bits).
#if defined(__clang__)
[[maybe_unused]] inline constexpr std::size_t kWidestRegisterOperand = 16;
#else
[[maybe_unused]] inline constexpr std::size_t kWidestRegisterOperand = 64;
#endif

template <class Value>
[[gnu::always_inline]] inline void separatelyRounded(Value& product) {
#if defined(__x86_64__) || defined(__i386__)
  if constexpr (sizeof(Value) > kWidestRegisterOperand)
    asm("" : "+m"(product));
  else if constexpr (sizeof(Value) == 64)
    asm("" : "+v"(product));
  else
    asm("" : "+x"(product));
#elif defined(__aarch64__)
  asm("" : "+w"(product));
#elif defined(__wasm__)
  // WebAssembly has no fused multiply-add (outside relaxed SIMD, which is never enabled here), so
  // every product is rounded as it stands; a barrier through memory would only halve the speed.
  (void)product;
#else
  asm("" : "+m"(product));
#endif
}

// The product of a multiplier and a vector of quotients, the multiplier read from memory. With
// 512-bit vectors the broadcast rides on the multiply ({1to8}): a separate broadcast takes a
// vector pipe on processors that split 512-bit operations, which cost 15% of the elimination.
// The asm is a multiply alone, so the product is rounded before it is subtracted.
template <class Vector>
[[gnu::always_inline]] inline Vector productWithBroadcast(const double& factor,
                                                          const Vector& quotients) {
  Vector product;
#if defined(__x86_64__) || defined(__i386__)
  if constexpr (sizeof(Vector) == 64 && sizeof(Vector) <= kWidestRegisterOperand) {
    asm("vmulpd %[factor]%{1to8%}, %[quotients], %[product]"
        : [product] "=v"(product)
        : [quotients] "v"(quotients), [factor] "m"(factor));
    return product;
  }
#endif
  product = factor * quotients;
  separatelyRounded(product);
  return product;
}

[[gnu::always_inline]] inline double separatelyRoundedProduct(double factor, double quotient) {
  double product = factor * quotient;
  separatelyRounded(product);
  return product;
}

template <class Vector>
[[gnu::always_inline]] inline Vector loadVector(const double* from) {
  Vector value;
  std::memcpy(&value, from, sizeof value);
  return value;
}

template <class Vector>
[[gnu::always_inline]] inline void storeVector(double* to, const Vector& value) {
  std::memcpy(to, &value, sizeof value);
}

template <class Vector>
[[gnu::always_inline]] inline Vector minusProduct(const Vector& value, double factor,
                                                  const Vector& quotients) {
  Vector product = factor * quotients;
  separatelyRounded(product);
  return value - product;
}

// Scratch memory aligned to a cache line, so the packed operands load in whole lines.
class AlignedBuffer {
 public:
  explicit AlignedBuffer(std::size_t count)
      : values_(static_cast<double*>(::operator new[](
            std::max<std::size_t>(count, 1) * sizeof(double), std::align_val_t{64}))) {}
  double* data() const { return values_.get(); }

 private:
  struct Release {
    void operator()(double* values) const { ::operator delete[](values, std::align_val_t{64}); }
  };
  std::unique_ptr<double, Release> values_;
};

// Where the augmented block lies and which steps the current panel holds.
struct Panel {
  double* block;
  std::size_t stride;
  int order;  // n: rows 0..n-1, columns 0..n (the right-hand side last)
  int first;  // the panel's first step and column
  int width;  // columns of the panel
  int steps;  // steps of the panel with a row below and a nonzero pivot
  double* at(int row, int column) const {
    return block + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(column);
  }
  int end() const { return first + width; }
  int columns() const { return order + 1; }
};

struct Scratch {
  AlignedBuffer pivots;
  AlignedBuffer diagonalQuotients;    // [step][column within the panel]
  AlignedBuffer diagonalMultipliers;  // [row within the panel][step]
  AlignedBuffer rowQuotients;         // per column tile: [step][NR]
  AlignedBuffer belowMultipliers;     // per row tile: [step][MR]
  AlignedBuffer panelTile;            // [row within the panel][NR]
  AlignedBuffer belowTile;            // [column within the panel][MR]
  AlignedBuffer edgeTile;             // [MR][NR]
};

// A progress for the helper threads: it never reports, and asks to stop once the caller's own
// progress has.
class StopSignal : public Progress {
 public:
  explicit StopSignal(const std::atomic<bool>& stopped) : stopped_(stopped) {}
  bool proceed(double) override { return !stopped_.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& stopped_;
};

using TrailingUpdate = bool (*)(const Panel&, const Scratch&, double* edgeTile, int firstTile,
                                int endTile, Progress*);

// What the threads of one elimination share: the helpers, the trailing update compiled for the
// instruction set in use, and an edge tile for each thread.
struct SharedWork {
  WorkerThreads* threads = nullptr;
  TrailingUpdate update = nullptr;
  std::vector<AlignedBuffer> edgeTiles;
};

template <class Set>
SharedWork shareWork(WorkerThreads* threads, TrailingUpdate update) {
  SharedWork shared{threads, update, {}};
  if (threads == nullptr) return shared;
  for (int part = 0; part < threads->count(); ++part)
    shared.edgeTiles.emplace_back(Set::kTileRows * Set::kTileVectors * Set::kLanes);
  return shared;
}

// Step 1: the plain loop on the panel's diagonal block. Returns false at a zero pivot, with
// panel.steps cut to the steps before it.
inline bool reduceDiagonalBlock(Panel& panel, Scratch& scratch) {
  const int stepsWithRowBelow = std::min(panel.end(), panel.order - 1) - panel.first;
  double* quotients = scratch.diagonalQuotients.data();
  double* multipliers = scratch.diagonalMultipliers.data();
  for (int step = 0; step < stepsWithRowBelow; ++step) {
    const int k = panel.first + step;
    const double pivot = *panel.at(k, k);
    if (pivot == 0.0) {
      panel.steps = step;
      return false;
    }
    scratch.pivots.data()[step] = pivot;
    double* quotientRow = quotients + step * kPanelWidth;
    const double* pivotRow = panel.at(k, panel.first);
    for (int column = step; column < panel.width; ++column)
      quotientRow[column] = pivotRow[column] / pivot;
    for (int row = step + 1; row < panel.width; ++row) {
      double* values = panel.at(panel.first + row, panel.first);
      const double factor = values[step];
      multipliers[row * kPanelWidth + step] = factor;
      for (int column = step; column < panel.width; ++column)
        values[column] = values[column] - separatelyRoundedProduct(factor, quotientRow[column]);
    }
  }
  panel.steps = stepsWithRowBelow;
  return true;
}

// Step 2 on one column tile of the panel's rows, held in scratch.panelTile. The steps go in
// groups of kStepGroup: the group's own rows first, one step after another (each quotient row
// is taken once its row has every earlier step), then every later row takes the group's steps
// in a row while it sits in registers, which saves a load and a store per step.
template <class Set, int kGroup>
[[gnu::always_inline]] inline void reducePanelRowsByGroup(const Panel& panel, Scratch& scratch,
                                                          double* packedQuotients, int groupStart) {
  using Vector = typename Set::Vector;
  constexpr int kVectors = Set::kTileVectors;
  constexpr int kLanes = Set::kLanes;
  constexpr int kTileColumns = kVectors * kLanes;
  double* tile = scratch.panelTile.data();
  const double* multipliers = scratch.diagonalMultipliers.data();
  const int groupEnd = groupStart + kGroup;
  Vector quotients[kGroup][kVectors];
#pragma GCC unroll 8
  for (int g = 0; g < kGroup; ++g) {
    const int step = groupStart + g;
    const double pivot = scratch.pivots.data()[step];
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) {
      quotients[g][v] = loadVector<Vector>(tile + step * kTileColumns + v * kLanes) / pivot;
      storeVector<Vector>(packedQuotients + step * kTileColumns + v * kLanes, quotients[g][v]);
    }
    for (int row = step + 1; row < groupEnd; ++row) {
      const double factor = multipliers[row * kPanelWidth + step];
      double* values = tile + row * kTileColumns;
#pragma GCC unroll 8
      for (int v = 0; v < kVectors; ++v)
        storeVector<Vector>(
            values + v * kLanes,
            minusProduct<Vector>(loadVector<Vector>(values + v * kLanes), factor, quotients[g][v]));
    }
  }
  for (int row = groupEnd; row < panel.width; ++row) {
    double* values = tile + row * kTileColumns;
    const double* factors = multipliers + row * kPanelWidth + groupStart;
    Vector sums[kVectors];
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) sums[v] = loadVector<Vector>(values + v * kLanes);
#pragma GCC unroll 8
    for (int g = 0; g < kGroup; ++g)
#pragma GCC unroll 8
      for (int v = 0; v < kVectors; ++v)
        sums[v] = minusProduct<Vector>(sums[v], factors[g], quotients[g][v]);
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) storeVector<Vector>(values + v * kLanes, sums[v]);
  }
}

template <class Set>
[[gnu::always_inline]] inline void reducePanelRowsOnTile(const Panel& panel, Scratch& scratch,
                                                         double* packedQuotients) {
  int groupStart = 0;
  for (; groupStart + kStepGroup <= panel.steps; groupStart += kStepGroup)
    reducePanelRowsByGroup<Set, kStepGroup>(panel, scratch, packedQuotients, groupStart);
  for (; groupStart < panel.steps; ++groupStart)
    reducePanelRowsByGroup<Set, 1>(panel, scratch, packedQuotients, groupStart);
}

template <class Set>
[[gnu::always_inline]] inline void reducePanelRows(const Panel& panel, Scratch& scratch) {
  constexpr int kTileColumns = Set::kTileVectors * Set::kLanes;
  double* tile = scratch.panelTile.data();
  const int tiles = (panel.columns() - panel.end() + kTileColumns - 1) / kTileColumns;
  for (int t = 0; t < tiles; ++t) {
    const int firstColumn = panel.end() + t * kTileColumns;
    const int count = std::min(kTileColumns, panel.columns() - firstColumn);
    for (int row = 0; row < panel.width; ++row) {
      double* values = tile + row * kTileColumns;
      std::memcpy(values, panel.at(panel.first + row, firstColumn), count * sizeof(double));
      std::fill(values + count, values + kTileColumns, 0.0);
    }
    reducePanelRowsOnTile<Set>(panel, scratch,
                               scratch.rowQuotients.data() + t * kPanelWidth * kTileColumns);
    for (int row = 1; row < panel.width; ++row)
      std::memcpy(panel.at(panel.first + row, firstColumn), tile + row * kTileColumns,
                  count * sizeof(double));
  }
}

// Step 3 on MR rows below the panel, transposed in scratch.belowTile so one vector holds a
// column of the rows and the step-by-step dependence runs along the panel; steps go in groups
// as in step 2. f * q and q * f round alike: the product is commutative in every bit.
template <class Set, int kGroup>
[[gnu::always_inline]] inline void reduceBelowByGroup(const Panel& panel, Scratch& scratch,
                                                      double* packedMultipliers, int groupStart) {
  using Vector = typename Set::ColumnVector;
  constexpr int kLanes = static_cast<int>(sizeof(Vector) / sizeof(double));
  constexpr int kRows = Set::kTileRows;
  constexpr int kVectors = kRows / kLanes;
  static_assert(kVectors * kLanes == kRows);
  double* tile = scratch.belowTile.data();
  const double* quotients = scratch.diagonalQuotients.data();
  const int groupEnd = groupStart + kGroup;
  Vector factors[kGroup][kVectors];
#pragma GCC unroll 8
  for (int g = 0; g < kGroup; ++g) {
    const int step = groupStart + g;
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) {
      factors[g][v] = loadVector<Vector>(tile + step * kRows + v * kLanes);
      storeVector<Vector>(packedMultipliers + step * kRows + v * kLanes, factors[g][v]);
    }
    const double* quotientRow = quotients + step * kPanelWidth;
    for (int column = step; column < groupEnd; ++column) {
      double* values = tile + column * kRows;
#pragma GCC unroll 8
      for (int v = 0; v < kVectors; ++v)
        storeVector<Vector>(values + v * kLanes,
                            minusProduct<Vector>(loadVector<Vector>(values + v * kLanes),
                                                 quotientRow[column], factors[g][v]));
    }
  }
  for (int column = groupEnd; column < panel.width; ++column) {
    double* values = tile + column * kRows;
    Vector sums[kVectors];
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) sums[v] = loadVector<Vector>(values + v * kLanes);
#pragma GCC unroll 8
    for (int g = 0; g < kGroup; ++g) {
      const double quotient = quotients[(groupStart + g) * kPanelWidth + column];
#pragma GCC unroll 8
      for (int v = 0; v < kVectors; ++v)
        sums[v] = minusProduct<Vector>(sums[v], quotient, factors[g][v]);
    }
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v) storeVector<Vector>(values + v * kLanes, sums[v]);
  }
}

template <class Set>
[[gnu::always_inline]] inline void reduceBelowOnTile(const Panel& panel, Scratch& scratch,
                                                     double* packedMultipliers) {
  int groupStart = 0;
  for (; groupStart + kStepGroup <= panel.steps; groupStart += kStepGroup)
    reduceBelowByGroup<Set, kStepGroup>(panel, scratch, packedMultipliers, groupStart);
  for (; groupStart < panel.steps; ++groupStart)
    reduceBelowByGroup<Set, 1>(panel, scratch, packedMultipliers, groupStart);
}

template <class Set>
[[gnu::always_inline]] inline void reduceBelowPanel(const Panel& panel, Scratch& scratch) {
  constexpr int kRows = Set::kTileRows;
  double* tile = scratch.belowTile.data();
  const int rowsBelow = panel.order - panel.end();
  const int tiles = (rowsBelow + kRows - 1) / kRows;
  for (int t = 0; t < tiles; ++t) {
    const int firstRow = panel.end() + t * kRows;
    const int count = std::min(kRows, panel.order - firstRow);
    for (int r = 0; r < kRows; ++r) {
      const double* values = r < count ? panel.at(firstRow + r, panel.first) : nullptr;
      for (int column = 0; column < panel.width; ++column)
        tile[column * kRows + r] = values ? values[column] : 0.0;
    }
    reduceBelowOnTile<Set>(panel, scratch,
                           scratch.belowMultipliers.data() + t * kPanelWidth * kRows);
    for (int r = 0; r < count; ++r) {
      double* values = panel.at(firstRow + r, panel.first);
      for (int column = 0; column < panel.width; ++column)
        values[column] = tile[column * kRows + r];
    }
  }
}

// Step 4's register tile: MR rows by NR columns take the panel's steps in order.
template <class Set>
[[gnu::always_inline]] inline void updateTrailingTile(double* values, std::size_t stride,
                                                      const double* multipliers,
                                                      const double* quotients, int steps) {
  using Vector = typename Set::Vector;
  constexpr int kRows = Set::kTileRows;
  constexpr int kVectors = Set::kTileVectors;
  constexpr int kLanes = Set::kLanes;
  Vector sums[kRows][kVectors];
#pragma GCC unroll 32
  for (int r = 0; r < kRows; ++r)
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v)
      sums[r][v] = loadVector<Vector>(values + r * stride + v * kLanes);
  for (int step = 0; step < steps; ++step) {
    Vector stepQuotients[kVectors];
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v)
      stepQuotients[v] = loadVector<Vector>(quotients + (step * kVectors + v) * kLanes);
#pragma GCC unroll 32
    for (int r = 0; r < kRows; ++r)
#pragma GCC unroll 8
      for (int v = 0; v < kVectors; ++v)
        sums[r][v] =
            sums[r][v] - productWithBroadcast(multipliers[step * kRows + r], stepQuotients[v]);
  }
#pragma GCC unroll 32
  for (int r = 0; r < kRows; ++r)
#pragma GCC unroll 8
    for (int v = 0; v < kVectors; ++v)
      storeVector<Vector>(values + r * stride + v * kLanes, sums[r][v]);
}

// A tile cut by the last row or column goes through a padded copy; the padding is never stored.
template <class Set>
[[gnu::always_inline]] inline void updateEdgeTile(const Panel& panel, double* edge, int firstRow,
                                                  int firstColumn, const double* multipliers,
                                                  const double* quotients) {
  constexpr int kRows = Set::kTileRows;
  constexpr int kColumns = Set::kTileVectors * Set::kLanes;
  const int rows = std::min(kRows, panel.order - firstRow);
  const int columns = std::min(kColumns, panel.columns() - firstColumn);
  std::fill(edge, edge + kRows * kColumns, 0.0);
  for (int r = 0; r < rows; ++r)
    std::memcpy(edge + r * kColumns, panel.at(firstRow + r, firstColumn), columns * sizeof(double));
  updateTrailingTile<Set>(edge, kColumns, multipliers, quotients, panel.steps);
  for (int r = 0; r < rows; ++r)
    std::memcpy(panel.at(firstRow + r, firstColumn), edge + r * kColumns, columns * sizeof(double));
}

// Asks for the trailing tile at (firstRow, firstColumn) ahead of its turn: the trailing matrix
// is read once per panel, so its tiles come from memory and would stall the register tile.
template <class Set>
[[gnu::always_inline]] inline void prefetchTile(const Panel& panel, int firstRow, int firstColumn) {
  constexpr int kBytes = Set::kTileVectors * Set::kLanes * static_cast<int>(sizeof(double));
  if (firstRow >= panel.order || firstColumn >= panel.columns()) return;
  const int rows = std::min(Set::kTileRows, panel.order - firstRow);
  for (int r = 0; r < rows; ++r) {
    const char* start = reinterpret_cast<const char*>(panel.at(firstRow + r, firstColumn));
    for (int offset = 0; offset < kBytes; offset += 64) __builtin_prefetch(start + offset, 1, 3);
    __builtin_prefetch(start + kBytes - 1, 1, 3);
  }
}

// The share of the elimination's work done once the steps before `position` are complete: the
// work left grows with the cube of the steps left.
double workDone(const Panel& panel, double position) {
  const double left = 1.0 - position / (panel.order - 1);
  return 1.0 - left * left * left;
}

// Step 4 on the column tiles [firstTile, endTile) of the trailing matrix, column block by column
// block. Each element is updated by whoever holds its column tile, with the same steps in the
// same order, so any split of the tiles gives the same bits. Returns false when the progress
// asked to stop; the trailing matrix is then half updated.
template <class Set>
[[gnu::always_inline]] inline bool updateTrailingColumns(const Panel& panel, const Scratch& scratch,
                                                         double* edgeTile, int firstTile,
                                                         int endTile, Progress* progress) {
  constexpr int kRows = Set::kTileRows;
  constexpr int kColumns = Set::kTileVectors * Set::kLanes;
  const int rowTiles = (panel.order - panel.end() + kRows - 1) / kRows;
  for (int blockStart = firstTile; blockStart < endTile; blockStart += kTilesPerColumnBlock) {
    const int blockEnd = std::min(endTile, blockStart + kTilesPerColumnBlock);
    for (int rowTile = 0; rowTile < rowTiles; ++rowTile) {
      const int firstRow = panel.end() + rowTile * kRows;
      const double* multipliers = scratch.belowMultipliers.data() + rowTile * kPanelWidth * kRows;
      const bool fullRows = firstRow + kRows <= panel.order;
      for (int columnTile = blockStart; columnTile < blockEnd; ++columnTile) {
        const int firstColumn = panel.end() + columnTile * kColumns;
        const double* quotients = scratch.rowQuotients.data() + columnTile * kPanelWidth * kColumns;
        if (columnTile + 1 < blockEnd)
          prefetchTile<Set>(panel, firstRow, firstColumn + kColumns);
        else
          prefetchTile<Set>(panel, firstRow + kRows, panel.end() + blockStart * kColumns);
        if (fullRows && firstColumn + kColumns <= panel.columns())
          updateTrailingTile<Set>(panel.at(firstRow, firstColumn), panel.stride, multipliers,
                                  quotients, panel.steps);
        else
          updateEdgeTile<Set>(panel, edgeTile, firstRow, firstColumn, multipliers, quotients);
      }
    }
    const double blocksDone = static_cast<double>(blockEnd - firstTile) / (endTile - firstTile);
    if (!proceed(progress, workDone(panel, panel.first + panel.steps * blocksDone))) return false;
  }
  return true;
}

template <class Set>
int trailingColumnTiles(const Panel& panel) {
  constexpr int kColumns = Set::kTileVectors * Set::kLanes;
  return (panel.columns() - panel.end() + kColumns - 1) / kColumns;
}

// Below this many column tiles a panel's update is too short to be worth waking the helpers.
constexpr int kFewestTilesToShare = 8;

// Step 4 shared between the threads: each takes an equal run of column tiles, the caller the
// first. Only the caller reports progress; a stop it is asked for ends the others' runs at their
// next column block.
template <class Set>
[[gnu::always_inline]] inline bool updateTrailing(const Panel& panel, Scratch& scratch,
                                                  Progress* progress, SharedWork& shared) {
  const int tiles = trailingColumnTiles<Set>(panel);
  if (shared.threads == nullptr || tiles < kFewestTilesToShare)
    return updateTrailingColumns<Set>(panel, scratch, scratch.edgeTile.data(), 0, tiles, progress);
  const int parts = shared.threads->count();
  std::atomic<bool> stopped = false;
  StopSignal helperStop(stopped);
  shared.threads->run([&](int part) {
    const int firstTile = static_cast<int>(static_cast<long long>(tiles) * part / parts);
    const int endTile = static_cast<int>(static_cast<long long>(tiles) * (part + 1) / parts);
    if (firstTile == endTile) return;
    double* edgeTile = shared.edgeTiles[static_cast<std::size_t>(part)].data();
    if (part == 0) {
      if (!shared.update(panel, scratch, edgeTile, firstTile, endTile, progress))
        stopped.store(true, std::memory_order_relaxed);
    } else {
      shared.update(panel, scratch, edgeTile, firstTile, endTile, &helperStop);
    }
  });
  return !stopped.load(std::memory_order_relaxed);
}

template <class Set>
Scratch makeScratch(int order) {
  constexpr int kRows = Set::kTileRows;
  constexpr int kColumns = Set::kTileVectors * Set::kLanes;
  const std::size_t rowTiles = (order + kRows - 1) / kRows;
  const std::size_t columnTiles = (order + 1 + kColumns - 1) / kColumns;
  constexpr std::size_t kSquare = kPanelWidth * kPanelWidth;
  return Scratch{AlignedBuffer(kPanelWidth),
                 AlignedBuffer(kSquare),
                 AlignedBuffer(kSquare),
                 AlignedBuffer(columnTiles * kPanelWidth * kColumns),
                 AlignedBuffer(rowTiles * kPanelWidth * kRows),
                 AlignedBuffer(kPanelWidth * kColumns),
                 AlignedBuffer(kPanelWidth * kRows),
                 AlignedBuffer(kRows * kColumns)};
}

template <class Set>
[[gnu::always_inline]] inline bool eliminatePanels(double* block, std::size_t stride, int order,
                                                   Scratch& scratch, Progress* progress,
                                                   SharedWork& shared) {
  for (int first = 0; first < order - 1; first += kPanelWidth) {
    Panel panel{block, stride, order, first, std::min(kPanelWidth, order - first), 0};
    const bool pivotsNonzero = reduceDiagonalBlock(panel, scratch);
    if (panel.steps > 0) {
      reducePanelRows<Set>(panel, scratch);
      reduceBelowPanel<Set>(panel, scratch);
      if (!updateTrailing<Set>(panel, scratch, progress, shared)) return false;
    }
    if (!pivotsNonzero) return false;
  }
  return true;
}

bool updateTrailingBaseline(const Panel& panel, const Scratch& scratch, double* edgeTile,
                            int firstTile, int endTile, Progress* progress) {
  return updateTrailingColumns<BaselineSet>(panel, scratch, edgeTile, firstTile, endTile, progress);
}

bool eliminateBaseline(double* block, std::size_t stride, int order, Progress* progress,
                       WorkerThreads* threads) {
  Scratch scratch = makeScratch<BaselineSet>(order);
  SharedWork shared = shareWork<BaselineSet>(threads, &updateTrailingBaseline);
  return eliminatePanels<BaselineSet>(block, stride, order, scratch, progress, shared);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) bool updateTrailingAvx2(const Panel& panel, const Scratch& scratch,
                                                        double* edgeTile, int firstTile,
                                                        int endTile, Progress* progress) {
  return updateTrailingColumns<Avx2Set>(panel, scratch, edgeTile, firstTile, endTile, progress);
}

__attribute__((target("avx2"))) bool eliminateAvx2(double* block, std::size_t stride, int order,
                                                   Progress* progress, WorkerThreads* threads) {
  Scratch scratch = makeScratch<Avx2Set>(order);
  SharedWork shared = shareWork<Avx2Set>(threads, &updateTrailingAvx2);
  return eliminatePanels<Avx2Set>(block, stride, order, scratch, progress, shared);
}

__attribute__((target("avx512f"))) bool updateTrailingAvx512(const Panel& panel,
                                                             const Scratch& scratch,
                                                             double* edgeTile, int firstTile,
                                                             int endTile, Progress* progress) {
  return updateTrailingColumns<Avx512Set>(panel, scratch, edgeTile, firstTile, endTile, progress);
}

__attribute__((target("avx512f"))) bool eliminateAvx512(double* block, std::size_t stride,
                                                        int order, Progress* progress,
                                                        WorkerThreads* threads) {
  Scratch scratch = makeScratch<Avx512Set>(order);
  SharedWork shared = shareWork<Avx512Set>(threads, &updateTrailingAvx512);
  return eliminatePanels<Avx512Set>(block, stride, order, scratch, progress, shared);
}
#endif

}  // namespace

bool eliminateBlocked(double* block, std::size_t rowStride, int order, Progress* progress) {
  return eliminateBlocked(fastestVectorInstructions(), block, rowStride, order, progress,
                          order >= kThreadedOrder ? computationThreads() : 1);
}

bool eliminateBlocked(VectorInstructions instructions, double* block, std::size_t rowStride,
                      int order, Progress* progress, int threadCount) {
  std::optional<WorkerThreads> threads;
  if (threadCount > 1) threads.emplace(threadCount);
  WorkerThreads* shared = threads ? &*threads : nullptr;
#if defined(__x86_64__) || defined(__i386__)
  // An instruction set the processor lacks falls back to the baseline rather than fault.
  if (instructions == VectorInstructions::Avx512 && processorHas(instructions))
    return eliminateAvx512(block, rowStride, order, progress, shared);
  if (instructions == VectorInstructions::Avx2 && processorHas(instructions))
    return eliminateAvx2(block, rowStride, order, progress, shared);
#else
  (void)instructions;
#endif
  return eliminateBaseline(block, rowStride, order, progress, shared);
}

}  // namespace vantrel
