#include "batch/output_files.h"

#include <fstream>
#include <system_error>

namespace vantrel::batch {

std::optional<std::string> makeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "could not create \"" + folder.string() + "\": " + error.message();
  return std::nullopt;
}

std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) return "could not write \"" + path.string() + "\"";
  return std::nullopt;
}

}  // namespace vantrel::batch
