#pragma once

namespace vantrel::cr {

// The elementary functions the analysis uses, each computed to about 100 bits and then rounded
// once, so the result is the double nearest the true value. C libraries differ in the last bit of
// a few results (glibc and the browser build's musl do), which would make the page's numbers
// differ from the desktop's; these give the same bits everywhere, and equal glibc's correctly
// rounded results wherever glibc's are.
double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double atan2(double y, double x);
double acos(double x);
double hypot(double x, double y);
// The natural logarithm.
double log(double x);
// x raised to a whole power.
double pow(double x, int n);

// The same values evaluated in full every time, without the cheaper first evaluation that settles
// most of them: for checking that one.
namespace full {
double log(double x);
double atan2(double y, double x);
}  // namespace full

}  // namespace vantrel::cr
