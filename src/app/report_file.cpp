#include "app/report_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace vantrel {
namespace {

std::string lastErrorText() {
  return std::strerror(errno);
}

std::optional<std::string> writeAndClose(std::FILE* file, std::string_view bytes) {
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const std::string writeError = written ? "" : lastErrorText();
  const bool closed = std::fclose(file) == 0;
  if (!written) return writeError;
  if (!closed) return lastErrorText();
  return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return lastErrorText();
  if (auto error = writeAndClose(file, bytes)) {
    std::remove(temporary.c_str());
    return error;
  }
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::remove(temporary.c_str());
    return renameError.message();
  }
  return std::nullopt;
}

std::optional<std::string> appendToFile(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return lastErrorText();
  return writeAndClose(file, bytes);
}

std::optional<std::string> emptyFile(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return lastErrorText();
  return writeAndClose(file, {});
}

std::string reportFailureMessage(const std::filesystem::path& path, const std::string& reason) {
  return "Could not write \"" + path.filename().string() + "\": " + reason + ".";
}

}  // namespace vantrel
