#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <string>

#include "input/nca_parser.h"
#include "state/session.h"

namespace vantrel {

// Reads the airfoil file DataFile into the shared state, draws the airfoil and camber plots and
// writes the coordinate report. On any failure it shows one message naming the file and the
// place, changes nothing and returns false.
bool ReadDataFile(Session& session, const std::string& DataFile);

// Opens an airfoil file for reading after the checks every reader makes, the window's, `convert`'s
// and the convergence study's alike: a folder, a device, a pipe or a socket and a file larger
// than 64 MB are refused before a byte is read. On failure, the message that says why; `fileLabel`
// gets the name messages use: the file name alone.
std::optional<std::string> openAirfoilForReading(const std::string& path, std::ifstream& in,
                                                 std::string& fileLabel);

// Opens an airfoil file for reading. On failure shows why ("Cannot read "f.nca": the file does not
// exist.") and returns false. `fileLabel` gets the name messages use: the file name alone.
bool openAirfoilFile(Session& session, const std::string& path, std::ifstream& in,
                     std::string& fileLabel);

// The same read from an open stream; `fileLabel` names the file in messages.
bool readDataFileStream(Session& session, std::istream& in, const std::string& fileLabel);

// Takes an airfoil in as every successful read does: replaces the name, the count and the station
// arrays, draws the airfoil and camber plots and writes the coordinate report afresh.
void installAirfoil(Session& session, AirfoilData&& airfoil);

}  // namespace vantrel
