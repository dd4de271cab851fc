#pragma once

#include <chrono>
#include <ostream>

#include "state/progress.h"

namespace vantrel::batch {

// A line on a terminal that counts up while long work runs: shown once an action has run for
// a moment, rewritten in place as the percentage grows, and wiped when the action ends.
class TerminalProgress : public Progress {
 public:
  TerminalProgress(std::ostream& terminal, std::chrono::milliseconds quietStart)
      : terminal_(terminal), quietStart_(quietStart) {}

  bool proceed(double fractionDone) override;
  // Marks the start of an action; wipes the line of the previous one.
  void startAction();
  void finishAction();

 private:
  using Clock = std::chrono::steady_clock;

  std::ostream& terminal_;
  std::chrono::milliseconds quietStart_;
  Clock::time_point actionStart_ = Clock::now();
  int shownPercent_ = -1;
};

// Work shorter than this ends before a progress line would be worth reading.
constexpr std::chrono::milliseconds kDefaultQuietStart{300};

// Whether standard error is a terminal a person watches.
bool standardErrorIsTerminal();

// How long an action runs before its progress line shows: VANTREL_PROGRESS_DELAY_MS when it
// holds a whole number of milliseconds, else the default.
std::chrono::milliseconds progressQuietStart();

}  // namespace vantrel::batch
