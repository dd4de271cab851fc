#include "batch/output_files.h"

#include <system_error>

#include "reports/report_file.h"

namespace vantrel::batch {

std::optional<std::string> makeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "could not create \"" + folder.string() + "\": " + error.message();
  return std::nullopt;
}

std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const std::string& text) {
  if (auto reason = replaceFile(path, text)) {
    return "could not write \"" + path.string() + "\": " + *reason;
  }
  return std::nullopt;
}

}  // namespace vantrel::batch
