#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Report text: single bytes in Windows-1254, lines ending in CR LF. Callers hand in bytes; the
// few Turkish letters of the fixed texts are written as their code-page bytes ("\xDC" for Ü).
class ReportText {
 public:
  void line(std::string_view bytes = {}) {
    bytes_ += bytes;
    bytes_ += "\r\n";
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Each returns the reason when the file could not be written, nothing on success.
// Replaces the file whole: written to a temporary file in the same folder, then renamed.
std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> appendToFile(const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> emptyFile(const std::filesystem::path& path);

// "Could not write "Poly5.txt": Permission denied."
std::string reportFailureMessage(const std::filesystem::path& path, const std::string& reason);

}  // namespace vantrel
