#pragma once

namespace vantrel {

// The messages that read the same in every language, and the title of every message box; those
// that change with the language are in language/program_texts.h.
inline constexpr const char* kProgramTitle = "QEB-Vantrel";
inline constexpr const char* kOpenAirfoilMessage = "Open an airfoil data file";
inline constexpr const char* kOutOfMemoryMessage =
    "There is not enough memory to finish this action; it was stopped, and the airfoil and the "
    "values computed before it are kept.";

}  // namespace vantrel
