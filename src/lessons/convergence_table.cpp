#include "lessons/convergence_table.h"

#include <charconv>
#include <cmath>

#include "plot/log_log_plot.h"
#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

// "-0" would read as a difference where there is none.
std::string shortest(double value) {
  if (value == 0.0) value = 0.0;
  return shortestText(value);
}

std::string referenceLine(const ConvergenceStudy& study, int quantity) {
  const std::string name = kStudyQuantityNames[quantity];
  if (study.closedForm[quantity]) {
    return "# reference for " + name + ": thin airfoil theory in closed form, " +
           shortest(study.reference[quantity]) + "\n";
  }
  return "# reference for " + name +
         ": the finest run (N = " + std::to_string(study.rows.back().N) + "), " +
         shortest(study.reference[quantity]) + "\n";
}

std::string header() {
  std::string line = "N";
  for (const char* name : kStudyQuantityNames) {
    line += std::string(",") + name + ",e_" + name + ",order_" + name;
  }
  return line + "\n";
}

std::string row(const ConvergenceStudy& study, std::size_t i) {
  std::string line = std::to_string(study.rows[i].N);
  for (int q = 0; q < kStudyQuantities; ++q) {
    const auto order = study.observedOrder(i, q);
    line += "," + shortest(study.rows[i].values[q]) + "," + shortest(study.difference(i, q)) + "," +
            (order ? shortest(*order) : std::string());
  }
  return line + "\n";
}

}  // namespace

std::string ConvergenceCsv(const ConvergenceStudy& study) {
  std::string out = "# " + bytesToUtf8(study.airfoilName) +
                    ": convergence with N panels (N + 1 stations at cosine spacing)\n";
  out +=
      "# Alfa0 (deg), CmAC: numerical integration; cl, cm4 (about c/4): lumped vortex method at "
      "alfa = " +
      shortest(study.alfa) + " deg\n";
  if (!study.meanLine.empty()) out += "# studied: " + study.meanLine + "\n";
  if (!study.rows.empty()) {
    for (int q = 0; q < kStudyQuantities; ++q) out += referenceLine(study, q);
  }
  out += "# e = value - reference; order = log2(|e(N)| / |e(2N)|)\n";
  if (!study.rows.empty() && !study.closedForm[kStudyQuantities - 1]) {
    out += "# against the finest run an order is given only while |e(2N)| is at least " +
           shortest(kReferenceMargin) + " times the last step, the finest run's own uncertainty\n";
  }
  out += header();
  for (std::size_t i = 0; i < study.rows.size(); ++i) out += row(study, i);
  return out;
}

PictureBox ConvergencePlot(const ConvergenceStudy& study) {
  std::vector<LogLogSeries> series;
  for (int q = 0; q < kStudyQuantities; ++q) {
    LogLogSeries one{{}, {}, kStudyColors[q]};
    for (std::size_t i = 0; i < study.rows.size(); ++i) {
      one.x.push_back(study.rows[i].N);
      one.y.push_back(std::abs(study.difference(i, q)));
    }
    series.push_back(std::move(one));
  }
  return logLogPlot(series);
}

AxesStyle ConvergenceAxesStyle() {
  AxesStyle style{"N", "|e|", false, {}, false, {}, 0.0};
  style.logarithmic = true;
  // Row by row: each method's angle or lift beside its moment, then the guides.
  style.legend = {{"α_L0, numerical integration", kStudyColors[0]},
                  {"cl, lumped vortex", kStudyColors[2]},
                  {"CmAC, numerical integration", kStudyColors[1]},
                  {"cm about c/4, lumped vortex", kStudyColors[3]},
                  {"slopes of first and second order", kGuideColor}};
  style.legendIndent = 0.12;
  return style;
}

}  // namespace vantrel
