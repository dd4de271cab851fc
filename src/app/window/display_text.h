#pragma once

#include <QString>
#include <string>

namespace vantrel {

// Texts from the core are UTF-8, but an airfoil's name comes from its file as it stands, often in
// the Turkish Windows code page; such bytes are decoded as that code page instead of being lost.
QString displayText(const std::string& text);

}  // namespace vantrel
