#pragma once

#include <string>
#include <vector>

#include "state/progress.h"
#include "survey/airfoil_table.h"

namespace vantrel {

// One airfoil of a survey: a file, a NACA designation, or why a source gave none.
struct SurveyItem {
  std::string source;
  std::string refusal;  // empty, or why the source holds no airfoil (an unreadable folder)
};

// The airfoils behind the sources, in the order given: a folder stands for every .nca and .dat
// file in it (any letter case, not its subfolders), sorted by name; a folder without one, or one
// that cannot be listed, gives an item with its refusal. Anything else is one item as it stands.
std::vector<SurveyItem> surveyItems(const std::vector<std::string>& sources);

// The row of every item at `alfa` degrees, in the items' order, on `threads` threads (each row is
// computed whole on one thread, so the rows are those of a single thread bit for bit). Progress is
// told the fraction of rows done; when it asks to stop, the rows done so far are returned.
std::vector<AirfoilRow> runSurvey(const std::vector<SurveyItem>& items, double alfa, int threads,
                                  Progress* progress = nullptr);

// Whether a row counts as a failure of the survey: its thin-airfoil values are missing. A row
// whose only fault is the panel method's refusal (a camber line without thickness) is not one.
inline bool surveyRowFailed(const AirfoilRow& row) {
  return !row.computed;
}

}  // namespace vantrel
