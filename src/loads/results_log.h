#pragma once

#include "reports/report_file.h"
#include "state/session.h"

namespace vantrel {

// The results log "Poly5.txt": emptied only by "CALCULATE", appended block by block by every
// writer, never held open. A file that cannot be written is reported once per user action; the
// values and plots do not depend on it.
void emptyResultsLog(Session& session);
void appendToResultsLog(Session& session, const ReportText& block);

}  // namespace vantrel
