#include "input/coordinate_report.h"

#include <algorithm>

#include "language/program_texts.h"
#include "reports/report_file.h"
#include "text/number_text.h"

namespace vantrel {
namespace {

constexpr const char* kNumberPattern = "#0.####0";

// Stations that every array really holds, so a state out of step is never read past its end.
int stationsHeld(const Ortak& ortak) {
  const std::size_t shortest = std::min({ortak.xU.size(), ortak.yU.size(), ortak.xL.size(),
                                         ortak.yL.size(), ortak.xC.size(), ortak.yC.size()});
  const int held = shortest == 0 ? 0 : static_cast<int>(shortest - 1);
  return std::clamp(ortak.NPoint, 0, held);
}

std::string stationRow(const Ortak& ortak, int I) {
  std::string row = FormatPattern(I, "###") + "  ";
  for (const auto* array : {&ortak.xU, &ortak.yU, &ortak.xL, &ortak.yL, &ortak.xC}) {
    row += FormatPattern((*array)[I], kNumberPattern) + "  ";
  }
  row += FormatPattern(ortak.yC[I], kNumberPattern);
  return row;
}

}  // namespace

std::string CoordinateReport(const Ortak& ortak) {
  ReportText report;
  report.line(ortak.AirfoilName);
  report.line();
  report.line(textsIn(ortak.language).coordinateColumns);
  report.line();
  const int stations = stationsHeld(ortak);
  for (int I = 1; I <= stations; ++I) report.line(stationRow(ortak, I));
  return report.bytes();
}

}  // namespace vantrel
