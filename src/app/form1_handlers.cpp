#include "app/form1_handlers.h"

#include <cmath>
#include <filesystem>
#include <new>
#include <vector>

#include "app/messages.h"
#include "app/text_rules.h"
#include "coefficients/least_squares.h"
#include "coefficients/numerical.h"
#include "input/read_by_file_type.h"
#include "loads/aero_loads.h"
#include "loads/results_log.h"
#include "vortex/lump_vm.h"

namespace vantrel {

Form1Handlers::Form1Handlers(Ortak& ortak, Controls& form, std::filesystem::path workDir)
    : session_{ortak, form, std::move(workDir)} {}

namespace {

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

Session& Form1Handlers::beginAction() {
  session_.logFailureShown = false;
  return session_;
}

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
  session_.ortak.Pi = 4.0 * std::atan(1.0);
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
  DataFile_ = folder + static_cast<char>(std::filesystem::path::preferred_separator) + fileName;
  const bool wasLoaded = FileLoaded_;
  FileLoaded_ = false;
  const bool read = guarded([&] { return ReadAirfoilFile(session, DataFile_); });
  if (!read) {
    FileLoaded_ = wasLoaded;  // the previous airfoil is still there
    return false;
  }
  session.form.setFrameVisible(Frame::Frame_IOWindow, false);
  FileLoaded_ = true;
  return true;
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
  guarded([&] {
    const double typed = TextToNumber(form.text(TextBox::Text_N));
    const bool capped = typed > 5;
    const double degree = capped ? 5 : typed;
    if (auto reason = refusedDegree(session.ortak, degree)) {
      if (capped) form.showMessage(kDegreeCapMessage);
      form.showMessage(*reason);
      return false;
    }
    // The log is already empty while the user reads the message about the degree.
    emptyResultsLog(session);
    if (capped) form.showMessage(kDegreeCapMessage);
    session.ortak.M = degree;
    LSQPolynomial(session);
    CalcAeroLoads(session);
    return true;
  });
}

void Form1Handlers::HScroll_Alfa_Change(int value) {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return;
  }
  const double v = static_cast<double>(value - 100) / 10;
  session.form.setText(TextBox::Text_Alfa, NumberToText(v));
  if (!haveCoefficients()) return;
  guarded([&] {
    CalcAeroLoads(session);
    return true;
  });
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
  guarded([&] {
    MomentCurve(session);
    return true;
  });
}

void Form1Handlers::Mn_Numerical_Click() {
  Session& session = beginAction();
  guarded([&] {
    if (NumericalFourier(session)) CalcAeroLoads(session);
    return true;
  });
}

void Form1Handlers::Mn_LumpVM_Click() {
  Session& session = beginAction();
  if (!FileLoaded_) {
    session.form.showMessage(kOpenAirfoilMessage);
    return;
  }
  guarded([&] {
    LumpedVortex(session);
    return true;
  });
}

}  // namespace vantrel
