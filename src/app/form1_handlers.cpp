#include "app/form1_handlers.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>
#include <utility>
#include <vector>

#include "coefficients/least_squares.h"
#include "coefficients/numerical.h"
#include "input/plain_flap.h"
#include "input/read_by_file_type.h"
#include "language/program_texts.h"
#include "loads/aero_loads.h"
#include "loads/results_log.h"
#include "numerics/elementary_functions.h"
#include "state/messages.h"
#include "surface/picture_box.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"
#include "vortex/lump_vm.h"

namespace vantrel {
namespace {

constexpr TextBox kResultBoxes[] = {TextBox::Text_Alfa0, TextBox::Text_CmAC, TextBox::Text_CL,
                                    TextBox::Text_Cmx};
constexpr Picture kResultPictures[] = {Picture::Picture_CL, Picture::Picture_Cmx,
                                       Picture::Picture_Load};

// The bar position nearest to a typed value; a value beyond the bar's range puts it at its end.
int nearestPosition(double positionsPerUnit, int offset, int maximum, double value) {
  const double position = value * positionsPerUnit + offset;
  if (std::isnan(position)) return offset;
  return static_cast<int>(std::lround(std::clamp(position, 0.0, double(maximum))));
}

std::string fileNameOf(const std::string& path) {
  return bytesToUtf8(std::filesystem::path(path).filename().string());
}

// The values the computing handlers change; the stations change only by a whole read.
struct ComputedValues {
  double M, A0Camber, Alfa, Alfa0, CmAC, CL, CLMin, CLMax;
  std::vector<double> A;

  static ComputedValues of(const Ortak& ortak) {
    return {ortak.M,  ortak.A0Camber, ortak.Alfa,  ortak.Alfa0, ortak.CmAC,
            ortak.CL, ortak.CLMin,    ortak.CLMax, ortak.A};
  }
  void restore(Ortak& ortak) {
    ortak.M = M;
    ortak.A0Camber = A0Camber;
    ortak.Alfa = Alfa;
    ortak.Alfa0 = Alfa0;
    ortak.CmAC = CmAC;
    ortak.CL = CL;
    ortak.CLMin = CLMin;
    ortak.CLMax = CLMax;
    ortak.A.swap(A);
  }
};

}  // namespace

Form1Handlers::Form1Handlers(Ortak& ortak, Controls& form, std::filesystem::path workDir)
    : session_{ortak, form, std::move(workDir)} {}

Session& Form1Handlers::beginAction() {
  session_.logFailureShown = false;
  return session_;
}

// Memory running out in the middle of an action is one message, and the computed values are
// those from before it.
template <typename Work>
bool Form1Handlers::guarded(Work&& work) {
  ComputedValues before = ComputedValues::of(session_.ortak);
  try {
    return work();
  } catch (const std::bad_alloc&) {
    before.restore(session_.ortak);
    session_.form.showMessage(kOutOfMemoryMessage);
    return false;
  }
}

void Form1Handlers::Form_Load() {
  session_.ortak.Pi = 4.0 * cr::atan(1.0);
  FileLoaded_ = false;
  session_.form.setFrameVisible(Frame::Frame_LeastSquares, false);
  session_.form.setLabelVisible(Label::Lbl_LSQ, false);
  session_.form.setLabelVisible(Label::Lbl_Degree, false);
}

void Form1Handlers::Mn_Airfoil_Click() {
  session_.form.setFrameVisible(Frame::Frame_IOWindow, true);
}

bool Form1Handlers::File1_Click(const std::string& folder, const std::string& fileName) {
  Session& session = beginAction();
  // The separator is always added; a root folder then gives a doubled one, which is accepted.
  const std::string previousFile = std::exchange(
      DataFile_, folder + static_cast<char>(std::filesystem::path::preferred_separator) + fileName);
  const bool wasLoaded = std::exchange(FileLoaded_, false);
  if (!guarded([&] { return readByFileType(session, DataFile_); })) {
    // A failed read changes nothing: the file, the status line and the lessons stay with the
    // airfoil on screen.
    DataFile_ = previousFile;
    FileLoaded_ = wasLoaded;
    return false;
  }
  forgetResults();
  session.form.setFrameVisible(Frame::Frame_IOWindow, false);
  FileLoaded_ = true;
  undeflected_ = loadedAirfoil(session.ortak);
  return true;
}

// The previous airfoil's results must not stay on screen beside the new one, nor its
// coefficients be applied to the new stations by a scroll bar.
void Form1Handlers::forgetResults() {
  Controls& form = session_.form;
  session_.ortak.A.clear();
  for (TextBox box : kResultBoxes) form.setText(box, "");
  for (Picture picture : kResultPictures) form.picture(picture).Cls();
  form.setLabelVisible(Label::Lbl_LSQ, false);
  form.setLabelVisible(Label::Lbl_Degree, false);
  session_.lastVortexResult.reset();
  coefficientsMethod_.clear();
  shownMethod_.clear();
}

void Form1Handlers::Mn_Polynomial_Click() {
  session_.form.setFrameVisible(Frame::Frame_LeastSquares, true);
}

void Form1Handlers::Cmnd_LSQM_Click() {
  Session& session = beginAction();
  Controls& form = session.form;
  form.setFrameVisible(Frame::Frame_LeastSquares, false);
  if (!FileLoaded_) {
    form.showMessage(kOpenAirfoilMessage);
    return;
  }
  const std::string typedText = form.text(TextBox::Text_N);
  const double typed = TextToNumber(typedText);
  const bool capped = typed > 5;
  const double degree = capped ? 5 : typed;
  // "-1e400" reads as the lowest double: the message quotes what was typed, not its 309 digits.
  if (!capped && TextNumberBeyondDoubles(typedText)) {
    form.showMessage(notAWholeDegreeMessage(LeadingNumberText(typedText)));
    return;
  }
  if (auto reason = refusedDegree(session.ortak, degree)) {
    if (capped) form.showMessage(textsIn(session.ortak.language).degreeCapMessage);
    form.showMessage(*reason);
    return;
  }
  // The log is already empty while the user reads the message about the degree.
  emptyResultsLog(session);
  if (capped) form.showMessage(textsIn(session.ortak.language).degreeCapMessage);
  session.ortak.M = degree;
  if (!guarded([&] {
        LSQPolynomial(session);
        return true;
      }))
    return;
  coefficientsMethod_ =
      "Least squares, degree " + NumberToText(degree) +
      (form.isSelected(Option::Opt_WithEnd) ? ", with end conditions" : ", without end conditions");
  resultsFromCoefficients();
}

void Form1Handlers::resultsFromCoefficients() {
  if (!guarded([&] {
        CalcAeroLoads(session_);
        return true;
      }))
    return;
  shownMethod_ = coefficientsMethod_;
  alfaInUse_ = NumberToText(session_.ortak.Alfa);
  xMInUse_ = NumberToText(TextToNumber(session_.form.text(TextBox::Text_xM)));
}

void Form1Handlers::HScroll_Alfa_Change(int value) {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return;
  }
  const double v = static_cast<double>(value - 100) / 10;
  session.form.setText(TextBox::Text_Alfa, NumberToText(v));
  computeAtTypedAlfa();
}

void Form1Handlers::computeAtTypedAlfa() {
  if (!haveCoefficients()) return;
  const bool replacesVortexResults = shownMethod_ != coefficientsMethod_;
  resultsFromCoefficients();
  if (replacesVortexResults) {
    shownMethod_ +=
        " (α changed after the lumped vortex method: recomputed from these Fourier "
        "coefficients)";
  }
}

void Form1Handlers::HScroll_xM_Change(int value) {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return;
  }
  const double v = static_cast<double>(value) / 100;
  session.form.setText(TextBox::Text_xM, NumberToText(v));
  if (!haveCoefficients()) return;
  if (!guarded([&] {
        MomentCurve(session);
        return true;
      }))
    return;
  xMInUse_ = NumberToText(v);
}

int Form1Handlers::Text_Alfa_Enter() {
  Session& session = beginAction();
  const double typed = TextToNumber(session.form.text(TextBox::Text_Alfa));
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
  } else {
    session.form.setText(TextBox::Text_Alfa, NumberToText(typed));
    computeAtTypedAlfa();
  }
  return nearestPosition(10, 100, 200, typed);
}

int Form1Handlers::Text_xM_Enter() {
  Session& session = beginAction();
  const double typed = TextToNumber(session.form.text(TextBox::Text_xM));
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
  } else {
    session.form.setText(TextBox::Text_xM, NumberToText(typed));
    if (haveCoefficients()) {
      if (guarded([&] {
            MomentCurve(session);
            return true;
          }))
        xMInUse_ = NumberToText(typed);
    }
  }
  return nearestPosition(100, 0, 100, typed);
}

void Form1Handlers::Mn_Numerical_Click() {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return;
  }
  if (!guarded([&] { return NumericalFourier(session); })) return;
  coefficientsMethod_ =
      "Numerical integration, " + std::to_string(session.ortak.NPoint) + " stations";
  resultsFromCoefficients();
}

bool Form1Handlers::Mn_LumpVM_Click() {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return true;
  }
  VortexRun run = VortexRun::Refused;
  guarded([&] {
    run = LumpedVortex(session);
    return true;
  });
  if (run == VortexRun::Done) {
    shownMethod_ = "Lumped vortex, " + NumberToText(session.ortak.M) +
                   " panels: CL and the moment about the quarter chord";
    if (!coefficientsMethod_.empty()) shownMethod_ += "; α₀ and Cmx from " + coefficientsMethod_;
    alfaInUse_ = NumberToText(TextToNumber(session.form.text(TextBox::Text_Alfa)));
  }
  return run != VortexRun::Stopped;
}

// The method and the values in use come first: where the line is cut, the airfoil goes.
std::string Form1Handlers::statusLine() const {
  if (!FileLoaded_) return "No airfoil read yet";
  const Ortak& ortak = session_.ortak;
  const std::string airfoil = bytesToUtf8(ortak.AirfoilName) + " (" + fileNameOf(DataFile_) +
                              "), " + std::to_string(ortak.NPoint) + " stations";
  if (shownMethod_.empty()) return "No results yet  |  " + airfoil;
  std::string line = shownMethod_ + "  |  α = " + alfaInUse_ + "°";
  if (!coefficientsMethod_.empty()) line += ", xM/c = " + xMInUse_;
  return line + "  |  " + airfoil;
}

bool Form1Handlers::Cmnd_FlapApply_Click(const std::string& hingeText,
                                         const std::string& deflectionText) {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return false;
  }
  if (!guarded([&] { return ApplyPlainFlap(session, undeflected_, hingeText, deflectionText); }))
    return false;
  forgetResults();  // the flapped section is a new airfoil: the unflapped results must go
  return true;
}

}  // namespace vantrel
