#include "batch/comparison_table.h"

namespace vantrel::batch {
namespace {

Json jsonRow(const MethodResult& row) {
  Json out = {{"method", row.method}};
  const std::pair<const char*, double> values[] = {
      {"Alfa0", row.Alfa0}, {"CmAC", row.CmAC}, {"CL", row.CL}, {"Cmx", row.Cmx}};
  for (const auto& [name, value] : values) {
    out[name] = row.message ? Json(nullptr) : Json(value);
  }
  out["message"] = row.message ? Json(*row.message) : Json(nullptr);
  out["note"] = row.caution ? Json(*row.caution) : Json(nullptr);
  return out;
}

}  // namespace

std::string comparisonCsv(const MethodComparison& comparison, const std::string& airfoilName) {
  return ComparisonCsv(comparison, airfoilName);
}

Json comparisonJson(const MethodComparison& comparison) {
  Json rows = Json::array();
  for (const MethodResult& row : comparison.rows) rows.push_back(jsonRow(row));
  return {{"alfa", comparison.Alfa}, {"xM", comparison.xM}, {"rows", rows}};
}

}  // namespace vantrel::batch
