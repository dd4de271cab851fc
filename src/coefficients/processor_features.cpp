#include "coefficients/processor_features.h"

namespace vantrel {

bool processorHas(VectorInstructions instructions) {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
  switch (instructions) {
    case VectorInstructions::Baseline:
      return true;
    case VectorInstructions::Avx2:
      return __builtin_cpu_supports("avx2");
    case VectorInstructions::Avx512:
      return __builtin_cpu_supports("avx512f");
  }
  return false;
#else
  return instructions == VectorInstructions::Baseline;
#endif
}

std::vector<VectorInstructions> supportedVectorInstructions() {
  std::vector<VectorInstructions> supported;
  for (VectorInstructions instructions :
       {VectorInstructions::Baseline, VectorInstructions::Avx2, VectorInstructions::Avx512})
    if (processorHas(instructions)) supported.push_back(instructions);
  return supported;
}

VectorInstructions fastestVectorInstructions() {
  static const VectorInstructions fastest = supportedVectorInstructions().back();
  return fastest;
}

std::string_view nameOf(VectorInstructions instructions) {
  switch (instructions) {
    case VectorInstructions::Baseline:
      return "baseline";
    case VectorInstructions::Avx2:
      return "avx2";
    case VectorInstructions::Avx512:
      return "avx512f";
  }
  return "unknown";
}

}  // namespace vantrel
