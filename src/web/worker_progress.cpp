#include "web/worker_progress.h"

#include <emscripten/emscripten.h>

// The worker sets the module's `onProgress` to post the fraction to the page.
EM_JS(void, vantrel_post_progress, (double fractionDone), {
  if (Module.onProgress) Module.onProgress(fractionDone);
});

namespace vantrel::web {
namespace {

// Often enough for the page's bar to move smoothly, seldom enough to cost the work nothing.
constexpr double kPostIntervalMs = 200;

}  // namespace

bool WorkerProgress::proceed(double fractionDone) {
  const double now = emscripten_get_now();
  if (now - lastPostedMs_ >= kPostIntervalMs) {
    lastPostedMs_ = now;
    vantrel_post_progress(fractionDone);
  }
  return true;
}

}  // namespace vantrel::web
