#pragma once

#include <vector>

#include "coefficients/gauss_e.h"
#include "language/program_texts.h"
#include "reports/report_file.h"
#include "state/ortak.h"
#include "state/session.h"
#include "vortex/vortex_panels.h"

namespace vantrel {

// The three blocks the lumped vortex method appends to the coordinate report "Vantrel.txt".
// Panel start points are the camber stations; K and R are indexed from 1.
ReportText panelBlock(const Ortak& ortak, const VortexPanels& panels);
ReportText influenceBlock(const Matrix& K, const std::vector<double>& R, int M, Language language);
ReportText strengthBlock(const std::vector<double>& R, int M, Language language);

// Appends one block; a file that cannot be written is reported once per user action, and the
// results on screen do not depend on it.
void appendToCoordinateReport(Session& session, const ReportText& block);

}  // namespace vantrel
