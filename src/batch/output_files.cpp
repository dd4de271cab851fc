#include "batch/output_files.h"

#include <system_error>

#include "reports/report_file.h"
#include "text/windows1254_text.h"

namespace vantrel::batch {
namespace {

// A name as a message on standard error shows it: control characters as "?", so a name holding
// an escape sequence cannot drive the terminal.
std::string shownName(const std::filesystem::path& path) {
  return "\"" + quotedForMessage(path.string(), 200) + "\"";
}

// Why `folder` is a link that no folder can be made at: it points nowhere, which creating the
// folder would only report as "File exists".
std::optional<std::string> danglingLink(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(folder, error))) {
    return std::nullopt;
  }
  if (std::filesystem::exists(std::filesystem::status(folder, error))) return std::nullopt;
  const std::filesystem::path target = std::filesystem::read_symlink(folder, error);
  return "it is a symbolic link to " + (error ? std::string("a place") : shownName(target)) +
         ", which does not exist";
}

}  // namespace

std::optional<std::string> makeFolder(const std::filesystem::path& folder) {
  if (auto dangling = danglingLink(folder)) {
    return "could not create " + shownName(folder) + ": " + *dangling;
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "could not create " + shownName(folder) + ": " + error.message();
  return std::nullopt;
}

std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const std::string& text) {
  if (auto reason = replaceFile(path, text)) {
    return "could not write " + shownName(path) + ": " + *reason;
  }
  return std::nullopt;
}

}  // namespace vantrel::batch
