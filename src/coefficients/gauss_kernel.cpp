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
//
// With helper threads, step 1 stays on the caller (a few per cent of one panel's work); steps 2
// and 3 are shared by runs of tiles, step 4 by runs of column tiles. Every element is still
// reduced by one thread with the same steps in the same order, so the bits never depend on how
// many threads share the work.
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

// What every thread reads: the diagonal block's pivots, quotients and multipliers, and the packed
// operands of the trailing update, each tile's written by the one thread that reduced it.
struct Scratch {
  AlignedBuffer pivots;
  AlignedBuffer diagonalQuotients;    // [step][column within the panel]
  AlignedBuffer diagonalMultipliers;  // [row within the panel][step]
  AlignedBuffer rowQuotients;         // per column tile: [step][NR]
  AlignedBuffer belowMultipliers;     // per row tile: [step][MR]
};

// The copies one thread works in.
struct ThreadTiles {
  AlignedBuffer panelTile;  // [row within the panel][NR]
  AlignedBuffer belowTile;  // [column within the panel][MR]
  AlignedBuffer edgeTile;   // [MR][NR]
};

// A run of tiles [first, end).
struct TileRange {
  int first = 0;
  int end = 0;
};

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

// Step 2 on one column tile of the panel's rows, copied into `tile`. The steps go in
// groups of kStepGroup: the group's own rows first, one step after another (each quotient row
// is taken once its row has every earlier step), then every later row takes the group's steps
// in a row while it sits in registers, which saves a load and a store per step.
template <class Set, int kGroup>
[[gnu::always_inline]] inline void reducePanelRowsByGroup(const Panel& panel,
                                                          const Scratch& scratch, double* tile,
                                                          double* packedQuotients, int groupStart) {
  using Vector = typename Set::Vector;
  constexpr int kVectors = Set::kTileVectors;
  constexpr int kLanes = Set::kLanes;
  constexpr int kTileColumns = kVectors * kLanes;
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
[[gnu::always_inline]] inline void reducePanelRowsOnTile(const Panel& panel, const Scratch& scratch,
                                                         double* tile, double* packedQuotients) {
  int groupStart = 0;
  for (; groupStart + kStepGroup <= panel.steps; groupStart += kStepGroup)
    reducePanelRowsByGroup<Set, kStepGroup>(panel, scratch, tile, packedQuotients, groupStart);
  for (; groupStart < panel.steps; ++groupStart)
    reducePanelRowsByGroup<Set, 1>(panel, scratch, tile, packedQuotients, groupStart);
}

// Step 2 on the column tiles `tiles` of the panel's rows; each tile's quotients are packed where
// step 4 reads them, whichever thread reduced it.
template <class Set>
[[gnu::always_inline]] inline void reducePanelRows(const Panel& panel, const Scratch& scratch,
                                                   double* tile, TileRange tiles) {
  constexpr int kTileColumns = Set::kTileVectors * Set::kLanes;
  for (int t = tiles.first; t < tiles.end; ++t) {
    const int firstColumn = panel.end() + t * kTileColumns;
    const int count = std::min(kTileColumns, panel.columns() - firstColumn);
    for (int row = 0; row < panel.width; ++row) {
      double* values = tile + row * kTileColumns;
      std::memcpy(values, panel.at(panel.first + row, firstColumn), count * sizeof(double));
      std::fill(values + count, values + kTileColumns, 0.0);
    }
    reducePanelRowsOnTile<Set>(panel, scratch, tile,
                               scratch.rowQuotients.data() + t * kPanelWidth * kTileColumns);
    for (int row = 1; row < panel.width; ++row)
      std::memcpy(panel.at(panel.first + row, firstColumn), tile + row * kTileColumns,
                  count * sizeof(double));
  }
}

// Step 3 on MR rows below the panel, transposed in `tile` so one vector holds a
// column of the rows and the step-by-step dependence runs along the panel; steps go in groups
// as in step 2. f * q and q * f round alike: the product is commutative in every bit.
template <class Set, int kGroup>
[[gnu::always_inline]] inline void reduceBelowByGroup(const Panel& panel, const Scratch& scratch,
                                                      double* tile, double* packedMultipliers,
                                                      int groupStart) {
  using Vector = typename Set::ColumnVector;
  constexpr int kLanes = static_cast<int>(sizeof(Vector) / sizeof(double));
  constexpr int kRows = Set::kTileRows;
  constexpr int kVectors = kRows / kLanes;
  static_assert(kVectors * kLanes == kRows);
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
[[gnu::always_inline]] inline void reduceBelowOnTile(const Panel& panel, const Scratch& scratch,
                                                     double* tile, double* packedMultipliers) {
  int groupStart = 0;
  for (; groupStart + kStepGroup <= panel.steps; groupStart += kStepGroup)
    reduceBelowByGroup<Set, kStepGroup>(panel, scratch, tile, packedMultipliers, groupStart);
  for (; groupStart < panel.steps; ++groupStart)
    reduceBelowByGroup<Set, 1>(panel, scratch, tile, packedMultipliers, groupStart);
}

// Step 3 on the row tiles `tiles` below the panel; each tile's multipliers are packed where
// step 4 reads them.
template <class Set>
[[gnu::always_inline]] inline void reduceBelowPanel(const Panel& panel, const Scratch& scratch,
                                                    double* tile, TileRange tiles) {
  constexpr int kRows = Set::kTileRows;
  for (int t = tiles.first; t < tiles.end; ++t) {
    const int firstRow = panel.end() + t * kRows;
    const int count = std::min(kRows, panel.order - firstRow);
    for (int r = 0; r < kRows; ++r) {
      const double* values = r < count ? panel.at(firstRow + r, panel.first) : nullptr;
      for (int column = 0; column < panel.width; ++column)
        tile[column * kRows + r] = values ? values[column] : 0.0;
    }
    reduceBelowOnTile<Set>(panel, scratch, tile,
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

// Below this many column tiles a panel's work is too short to be worth waking the helpers.
constexpr int kFewestTilesToShare = 8;

int tilesOf(int count, int tileSize) {
  return (count + tileSize - 1) / tileSize;
}

// The share of `tiles` that thread `part` of `parts` takes: equal runs, in order.
TileRange shareOf(int tiles, int part, int parts) {
  return {static_cast<int>(static_cast<long long>(tiles) * part / parts),
          static_cast<int>(static_cast<long long>(tiles) * (part + 1) / parts)};
}

// The kernels compiled for one instruction set, and the shape of its register tile.
struct Kernels {
  int tileRows;
  int tileColumns;
  // Steps 2 and 3: the panel's rows on the given column tiles, the rows below it on the given row
  // tiles. The two touch different elements, so one thread may do both while another does its own.
  void (*reducePanel)(const Panel&, const Scratch&, ThreadTiles&, TileRange columnTiles,
                      TileRange rowTiles);
  // Step 4 on the given column tiles; false when the progress asked to stop.
  bool (*updateTrailing)(const Panel&, const Scratch&, ThreadTiles&, TileRange columnTiles,
                         Progress*);
};

template <class Set>
[[gnu::always_inline]] inline void reducePanelShare(const Panel& panel, const Scratch& scratch,
                                                    ThreadTiles& tiles, TileRange columnTiles,
                                                    TileRange rowTiles) {
  reducePanelRows<Set>(panel, scratch, tiles.panelTile.data(), columnTiles);
  reduceBelowPanel<Set>(panel, scratch, tiles.belowTile.data(), rowTiles);
}

Scratch makeScratch(const Kernels& kernels, int order) {
  const auto rowTiles = static_cast<std::size_t>(tilesOf(order, kernels.tileRows));
  const auto columnTiles = static_cast<std::size_t>(tilesOf(order + 1, kernels.tileColumns));
  constexpr std::size_t kSquare = kPanelWidth * kPanelWidth;
  return Scratch{AlignedBuffer(kPanelWidth), AlignedBuffer(kSquare), AlignedBuffer(kSquare),
                 AlignedBuffer(columnTiles * kPanelWidth * kernels.tileColumns),
                 AlignedBuffer(rowTiles * kPanelWidth * kernels.tileRows)};
}

ThreadTiles makeThreadTiles(const Kernels& kernels) {
  return ThreadTiles{AlignedBuffer(kPanelWidth * kernels.tileColumns),
                     AlignedBuffer(kPanelWidth * kernels.tileRows),
                     AlignedBuffer(kernels.tileRows * kernels.tileColumns)};
}

// A progress for the helper threads: it never reports, and asks to stop once the caller's own
// progress has.
class StopSignal : public Progress {
 public:
  explicit StopSignal(const std::atomic<bool>& stopped) : stopped_(stopped) {}
  bool proceed(double) override { return !stopped_.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& stopped_;
};

// Steps 2 to 4 of one panel. With helpers, steps 2 and 3 are shared in one round (each thread
// reduces its run of column tiles of the panel's rows and its run of row tiles below the panel)
// and step 4 in a second, each thread on the same column tiles as in the first; the round between
// them is the only point where a thread waits for another's tiles. Only the caller reports
// progress; a stop it is asked for ends the others' runs at their next column block.
bool reduceAndUpdate(const Kernels& kernels, const Panel& panel, const Scratch& scratch,
                     std::vector<ThreadTiles>& tiles, Progress* progress, WorkerThreads* threads) {
  const int columnTiles = tilesOf(panel.columns() - panel.end(), kernels.tileColumns);
  const int rowTiles = tilesOf(panel.order - panel.end(), kernels.tileRows);
  if (threads == nullptr || columnTiles < kFewestTilesToShare) {
    kernels.reducePanel(panel, scratch, tiles[0], {0, columnTiles}, {0, rowTiles});
    return kernels.updateTrailing(panel, scratch, tiles[0], {0, columnTiles}, progress);
  }
  const int parts = threads->count();
  threads->run([&](int part) {
    kernels.reducePanel(panel, scratch, tiles[static_cast<std::size_t>(part)],
                        shareOf(columnTiles, part, parts), shareOf(rowTiles, part, parts));
  });
  std::atomic<bool> stopped = false;
  StopSignal helperStop(stopped);
  threads->run([&](int part) {
    const TileRange share = shareOf(columnTiles, part, parts);
    ThreadTiles& own = tiles[static_cast<std::size_t>(part)];
    if (part == 0) {
      if (!kernels.updateTrailing(panel, scratch, own, share, progress))
        stopped.store(true, std::memory_order_relaxed);
    } else {
      kernels.updateTrailing(panel, scratch, own, share, &helperStop);
    }
  });
  return !stopped.load(std::memory_order_relaxed);
}

bool eliminatePanels(const Kernels& kernels, double* block, std::size_t stride, int order,
                     Progress* progress, WorkerThreads* threads) {
  Scratch scratch = makeScratch(kernels, order);
  std::vector<ThreadTiles> tiles;
  for (int part = 0; part < (threads != nullptr ? threads->count() : 1); ++part)
    tiles.push_back(makeThreadTiles(kernels));
  for (int first = 0; first < order - 1; first += kPanelWidth) {
    Panel panel{block, stride, order, first, std::min(kPanelWidth, order - first), 0};
    const bool pivotsNonzero = reduceDiagonalBlock(panel, scratch);
    if (panel.steps > 0 && !reduceAndUpdate(kernels, panel, scratch, tiles, progress, threads))
      return false;
    if (!pivotsNonzero) return false;
  }
  return true;
}

void reducePanelBaseline(const Panel& panel, const Scratch& scratch, ThreadTiles& tiles,
                         TileRange columnTiles, TileRange rowTiles) {
  reducePanelShare<BaselineSet>(panel, scratch, tiles, columnTiles, rowTiles);
}

bool updateTrailingBaseline(const Panel& panel, const Scratch& scratch, ThreadTiles& tiles,
                            TileRange columnTiles, Progress* progress) {
  return updateTrailingColumns<BaselineSet>(panel, scratch, tiles.edgeTile.data(),
                                            columnTiles.first, columnTiles.end, progress);
}

constexpr Kernels kBaselineKernels{BaselineSet::kTileRows,
                                   BaselineSet::kTileVectors* BaselineSet::kLanes,
                                   &reducePanelBaseline, &updateTrailingBaseline};

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) void reducePanelAvx2(const Panel& panel, const Scratch& scratch,
                                                     ThreadTiles& tiles, TileRange columnTiles,
                                                     TileRange rowTiles) {
  reducePanelShare<Avx2Set>(panel, scratch, tiles, columnTiles, rowTiles);
}

__attribute__((target("avx2"))) bool updateTrailingAvx2(const Panel& panel, const Scratch& scratch,
                                                        ThreadTiles& tiles, TileRange columnTiles,
                                                        Progress* progress) {
  return updateTrailingColumns<Avx2Set>(panel, scratch, tiles.edgeTile.data(), columnTiles.first,
                                        columnTiles.end, progress);
}

constexpr Kernels kAvx2Kernels{Avx2Set::kTileRows, Avx2Set::kTileVectors* Avx2Set::kLanes,
                               &reducePanelAvx2, &updateTrailingAvx2};

__attribute__((target("avx512f"))) void reducePanelAvx512(const Panel& panel,
                                                          const Scratch& scratch,
                                                          ThreadTiles& tiles, TileRange columnTiles,
                                                          TileRange rowTiles) {
  reducePanelShare<Avx512Set>(panel, scratch, tiles, columnTiles, rowTiles);
}

__attribute__((target("avx512f"))) bool updateTrailingAvx512(const Panel& panel,
                                                             const Scratch& scratch,
                                                             ThreadTiles& tiles,
                                                             TileRange columnTiles,
                                                             Progress* progress) {
  return updateTrailingColumns<Avx512Set>(panel, scratch, tiles.edgeTile.data(), columnTiles.first,
                                          columnTiles.end, progress);
}

constexpr Kernels kAvx512Kernels{Avx512Set::kTileRows, Avx512Set::kTileVectors* Avx512Set::kLanes,
                                 &reducePanelAvx512, &updateTrailingAvx512};
#endif

// The kernels for `instructions`; an instruction set the processor lacks falls back to the
// baseline rather than fault.
const Kernels& kernelsFor(VectorInstructions instructions) {
#if defined(__x86_64__) || defined(__i386__)
  if (instructions == VectorInstructions::Avx512 && processorHas(instructions))
    return kAvx512Kernels;
  if (instructions == VectorInstructions::Avx2 && processorHas(instructions)) return kAvx2Kernels;
#else
  (void)instructions;
#endif
  return kBaselineKernels;
}

}  // namespace

bool eliminateBlocked(double* block, std::size_t rowStride, int order, Progress* progress) {
  return eliminateBlocked(fastestVectorInstructions(), block, rowStride, order, progress,
                          order >= kThreadedOrder ? computationThreads() : 1);
}

bool eliminateBlocked(VectorInstructions instructions, double* block, std::size_t rowStride,
                      int order, Progress* progress, int threadCount) {
  std::optional<WorkerThreads> threads;
  if (threadCount > 1) threads.emplace(threadCount);
  return eliminatePanels(kernelsFor(instructions), block, rowStride, order, progress,
                         threads ? &*threads : nullptr);
}

}  // namespace vantrel
