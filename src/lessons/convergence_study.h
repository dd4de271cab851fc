#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "input/nca_parser.h"

namespace vantrel {

// How fast the methods converge as panels are added: numerical integration's zero-lift angle and
// CmAC, the lumped vortex method's cl and quarter-chord moment, at N = from, 2·from, ... up to
// `to` panels (N + 1 stations at cosine spacing, so each doubling halves every panel).
//
// A NACA section is studied on its own mean line, generated afresh at each N, against thin
// airfoil theory's closed form. Any other airfoil is studied on the main window's mean line: the
// point-by-point mean of its stations, straight between them as numerical integration takes it,
// sampled at each N; its reference is the finest run.
struct ConvergenceSettings {
  std::string source;  // a NACA designation, or a .nca or .dat file read as the window reads it
  double alfa = 4.0;   // degrees, for the lumped vortex method
  int from = 10;
  int to = 2560;
  // The airfoil on screen (a flap included) in place of `source`, which then only labels it.
  std::optional<AirfoilData> airfoil = std::nullopt;
};

inline constexpr int kStudyQuantities = 4;
inline constexpr double kReferenceMargin = 4.0;
inline constexpr std::array<const char*, kStudyQuantities> kStudyQuantityNames = {"Alfa0", "CmAC",
                                                                                  "cl", "cm4"};

struct ConvergenceRow {
  int N = 0;
  std::array<double, kStudyQuantities> values{};  // in the order of kStudyQuantityNames
};

struct ConvergenceStudy {
  std::string airfoilName;  // bytes, as read or generated
  // Which mean line was studied, in a sentence for the window and the CSV (UTF-8).
  std::string meanLine;
  double alfa = 0.0;
  std::vector<ConvergenceRow> rows;
  std::array<double, kStudyQuantities> reference{};
  // Whether a reference is thin airfoil theory's closed form; otherwise it is the finest run.
  std::array<bool, kStudyQuantities> closedForm{};

  double difference(std::size_t row, int quantity) const {
    return rows[row].values[quantity] - reference[quantity];
  }
  // log2(e(N)/e(2N)) against the next row; none for the last row or a zero difference, and none
  // where the reference does not support it: against the finest run, whose own error is about
  // the last step |value(last) − value(last − 1)|, an order is shown only while e(2N) is at least
  // kReferenceMargin times that step.
  std::optional<double> observedOrder(std::size_t row, int quantity) const;
};

struct StudyRefusal {
  std::string message;
};
struct StudyCancelled {};

// Told the fraction of the work done after each run; returns false to stop the study.
using StudyProgress = std::function<bool(double fraction)>;

// Runs the study on copies of a state of its own: nothing of the user's state, window or reports
// is touched. Refused with a message for a source that is neither a NACA designation nor an
// airfoil file that can be re-sampled, for a range without panels, or when a method refuses.
std::variant<ConvergenceStudy, StudyRefusal, StudyCancelled> runConvergenceStudy(
    const ConvergenceSettings& settings, const StudyProgress& progress = {});

// Why these settings cannot be studied, checked before any work: the range of N.
std::optional<std::string> refusedStudyRange(int from, int to);

}  // namespace vantrel
