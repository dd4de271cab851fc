#pragma once

#include <cstddef>

#include "coefficients/processor_features.h"

namespace vantrel {

// Forward elimination without pivoting of the system of `order` equations whose augmented block
// (order rows, order + 1 columns, right-hand side last) starts at `block`, rows `rowStride`
// doubles apart. Every element receives exactly the operations of the plain triple loop, in the
// same order, so the results agree with it bit for bit; only the loop order is tiled.
// Returns false when a pivot with a row below it is zero; the block is then left exactly as the
// plain loop leaves it when it meets that pivot (the earlier steps done, that one not begun).
bool eliminateBlocked(double* block, std::size_t rowStride, int order);
bool eliminateBlocked(VectorInstructions instructions, double* block, std::size_t rowStride,
                      int order);

}  // namespace vantrel
