#pragma once

#include <string>
#include <vector>

#include "state/headless_controls.h"

namespace vantrel::web {

// The page's controls as the core sees them. The page lives in another thread (the module runs
// in a worker), so every control's state is kept here and sent to the page after each action;
// a message is queued and the page shows it in its modal dialog, in order.
class PageControls : public HeadlessControls {
 public:
  void showMessage(const std::string& message) override;
  // The messages since the last call, oldest first.
  std::vector<std::string> takeMessages();

 private:
  std::vector<std::string> pending_;
};

}  // namespace vantrel::web
