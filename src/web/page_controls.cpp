#include "web/page_controls.h"

#include <utility>

namespace vantrel::web {

void PageControls::showMessage(const std::string& message) {
  HeadlessControls::showMessage(message);
  pending_.push_back(message);
}

std::vector<std::string> PageControls::takeMessages() {
  return std::exchange(pending_, {});
}

}  // namespace vantrel::web
