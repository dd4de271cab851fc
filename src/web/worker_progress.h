#pragma once

#include "state/progress.h"

namespace vantrel::web {

// The core's progress passed on to the page a few times a second, through the module's
// `onProgress` callback (the worker posts it to the page). A handler's call cannot hear the page
// while it runs, so this never asks the work to stop: the page's Cancel ends the worker instead.
class WorkerProgress : public Progress {
 public:
  bool proceed(double fractionDone) override;

 private:
  double lastPostedMs_ = 0;
};

}  // namespace vantrel::web
