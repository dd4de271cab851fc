#pragma once

#include <string>

#include "app/controls.h"

namespace vantrel {

// What the controls hold when the window opens; the window and HeadlessControls share it.
std::string initialText(TextBox box);
std::string initialCaption(Label label);

inline constexpr const char* kProgramTitle = "QEB-Vantrel";
inline constexpr const char* kOpenAirfoilMessage = "Open an airfoil data file";
inline constexpr const char* kDegreeCapMessage = "polinomun derecesi 5 den büyük olamaz";
inline constexpr const char* kZeroPivotMessage = " sıfır diyagonal elemanı";

}  // namespace vantrel
