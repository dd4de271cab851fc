#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "input/nca_parser.h"
#include "survey/airfoil_table.h"

namespace vantrel {

// Compare Airfoils holds this many airfoils at most, and compares from two on.
inline constexpr std::size_t kFamilyLeast = 2;
inline constexpr std::size_t kFamilyMost = 8;

// One airfoil of the list: read when it was added, or why it could not be.
struct FamilyMember {
  std::string source;  // a path or a designation, as the table's source column gives it
  std::string label;   // UTF-8: the name as read, else the file's name; the list and legends show it
  std::optional<AirfoilData> airfoil;
  std::string message;  // why it could not be read, when it could not
};

// The airfoils of Compare Airfoils, in the order they were added, and their table. A source that
// cannot be read stays in the list with its message, so its row says why and the others stay.
class AirfoilFamily {
 public:
  // Reads a .nca or .dat file or a NACA designation. Refused with a message, the list unchanged,
  // when the list is full, the text is empty or the source is in the list already.
  std::optional<std::string> add(const std::string& source);
  // An airfoil already read, as it stands (the airfoil on screen, a flap included).
  std::optional<std::string> addAirfoil(const AirfoilData& airfoil, const std::string& source);
  // Out of range does nothing.
  void remove(std::size_t index);
  void clear() { members_.clear(); }

  const std::vector<FamilyMember>& members() const { return members_; }
  // One row per member at `alfa` degrees, in the list's order; each equals the survey's row of
  // the same source. Never throws for one member: its row says what went wrong.
  std::vector<AirfoilRow> rows(double alfa) const;

 private:
  std::optional<std::string> refusal(const std::string& source) const;

  std::vector<FamilyMember> members_;
};

}  // namespace vantrel
