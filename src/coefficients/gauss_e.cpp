#include "coefficients/gauss_e.h"

#include <cstddef>

#include "coefficients/gauss_kernel.h"
#include "language/program_texts.h"

namespace vantrel {
namespace {

// Up to this order the plain loop is as quick as the tiled one and has nothing to set up.
constexpr int kPlainOrderLimit = 32;

// The textbook loop with the quotient row taken once per step: the quotient a(k,j) / a(k,k)
// is the same for every row below, so computing it once changes no bit.
bool eliminatePlain(double* block, std::size_t stride, int order) {
  std::vector<double> quotients(static_cast<std::size_t>(order) + 1);
  const auto row = [&](int index) { return block + static_cast<std::size_t>(index) * stride; };
  for (int k = 0; k < order - 1; ++k) {
    const double* pivotRow = row(k);
    const double pivot = pivotRow[k];
    if (pivot == 0.0) return false;
    for (int j = k; j <= order; ++j) quotients[j] = pivotRow[j] / pivot;
    for (int i = k + 1; i < order; ++i) {
      double* values = row(i);
      const double factor = values[k];
      for (int j = k; j <= order; ++j) values[j] = values[j] - factor * quotients[j];
    }
  }
  return true;
}

// Backward solution in the textbook order (each sum accumulated left to right), so the
// solution is the same to the last bit.
void substituteBackward(int First, int Last, const Matrix& Aug, std::vector<double>& Sol) {
  const int r = Last + 1;
  Sol[Last] = Aug(Last, r) / Aug(Last, Last);
  for (int k = Last; k >= First; --k) {
    double s = 0.0;
    for (int j = k + 1; j <= Last; ++j) s = s + Aug(k, j) * Sol[j];
    Sol[k] = (Aug(k, r) - s) / Aug(k, k);
  }
}

// Remembers whether the progress asked to stop, which the kernel reports like a zero pivot.
class StopRecorder : public Progress {
 public:
  explicit StopRecorder(Progress* progress) : progress_(progress) {}
  bool proceed(double fractionDone) override {
    if (!vantrel::proceed(progress_, fractionDone)) stopped_ = true;
    return !stopped_;
  }
  bool stopped() const { return stopped_; }

 private:
  Progress* progress_;
  bool stopped_ = false;
};

}  // namespace

GaussOutcome GaussEliminate(int First, int Last, Matrix& Aug, std::vector<double>& Sol,
                            Progress* progress) {
  if (Last < First) return GaussOutcome::Empty;
  const int order = Last - First + 1;
  double* block = Aug.rowData(First) + First;
  const auto stride = static_cast<std::size_t>(Aug.columns());
  StopRecorder recorder(progress);
  const bool pivotsNonzero = order <= kPlainOrderLimit
                                 ? eliminatePlain(block, stride, order)
                                 : eliminateBlocked(block, stride, order, &recorder);
  if (recorder.stopped()) return GaussOutcome::Stopped;
  // The last pivot has no row below it, so the loop never tests it; dividing by it would put
  // infinities or NaNs in Sol, so it is refused like the others.
  if (!pivotsNonzero || Aug(Last, Last) == 0.0) return GaussOutcome::ZeroPivot;
  substituteBackward(First, Last, Aug, Sol);
  return GaussOutcome::Solved;
}

GaussOutcome GaussSolve(int First, int Last, Matrix& Aug, std::vector<double>& Sol, Controls& form,
                        Language language, Progress* progress) {
  const GaussOutcome outcome = GaussEliminate(First, Last, Aug, Sol, progress);
  if (outcome == GaussOutcome::ZeroPivot) form.showMessage(textsIn(language).zeroPivotMessage);
  return outcome;
}

}  // namespace vantrel
