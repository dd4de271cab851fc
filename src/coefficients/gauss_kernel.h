#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel {

// The instruction sets the blocked forward elimination is compiled for. The program picks the
// fastest one the processor offers when it runs, so one build stays portable and fast.
enum class VectorInstructions { Baseline, Avx2, Avx512 };

std::vector<VectorInstructions> supportedVectorInstructions();  // Baseline always among them
VectorInstructions fastestVectorInstructions();
std::string_view nameOf(VectorInstructions instructions);

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
