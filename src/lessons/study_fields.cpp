#include "lessons/study_fields.h"

#include <climits>

#include "app/user_actions.h"
#include "input/naca.h"
#include "text/locale_free_numbers.h"
#include "text/number_text.h"
#include "text/trimmed_text.h"
#include "text/windows1254_text.h"

namespace vantrel {

std::variant<ConvergenceSettings, std::string> studySettingsFromFields(const StudyFields& fields) {
  const auto from = strictInteger(trimmed(fields.from), INT_MIN, INT_MAX);
  const auto to = strictInteger(trimmed(fields.to), INT_MIN, INT_MAX);
  if (!from || !to) return "The numbers of panels must be whole numbers, such as 10 and 2560.";
  if (auto refused = refusedStudyRange(*from, *to)) return *refused;
  const double alfa = TextToNumber(fields.alfa);
  if (fields.naca) {
    const std::string designation = trimmed(fields.designation);
    if (!nacaAirfoil(designation, 2)) {
      return "\"" + quotedForMessage(designation, 200) +
             "\" is not a NACA 4- or 5-digit designation the generator covers.";
    }
    return ConvergenceSettings{designation, alfa, *from, *to, std::nullopt};
  }
  return ConvergenceSettings{fields.label, alfa, *from, *to, fields.airfoil};
}

std::string studyCaption(bool naca, const std::string& designation, const std::string& label,
                         const ConvergenceStudy* study) {
  std::string text =
      naca ? "NACA " + trimmed(designation) +
                 ": its own mean line, generated afresh at each N; reference for \u03B1_L0 and "
                 "CmAC: thin airfoil theory in closed form"
           : label +
                 ": the main window's mean line, the point-by-point mean of its stations, "
                 "straight between them; reference: the finest run";
  text +=
      ". Numerical integration and the lumped vortex method on N panels, N + 1 stations at "
      "cosine spacing.";
  if (study) text += "\nTable: " + bytesToUtf8(study->airfoilName) + ": " + study->meanLine + ".";
  return text;
}

// The colours are the picture's own legend; this says what is plotted against what.
std::string convergencePlotExplanation() {
  return "|difference from the reference| against N, both scales logarithmic, ticks at 1, 2, "
         "..., 9 times each power of ten; the grey guides fall as N\u207B\u00B9 and N\u207B\u00B2 "
         "(first and second order).";
}

std::vector<std::string> convergenceTableHeaders() {
  std::vector<std::string> headers{"N"};
  for (const char* name : kStudyQuantityNames) {
    headers.push_back(name);
    headers.push_back(std::string("e ") + name);
    headers.push_back(std::string("order ") + name);
  }
  return headers;
}

std::vector<std::vector<std::string>> convergenceTableCells(const ConvergenceStudy& study) {
  const auto significant = [](double value) { return generalText(value, 10); };
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < study.rows.size(); ++i) {
    std::vector<std::string> cells{std::to_string(study.rows[i].N)};
    for (int q = 0; q < kStudyQuantities; ++q) {
      const auto order = study.observedOrder(i, q);
      cells.push_back(significant(study.rows[i].values[q]));
      cells.push_back(significant(study.difference(i, q)));
      cells.push_back(order ? fixedText(*order, 3) : std::string());
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace vantrel
