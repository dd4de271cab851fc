#pragma once

#include <string>

#include "state/session.h"

namespace vantrel {

// Reads the airfoil file chosen in the file list: a ".dat" file (any letter case) is converted
// from the Selig or Lednicer layout first and then read as the program's own file; any other file
// is read as it stands. On failure one message is shown, the previous airfoil stays and the
// result is false.
bool readByFileType(Session& session, const std::string& path);

}  // namespace vantrel
