#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "state/headless_controls.h"
#include "state/ortak.h"

namespace vantrel::batch {

// The data behind the plots, each as CSV text with a header row and "\n" line ends. A plot that
// shows nothing gives the header alone.

// camber.csv: the camber stations 1..NPoint (x, y) at full precision.
std::string camberCsv(const Ortak& ortak);
// camber_polynomial.csv: the fitted polynomial as drawn, the 21 ends of its red segments.
std::string camberPolynomialCsv(const PictureBox& camber);
// lift.csv and moment.csv: the ends of the red line and the operating point (the circle), as
// drawn; `valueName` heads the second column ("CL", "Cmx").
std::string lineAndPointCsv(const PictureBox& plot, const std::string& valueName);
// load.csv: x/c and load at each station of the red load curve, as drawn.
std::string loadCsv(const PictureBox& load);

// Writes camber.csv, camber_polynomial.csv, lift.csv, moment.csv and load.csv into the folder.
std::optional<std::string> writeCsvFiles(const HeadlessControls& controls, const Ortak& ortak,
                                         const std::filesystem::path& folder);

}  // namespace vantrel::batch
