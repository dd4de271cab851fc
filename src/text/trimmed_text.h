#pragma once

#include <string>

namespace vantrel {

// The text without the spaces, tabs and line ends around it, as a field typed in or a name read
// from a file is taken.
std::string trimmed(const std::string& text);

}  // namespace vantrel
