#pragma once

#include <vector>

#include "coefficients/gauss_e.h"

// The textbook elimination exactly as first written: the reference every faster loop order of
// the solver must match bit for bit.
namespace vantrel::literal_gauss {

// Forward elimination alone, the pivot tested inside the two inner loops. Returns false at a
// zero pivot, leaving Aug as it stands at that moment.
inline bool eliminateForward(int First, int Last, Matrix& Aug) {
  const int r = Last + 1;
  for (int k = First; k <= Last; ++k) {
    for (int i = k + 1; i <= Last; ++i) {
      const double f = Aug(i, k);
      for (int j = k; j <= r; ++j) {
        if (Aug(k, k) == 0.0) return false;
        Aug(i, j) = Aug(i, j) - f * (Aug(k, j) / Aug(k, k));
      }
    }
  }
  return true;
}

// The whole solver: an empty system and a zero last pivot leave Sol alone, as the program does.
inline GaussOutcome solve(int First, int Last, Matrix& Aug, std::vector<double>& Sol) {
  if (Last < First) return GaussOutcome::Empty;
  if (!eliminateForward(First, Last, Aug)) return GaussOutcome::ZeroPivot;
  if (Aug(Last, Last) == 0.0) return GaussOutcome::ZeroPivot;
  const int r = Last + 1;
  Sol[Last] = Aug(Last, r) / Aug(Last, Last);
  for (int k = Last; k >= First; --k) {
    double s = 0.0;
    for (int j = k + 1; j <= Last; ++j) s = s + Aug(k, j) * Sol[j];
    Sol[k] = (Aug(k, r) - s) / Aug(k, k);
  }
  return GaussOutcome::Solved;
}

}  // namespace vantrel::literal_gauss
