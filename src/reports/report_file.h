#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "reports/locked_file.h"

namespace vantrel {

// Report text: single bytes in Windows-1254, lines ending in CR LF. Callers hand in bytes; the
// few Turkish letters of the fixed texts are written as their code-page bytes ("\xDC" for Ü).
class ReportText {
 public:
  void line(std::string_view bytes = {}) {
    bytes_ += bytes;
    bytes_ += "\r\n";
  }
  void append(const ReportText& other) { bytes_ += other.bytes_; }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// What this run last left in one report, so that an append can tell whether another writer has
// replaced the file since. `written` is false until this run has written the report.
struct ReportVersion {
  bool written = false;
  std::optional<FileIdentity> identity;
  std::string bytes;
};

// Each returns the reason when the file could not be written, nothing on success; on failure the
// file is as it was.
//
// Replaces the file whole: written to a hidden temporary file of its own in the same folder,
// flushed to disk, then renamed into place. A symbolic link of that name is replaced by a regular
// file, never written through. Another writer of the same file waits for this one to finish.
std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> replaceReport(ReportVersion& version, const std::filesystem::path& path,
                                         std::string_view bytes);
// Adds `bytes` at the end, whole or not at all, under an advisory lock on the file. When another
// writer has replaced the file since this run last wrote it, the file becomes this run's version
// with the bytes added, so that one run's blocks never land on another run's report.
std::optional<std::string> appendToReport(ReportVersion& version, const std::filesystem::path& path,
                                          std::string_view bytes);

// "Could not write "Poly5.txt": Permission denied."
std::string reportFailureMessage(const std::filesystem::path& path, const std::string& reason);

}  // namespace vantrel
