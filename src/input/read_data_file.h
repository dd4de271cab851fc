#pragma once

#include <string>

#include "app/session.h"

namespace vantrel {

// Reads the airfoil file DataFile into the shared state, draws the airfoil and camber plots and
// writes the coordinate report. On any failure it shows one message naming the file and the
// place, changes nothing and returns false.
bool ReadDataFile(Session& session, const std::string& DataFile);

}  // namespace vantrel
