#pragma once

#include <string>

namespace vantrel::batch {

// The shortest text that reads back as the same value ("0.1", "-2.0756", "1e-05"), with a point
// whatever the locale. Non-finite values give "nan", "inf" or "-inf".
std::string shortestText(double value);
// For single-precision values (the coordinates of the display lists): reads back as the same
// float, without the noise digits of its double widening.
std::string shortestText(float value);

}  // namespace vantrel::batch
