#include "vortex/vortex_report.h"

#include <string>

#include "text/number_text.h"

namespace vantrel {
namespace {

std::string value(double number) {
  return FormatPattern(number, "##0.###0");
}
std::string index(int I) {
  return FormatPattern(I, "###");
}

}  // namespace

ReportText panelBlock(const Ortak& ortak, const VortexPanels& panels) {
  ReportText block;
  block.line(" Camber line and panel properties");
  block.line();
  block.line("  I   xP(I)   yP(I)   xV(I)   yV(I)   xC(I)   yC(I)   ds(I)   CosP(I) SinP(I)");
  block.line();
  for (int I = 1; I <= panels.M; ++I) {
    std::string row = index(I) + "   ";
    for (double column : {ortak.xC[I], ortak.yC[I], panels.xV[I], panels.yV[I], panels.xCP[I],
                          panels.yCP[I], panels.ds[I], panels.CosP[I], panels.SinP[I]}) {
      row += value(column) + "   ";
    }
    block.line(row);
  }
  return block;
}

ReportText influenceBlock(const Matrix& K, const std::vector<double>& R, int M, Language language) {
  ReportText block;
  block.line(textsIn(language).influenceMatrixTitle);
  for (int I = 1; I <= M; ++I) {
    std::string row;
    for (int J = 1; J <= M; ++J) row += value(K(I, J)) + "   ";
    block.line(row + value(R[I]));
  }
  return block;
}

ReportText strengthBlock(const std::vector<double>& R, int M, Language language) {
  ReportText block;
  block.line(textsIn(language).vortexStrengthTitle);
  for (int I = 1; I <= M; ++I) block.line(index(I) + "   " + value(R[I]));
  return block;
}

void appendToCoordinateReport(Session& session, const ReportText& block) {
  if (!session.writesReports) return;
  const auto path = session.reportPath(kCoordinateReport);
  if (auto error = appendToReport(session.reportVersion(kCoordinateReport), path, block.bytes())) {
    if (session.logFailureShown) return;
    session.logFailureShown = true;
    session.form.showMessage(reportFailureMessage(path, *error));
  }
}

}  // namespace vantrel
