#include "input/plain_flap.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "input/camber_line.h"
#include "input/read_data_file.h"
#include "numerics/elementary_functions.h"
#include "text/locale_free_numbers.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

std::string_view withoutBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The whole text must be one number: a flap typed as "0.7x" is more likely a slip than 0.7.
std::optional<double> wholeNumber(std::string_view text) {
  text = withoutBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = parseDoubleChars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string shown(const std::string& text) {
  return "\"" + quotedForMessage(text) + "\"";
}

// "°" is the byte 0xB0 in Windows-1254, the code page of the reports; a name that came as UTF-8
// with letters beyond ASCII keeps to UTF-8, or the window would decode it as the code page.
std::string degreeSign(const std::string& name) {
  const bool beyondAscii =
      std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
  return beyondAscii && bytesToUtf8(name) == name ? "\xC2\xB0" : "\xB0";
}

// A hinge or deflection as the airfoil's name gives it: the text boxes' 15 digits, unless those
// would name another number (a hinge at 0.9999999999999999 is not "at 1").
std::string nameNumber(double value) {
  std::string text = NumberToText(value);
  return TextToNumber(text) == value ? text : shortestText(value);
}

void formCamberLine(AirfoilData& airfoil, double Pi) {
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    airfoil.yC[I] = (airfoil.yU[I] + airfoil.yL[I]) / 2;
    airfoil.Theta[I] = AngleCoordinate(airfoil.xC[I], Pi);
  }
}

}  // namespace

std::variant<PlainFlap, std::string> flapFromText(const std::string& hingeText,
                                                  const std::string& deflectionText) {
  const auto XH = wholeNumber(hingeText);
  if (!XH) return "The hinge position x/c must be a number, not " + shown(hingeText) + ".";
  const auto DEG = wholeNumber(deflectionText);
  if (!DEG) {
    return "The flap deflection must be a number of degrees, not " + shown(deflectionText) + ".";
  }
  if (!(*XH > 0.0 && *XH < 1.0)) {
    return "The hinge must lie inside the chord, at an x/c between 0 and 1; " + NumberToText(*XH) +
           " does not.";
  }
  if (!(std::abs(*DEG) < 90.0)) {
    return "The flap deflection must lie between -90 and 90 degrees; " + NumberToText(*DEG) +
           " does not.";
  }
  return PlainFlap{*XH, *DEG};
}

AirfoilData deflectedAirfoil(const AirfoilData& undeflected, const PlainFlap& flap, double Pi) {
  AirfoilData airfoil = undeflected;
  if (flap.DEG == 0.0) return airfoil;
  const double t = cr::tan(flap.DEG * Pi / 180);
  const auto turned = [&](double x, double y) { return x > flap.XH ? y - (x - flap.XH) * t : y; };
  for (int I = 1; I <= airfoil.NPoint; ++I) {
    airfoil.yU[I] = turned(airfoil.xU[I], airfoil.yU[I]);
    airfoil.yL[I] = turned(airfoil.xL[I], airfoil.yL[I]);
  }
  formCamberLine(airfoil, Pi);
  airfoil.AirfoilName += ", flap " + nameNumber(flap.DEG) + degreeSign(undeflected.AirfoilName) +
                         " at " + nameNumber(flap.XH);
  return airfoil;
}

AirfoilData loadedAirfoil(const Ortak& ortak) {
  AirfoilData airfoil;
  airfoil.AirfoilName = ortak.AirfoilName;
  airfoil.NPoint = ortak.NPoint;
  airfoil.xU = ortak.xU;
  airfoil.yU = ortak.yU;
  airfoil.xL = ortak.xL;
  airfoil.yL = ortak.yL;
  airfoil.xC = ortak.xC;
  airfoil.yC = ortak.yC;
  airfoil.Theta = ortak.Theta;
  return airfoil;
}

bool ApplyPlainFlap(Session& session, const AirfoilData& undeflected, const std::string& hingeText,
                    const std::string& deflectionText) {
  const auto flap = flapFromText(hingeText, deflectionText);
  if (const auto* refusal = std::get_if<std::string>(&flap)) {
    session.form.showMessage(*refusal);
    return false;
  }
  installAirfoil(session,
                 deflectedAirfoil(undeflected, std::get<PlainFlap>(flap), session.ortak.Pi));
  return true;
}

}  // namespace vantrel
