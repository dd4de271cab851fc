#include "batch/terminal_progress.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace vantrel::batch {
namespace {

constexpr const char* kLinePrefix = "\rqeb-vantrel-batch: working, ";

}  // namespace

bool TerminalProgress::proceed(double fractionDone) {
  if (Clock::now() - actionStart_ < quietStart_) return true;
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

#ifdef __EMSCRIPTEN__
// The C library of the WebAssembly build calls every standard stream a terminal, pipes and files
// included; node knows what the stream really is.
bool standardErrorIsTerminal() {
  // clang-format off
  return EM_ASM_INT({
    return (typeof process === 'object' && process.stderr && process.stderr.isTTY) ? 1 : 0;
  }) == 1;
  // clang-format on
}
#else
bool standardErrorIsTerminal() {
  return isatty(STDERR_FILENO) == 1;
}
#endif

#ifdef __EMSCRIPTEN__
// The WebAssembly build's environment is its own, not node's: node is asked for the setting.
std::chrono::milliseconds progressQuietStart() {
  // clang-format off
  const int fromNode = EM_ASM_INT({
    const text = (typeof process === 'object' && process.env) ?
        process.env.VANTREL_PROGRESS_DELAY_MS : undefined;
    if (typeof text !== 'string' || !/^[0-9]{1,9}$/.test(text)) return -1;
    return Number(text);
  });
  // clang-format on
  return fromNode >= 0 ? std::chrono::milliseconds(fromNode) : kDefaultQuietStart;
}
#else
std::chrono::milliseconds progressQuietStart() {
  const char* setting = std::getenv("VANTREL_PROGRESS_DELAY_MS");
  if (setting == nullptr || *setting == '\0') return kDefaultQuietStart;
  char* end = nullptr;
  const long milliseconds = std::strtol(setting, &end, 10);
  if (*end != '\0' || milliseconds < 0) return kDefaultQuietStart;
  return std::chrono::milliseconds(milliseconds);
}
#endif

}  // namespace vantrel::batch
