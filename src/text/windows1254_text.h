#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// Bytes read from a file (an airfoil's name, a file name) as UTF-8 for the window: valid UTF-8 is
// kept as it is; anything else is taken as Windows-1254, the code page of the program's reports.
std::string bytesToUtf8(std::string_view bytes);

// The same, for quoting a piece of a file in a message: control characters (C0, DEL and C1)
// become "?", so no name can drive a terminal through a message, and a long
// piece is cut to `maxCharacters` characters followed by "...".
std::string quotedForMessage(std::string_view bytes, std::size_t maxCharacters = 24);

}  // namespace vantrel
