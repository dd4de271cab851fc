#pragma once

#include <string>

#include "lessons/convergence_study.h"
#include "plot/axes_layer.h"
#include "surface/picture_box.h"

namespace vantrel {

// The study as CSV: comment lines ("# ...") naming the airfoil, the methods and the reference of
// each quantity, a header row, then one row per N: N, and for each quantity its value, its
// difference e from the reference and the observed order log2(e(N)/e(2N)) (empty where there is
// none). Full precision, a point as decimal separator, "\n" line ends, UTF-8.
std::string ConvergenceCsv(const ConvergenceStudy& study);

// |e| against N on log-log axes, one colour per quantity (kStudyColors), with first- and
// second-order guides. A difference of zero (the finest run, when it is the reference) is left out.
PictureBox ConvergencePlot(const ConvergenceStudy& study);

// The plot's values (powers of ten), its titles and its legend, for every picture made of it.
AxesStyle ConvergenceAxesStyle();

inline constexpr Rgb kStudyColors[kStudyQuantities] = {
    {220, 0, 0}, {0, 0, 220}, {0, 150, 0}, {200, 0, 200}};

}  // namespace vantrel
