#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "input/nca_parser.h"
#include "lessons/convergence_study.h"

namespace vantrel {

// The Convergence Study's fields as the user typed them, in the window or the page.
struct StudyFields {
  std::string from;  // panels, whole numbers
  std::string to;
  std::string alfa;   // degrees, read as a text box reads a number
  bool naca = false;  // study the NACA section typed in `designation` instead of the airfoil
  std::string designation;
  std::string label;  // the airfoil on screen: "NAME (file)"
  std::optional<AirfoilData> airfoil;
};

// The settings the fields ask for, or the message that refuses them.
std::variant<ConvergenceSettings, std::string> studySettingsFromFields(const StudyFields& fields);

// Which mean line the next run takes and, after a run, which one the table shows (UTF-8).
std::string studyCaption(bool naca, const std::string& designation, const std::string& label,
                         const ConvergenceStudy* study);

// What the log-log plot shows, in words beside its legend.
std::string convergencePlotExplanation();

// The table as the window shows it: headers, then per row N and each quantity's value,
// difference (10 significant digits) and observed order (3 decimals, empty where there is none).
std::vector<std::string> convergenceTableHeaders();
std::vector<std::vector<std::string>> convergenceTableCells(const ConvergenceStudy& study);

}  // namespace vantrel
