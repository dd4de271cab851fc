#pragma once

#include <string>
#include <vector>

#include "language/program_texts.h"

namespace vantrel {

// The shared analysis state. One object lives for the whole run; procedures read what earlier
// steps left here and write their results back. Arrays are sized by their producer: the station
// arrays run 0..NPoint (index 0 present and 0), A runs 0..5 or 0..7; unsized arrays are empty.
struct Ortak {
  double Pi = 0.0;
  std::string AirfoilName;  // bytes as read from the file
  int NPoint = 0;
  std::vector<double> xU, yU, xL, yL;
  std::vector<double> xC, yC, Theta;
  double M = 0.0;  // a count held as a double: degree, 7, or the number of panels
  std::vector<double> A;
  double A0Camber = 0.0;
  double Alfa = 0.0;
  double Alfa0 = 0.0;
  double CmAC = 0.0;
  double CL = 0.0;
  double CLMin = 0.0;
  double CLMax = 0.0;
  // The language of the messages and of the report headings: a choice of the user's, which a
  // read or a method never changes.
  Language language = Language::Original;

  friend bool operator==(const Ortak&, const Ortak&) = default;
};

}  // namespace vantrel
