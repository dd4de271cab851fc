#pragma once

#include <optional>
#include <string>
#include <variant>

#include "input/nca_parser.h"
#include "state/session.h"

namespace vantrel {

// A plain flap as thin airfoil theory models it: the section aft of the hinge XH (x/c) turns
// through DEG degrees, positive trailing edge down. Every point with x > XH moves to
// y − (x − XH)·tan(DEG), x unchanged, on both surfaces and hence on the camber line; angles stay
// measured from the undeflected chord.
struct PlainFlap {
  double XH = 0.0;
  double DEG = 0.0;
};

// The flap the user typed, or why it is refused: a text that is not a number, a hinge outside
// (0, 1), a deflection of 90 degrees or more either way.
std::variant<PlainFlap, std::string> flapFromText(const std::string& hingeText,
                                                  const std::string& deflectionText);

// The undeflected airfoil with the flap turned: name "NAME, flap DEG° at XH" (the degree sign in
// the encoding the name already has), the camber line and its angle coordinate formed anew.
// A deflection of 0 gives the undeflected airfoil back, name and all.
AirfoilData deflectedAirfoil(const AirfoilData& undeflected, const PlainFlap& flap, double Pi);

// Applies a flap to the undeflected stations and loads the result as a newly read airfoil (plots
// and coordinate report included). On a refusal it shows the message and changes nothing.
bool ApplyPlainFlap(Session& session, const AirfoilData& undeflected, const std::string& hingeText,
                    const std::string& deflectionText);

// The stations of the loaded airfoil, to which later flaps are applied.
AirfoilData loadedAirfoil(const Ortak& ortak);

}  // namespace vantrel
