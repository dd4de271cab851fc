#pragma once

#include <string>

#include "state/controls.h"

namespace vantrel {

// What the controls hold when the window opens; the window and HeadlessControls share it.
std::string initialText(TextBox box);
std::string initialCaption(Label label);

}  // namespace vantrel
