#include "survey/airfoil_family.h"

#include <exception>
#include <filesystem>
#include <variant>

#include "numerics/elementary_functions.h"
#include "text/trimmed_text.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

// The name as read; a file whose name item is blank is known by its file name.
std::string labelOf(const std::string& source, const std::string& airfoilName) {
  const std::string name = trimmed(airfoilName);
  if (!name.empty()) return bytesToUtf8(name);
  const std::string file = std::filesystem::path(source).filename().string();
  return bytesToUtf8(file.empty() ? source : file);
}

AirfoilRow failedRow(const std::string& source, std::string message) {
  AirfoilRow row;
  row.source = source;
  row.message = std::move(message);
  return row;
}

}  // namespace

std::optional<std::string> AirfoilFamily::refusal(const std::string& source) const {
  if (members_.size() >= kFamilyMost) {
    return "Compare Airfoils holds " + std::to_string(kFamilyMost) +
           " airfoils at most: remove one first.";
  }
  if (trimmed(source).empty()) return "Type a NACA designation, such as 2412, or choose a file.";
  for (const FamilyMember& member : members_) {
    if (member.source == source) {
      return "\"" + quotedForMessage(source, 200) + "\" is in the list already.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> AirfoilFamily::add(const std::string& source) {
  if (auto refused = refusal(source)) return refused;
  FamilyMember member{source, {}, std::nullopt, {}};
  try {
    auto read = readAirfoilSource(source, 4.0 * cr::atan(1.0));
    if (auto* message = std::get_if<std::string>(&read)) {
      member.message = std::move(*message);
    } else {
      member.airfoil = std::get<AirfoilData>(std::move(read));
    }
  } catch (const std::exception& failure) {
    member.message = "Cannot read \"" + quotedForMessage(source, 200) + "\": " + failure.what() + ".";
  }
  member.label = labelOf(source, member.airfoil ? member.airfoil->AirfoilName : std::string());
  members_.push_back(std::move(member));
  return std::nullopt;
}

std::optional<std::string> AirfoilFamily::addAirfoil(const AirfoilData& airfoil,
                                                     const std::string& source) {
  if (auto refused = refusal(source)) return refused;
  members_.push_back({source, labelOf(source, airfoil.AirfoilName), airfoil, {}});
  return std::nullopt;
}

void AirfoilFamily::remove(std::size_t index) {
  if (index < members_.size()) members_.erase(members_.begin() + static_cast<long>(index));
}

std::vector<AirfoilRow> AirfoilFamily::rows(double alfa) const {
  std::vector<AirfoilRow> rows;
  for (const FamilyMember& member : members_) {
    if (!member.airfoil) {
      rows.push_back(failedRow(member.source, member.message));
      continue;
    }
    try {
      rows.push_back(airfoilRowOf(*member.airfoil, member.source, alfa));
    } catch (const std::exception& failure) {
      rows.push_back(failedRow(member.source, "Cannot compute \"" +
                                                  quotedForMessage(member.source, 200) +
                                                  "\": " + failure.what() + "."));
    }
  }
  return rows;
}

}  // namespace vantrel
