#include "coefficients/gauss_e.h"

#include "app/initial_state.h"

namespace vantrel {

GaussOutcome GaussEliminate(int First, int Last, Matrix& Aug, std::vector<double>& Sol) {
  if (Last < First) return GaussOutcome::Empty;
  const int r = Last + 1;
  for (int k = First; k <= Last; ++k) {
    for (int i = k + 1; i <= Last; ++i) {
      const double f = Aug(i, k);
      for (int j = k; j <= r; ++j) {
        if (Aug(k, k) == 0.0) return GaussOutcome::ZeroPivot;
        Aug(i, j) = Aug(i, j) - f * (Aug(k, j) / Aug(k, k));
      }
    }
  }
  if (Aug(Last, Last) == 0.0) return GaussOutcome::ZeroPivot;
  Sol[Last] = Aug(Last, r) / Aug(Last, Last);
  for (int k = Last; k >= First; --k) {
    double s = 0.0;
    for (int j = k + 1; j <= Last; ++j) s = s + Aug(k, j) * Sol[j];
    Sol[k] = (Aug(k, r) - s) / Aug(k, k);
  }
  return GaussOutcome::Solved;
}

GaussOutcome GaussSolve(int First, int Last, Matrix& Aug, std::vector<double>& Sol,
                        Controls& form) {
  const GaussOutcome outcome = GaussEliminate(First, Last, Aug, Sol);
  if (outcome == GaussOutcome::ZeroPivot) form.showMessage(kZeroPivotMessage);
  return outcome;
}

}  // namespace vantrel
