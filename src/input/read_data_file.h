#pragma once

#include <istream>
#include <string>

#include "app/session.h"

namespace vantrel {

// Reads the airfoil file DataFile into the shared state, draws the airfoil and camber plots and
// writes the coordinate report. On any failure it shows one message naming the file and the
// place, changes nothing and returns false.
bool ReadDataFile(Session& session, const std::string& DataFile);

// The same read from an open stream; `fileLabel` names the file in messages.
bool ReadAirfoilStream(Session& session, std::istream& in, const std::string& fileLabel);

}  // namespace vantrel
