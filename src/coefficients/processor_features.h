#pragma once

#include <string_view>
#include <vector>

namespace vantrel {

// The instruction sets the blocked forward elimination is compiled for. The program picks the
// fastest one the processor offers when it runs, so one build stays portable and fast.
enum class VectorInstructions { Baseline, Avx2, Avx512 };

std::vector<VectorInstructions> supportedVectorInstructions();  // Baseline always among them
VectorInstructions fastestVectorInstructions();
std::string_view nameOf(VectorInstructions instructions);
bool processorHas(VectorInstructions instructions);

}  // namespace vantrel
