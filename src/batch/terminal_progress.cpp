#include "batch/terminal_progress.h"

#include <unistd.h>

#include <cmath>
#include <string>

namespace vantrel::batch {
namespace {

// Work shorter than this ends before a line would be worth reading.
constexpr std::chrono::milliseconds kQuietStart{300};
constexpr const char* kLinePrefix = "\rqeb-vantrel-batch: working, ";

}  // namespace

bool TerminalProgress::proceed(double fractionDone) {
  if (Clock::now() - actionStart_ < kQuietStart) return true;
  const int percent = static_cast<int>(std::floor(100 * fractionDone));
  if (percent != shownPercent_) {
    shownPercent_ = percent;
    terminal_ << kLinePrefix << percent << "% done" << std::flush;
  }
  return true;
}

void TerminalProgress::startAction() {
  finishAction();
  actionStart_ = Clock::now();
}

void TerminalProgress::finishAction() {
  if (shownPercent_ < 0) return;
  const std::string blank(std::string(kLinePrefix).size() + 8, ' ');
  terminal_ << blank << "\r" << std::flush;
  shownPercent_ = -1;
}

bool standardErrorIsTerminal() {
  return isatty(STDERR_FILENO) == 1;
}

}  // namespace vantrel::batch
