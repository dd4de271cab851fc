#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/ortak.h"

namespace vantrel::test {

struct Station {
  double x;
  double y;
};

// The angle coordinate of a camber x, as the airfoil reader forms it.
double thetaOf(double x, double Pi);

// Puts a zero-thickness airfoil whose camber line passes through `camber` into the shared state,
// as reading its file would: stations 1..n, index 0 present and 0, Theta from x.
void fillCamberAirfoil(Ortak& ortak, const std::vector<Station>& camber);

// The text of an airfoil data file with these upper and lower surfaces (same x), written so that
// every number reads back exactly.
std::string airfoilFileText(const std::string& name, const std::vector<Station>& upper,
                            const std::vector<Station>& lower);

// A fresh, empty folder under the system's temporary folder.
std::filesystem::path freshFolder(const std::string& name);

std::string fileBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// Camber stations on y = 0.08·x − 0.08·x² (a parabola of height 0.02) at the given x.
std::vector<Station> parabolicCamber(const std::vector<double>& xs);

}  // namespace vantrel::test
