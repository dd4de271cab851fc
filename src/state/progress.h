#pragma once

#include <algorithm>

namespace vantrel {

// How long work tells whoever started it how far it has come, and learns whether to go on.
// The window answers with a progress dialog and its Cancel button, the batch tool with a line on
// a terminal; work run without one (a null pointer) simply runs to the end.
class Progress {
 public:
  virtual ~Progress() = default;
  // `fractionDone` runs from 0 to 1. Returns false once the user has asked to stop: the work then
  // returns at once, before it has changed anything the user can see.
  virtual bool proceed(double fractionDone) = 0;
};

// A stretch of a longer piece of work: its own fractions 0..1 are reported as from..to of the
// whole, so a step need not know what runs before or after it.
class ProgressSpan : public Progress {
 public:
  ProgressSpan(Progress* whole, double from, double to) : whole_(whole), from_(from), to_(to) {}
  bool proceed(double fractionDone) override {
    if (!whole_) return true;
    return whole_->proceed(from_ + (to_ - from_) * std::clamp(fractionDone, 0.0, 1.0));
  }

 private:
  Progress* whole_;
  double from_;
  double to_;
};

// Asks `progress`, when there is one.
inline bool proceed(Progress* progress, double fractionDone) {
  return progress == nullptr || progress->proceed(fractionDone);
}

}  // namespace vantrel
