#pragma once

#include <cstddef>

#include "coefficients/processor_features.h"

namespace vantrel {

class Progress;

// Forward elimination without pivoting of the system of `order` equations whose augmented block
// (order rows, order + 1 columns, right-hand side last) starts at `block`, rows `rowStride`
// doubles apart. Every element receives exactly the operations of the plain triple loop, in the
// same order, so the results agree with it bit for bit; only the loop order is tiled.
// Returns false when a pivot with a row below it is zero; the block is then left exactly as the
// plain loop leaves it when it meets that pivot (the earlier steps done, that one not begun).
// A progress, when given, hears of each block of columns done; when it asks to stop, the result
// is false too and the block is left half reduced.
// Each panel's reduction and trailing update are shared between threads (see
// computationThreads) when the system is large enough to gain from them; the bits are the same
// for any number of threads.
bool eliminateBlocked(double* block, std::size_t rowStride, int order,
                      Progress* progress = nullptr);
bool eliminateBlocked(VectorInstructions instructions, double* block, std::size_t rowStride,
                      int order, Progress* progress = nullptr, int threadCount = 1);

}  // namespace vantrel
