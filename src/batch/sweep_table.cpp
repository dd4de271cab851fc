#include "batch/sweep_table.h"

#include "batch/json_text.h"
#include "text/locale_free_numbers.h"

namespace vantrel::batch {

std::string sweepCsv(const SweepTable& table) {
  std::string out;
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    out += (i > 0 ? "," : "") + table.columns[i];
  }
  out += '\n';
  for (const auto& row : table.rows) {
    for (std::size_t i = 0; i < row.size(); ++i) out += (i > 0 ? "," : "") + shortestText(row[i]);
    out += '\n';
  }
  return out;
}

Json sweepJson(const SweepTable& table) {
  return {{"columns", table.columns}, {"rows", table.rows}};
}

}  // namespace vantrel::batch
