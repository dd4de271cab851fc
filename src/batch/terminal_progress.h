#pragma once

#include <chrono>
#include <ostream>

#include "state/progress.h"

namespace vantrel::batch {

// A line on a terminal that counts up while long work runs: shown once an action has run for
// a moment, rewritten in place as the percentage grows, and wiped when the action ends.
class TerminalProgress : public Progress {
 public:
  explicit TerminalProgress(std::ostream& terminal) : terminal_(terminal) {}

  bool proceed(double fractionDone) override;
  // Marks the start of an action; wipes the line of the previous one.
  void startAction();
  void finishAction();

 private:
  using Clock = std::chrono::steady_clock;

  std::ostream& terminal_;
  Clock::time_point actionStart_ = Clock::now();
  int shownPercent_ = -1;
};

// Whether standard error is a terminal a person watches.
bool standardErrorIsTerminal();

}  // namespace vantrel::batch
