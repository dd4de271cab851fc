#pragma once

namespace vantrel {

// The program's own messages and the title of every message box, as the user reads them.
inline constexpr const char* kProgramTitle = "QEB-Vantrel";
inline constexpr const char* kOpenAirfoilMessage = "Open an airfoil data file";
inline constexpr const char* kDegreeCapMessage = "polinomun derecesi 5 den büyük olamaz";
inline constexpr const char* kZeroPivotMessage = " sıfır diyagonal elemanı";
inline constexpr const char* kOutOfMemoryMessage =
    "There is not enough memory to finish this action; it was stopped, and the airfoil and the "
    "values computed before it are kept.";

}  // namespace vantrel
