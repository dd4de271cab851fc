#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantrel::batch {

// Each returns why it failed, nothing on success. A file is replaced whole, never written
// through a symbolic link of its name.
std::optional<std::string> makeFolder(const std::filesystem::path& folder);
std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const std::string& text);

}  // namespace vantrel::batch
