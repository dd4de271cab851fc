#include "batch/comparison_table.h"

#include "text/locale_free_numbers.h"
#include "text/windows1254_text.h"

namespace vantrel::batch {
namespace {

// A CSV field in double quotes, its own quotes doubled.
std::string quoted(const std::string& text) {
  std::string field = "\"";
  for (char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + "\"";
}

std::string csvRow(const MethodResult& row) {
  std::string line = quoted(row.method);
  for (double value : {row.Alfa0, row.CmAC, row.CL, row.Cmx}) {
    line += "," + (row.message ? std::string() : shortestText(value));
  }
  return line + "," + (row.message ? quoted(*row.message) : std::string()) + "\n";
}

Json jsonRow(const MethodResult& row) {
  Json out = {{"method", row.method}};
  const std::pair<const char*, double> values[] = {
      {"Alfa0", row.Alfa0}, {"CmAC", row.CmAC}, {"CL", row.CL}, {"Cmx", row.Cmx}};
  for (const auto& [name, value] : values) {
    out[name] = row.message ? Json(nullptr) : Json(value);
  }
  out["message"] = row.message ? Json(*row.message) : Json(nullptr);
  return out;
}

}  // namespace

std::string comparisonCsv(const MethodComparison& comparison, const std::string& airfoilName) {
  std::string out = "# " + bytesToUtf8(airfoilName) +
                    ": every method at alfa = " + shortestText(comparison.Alfa) + " deg\n";
  out += "# Alfa0 in degrees; CmAC about the quarter chord; Cmx about xM = " +
         shortestText(comparison.xM) + "\n";
  out += "method,Alfa0,CmAC,CL,Cmx,message\n";
  for (const MethodResult& row : comparison.rows) out += csvRow(row);
  return out;
}

Json comparisonJson(const MethodComparison& comparison) {
  Json rows = Json::array();
  for (const MethodResult& row : comparison.rows) rows.push_back(jsonRow(row));
  return {{"alfa", comparison.Alfa}, {"xM", comparison.xM}, {"rows", rows}};
}

}  // namespace vantrel::batch
