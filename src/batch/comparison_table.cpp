#include "batch/comparison_table.h"

#include "app/name_text.h"
#include "batch/json_writer.h"
#include "batch/number_format.h"

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

std::string jsonRow(const MethodResult& row) {
  std::string out = "{\"method\": " + jsonString(row.method);
  const std::pair<const char*, double> values[] = {
      {"Alfa0", row.Alfa0}, {"CmAC", row.CmAC}, {"CL", row.CL}, {"Cmx", row.Cmx}};
  for (const auto& [name, value] : values) {
    out += std::string(", \"") + name + "\": " + (row.message ? "null" : jsonNumber(value));
  }
  return out + ", \"message\": " + (row.message ? jsonString(*row.message) : "null") + "}";
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

std::string comparisonJson(const MethodComparison& comparison) {
  std::string out = "{\"alfa\": " + jsonNumber(comparison.Alfa) +
                    ", \"xM\": " + jsonNumber(comparison.xM) + ", \"rows\": [";
  for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
    out += (i > 0 ? ", " : "") + jsonRow(comparison.rows[i]);
  }
  return out + "]}";
}

}  // namespace vantrel::batch
