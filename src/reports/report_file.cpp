#include "reports/report_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <variant>

#include "reports/temporary_file.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

struct Written {
  FileIdentity identity;
};
using WriteResult = std::variant<Written, std::string>;

std::filesystem::path folderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A rename is only as durable as the folder entry that records it.
void flushFolder(const std::filesystem::path& path) {
  Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.isOpen()) ::fsync(folder.get());
}

// Writes the new version beside the file and renames it over whatever has the name. The caller
// holds the lock on the file being replaced, if there is one.
WriteResult renameNewVersionIntoPlace(const std::filesystem::path& path, std::string_view bytes) {
  removeStaleTemporaries(path);
  auto created = createTemporaryFor(path);
  if (auto* failed = std::get_if<OpenFailure>(&created)) return failed->reason;
  TemporaryFile& temporary = std::get<TemporaryFile>(created);
  int error = writeAll(temporary.file.get(), bytes);
  if (error == 0 && ::fsync(temporary.file.get()) != 0) error = errno;
  const auto identity = identityOf(temporary.file.get());
  if (error == 0 && !identity) error = errno;
  if (error == 0 && ::rename(temporary.path.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.path.c_str());
    return systemReason(error);
  }
  flushFolder(path);
  return Written{*identity};
}

WriteResult replaceLocked(const std::filesystem::path& path, std::string_view bytes) {
  // The lock only keeps other writers of this file waiting; a file this run may not read is
  // still replaced, as the folder allows.
  LockedOpen current = openLocked(path, O_RDONLY);
  if (auto* failed = std::get_if<OpenFailure>(&current)) {
    if (failed->reason != systemReason(EACCES)) return failed->reason;
  }
  return renameNewVersionIntoPlace(path, bytes);
}

void remember(ReportVersion& version, const WriteResult& result, std::string bytes) {
  if (const auto* written = std::get_if<Written>(&result)) {
    version = ReportVersion{true, written->identity, std::move(bytes)};
  } else {
    version = ReportVersion{};  // the file holds what it held before, not this run's version
  }
}

std::optional<std::string> failureOf(const WriteResult& result) {
  if (const auto* reason = std::get_if<std::string>(&result)) return *reason;
  return std::nullopt;
}

// Appends in place to the locked file; a short write is taken back, so the file ends as it began.
WriteResult appendInPlace(int fd, std::string_view bytes) {
  const auto before = sizeOf(fd);
  if (!before) return systemReason(errno);
  if (const int error = writeAll(fd, bytes)) {
    if (::ftruncate(fd, *before) != 0) {
      return systemReason(error) + "; the report could not be restored to its previous length";
    }
    return systemReason(error);
  }
  const auto after = identityOf(fd);
  if (!after) return systemReason(errno);
  return Written{*after};
}

std::optional<std::string> appendToLockedReport(ReportVersion& version, int fd,
                                                const std::filesystem::path& path,
                                                std::string_view bytes) {
  if (!version.written) {
    // The first write of this run goes after whatever earlier runs left.
    auto existing = readAll(fd);
    if (!existing) return systemReason(errno);
    version.bytes = std::move(*existing);
  } else if (const auto current = identityOf(fd);
             !version.identity || !current || !sameFile(*current, *version.identity)) {
    // Another writer replaced the report: this run's version takes its place whole. (Lines
    // someone added to this run's own file stay, as appends always have.)
    std::string whole = version.bytes + std::string(bytes);
    const WriteResult result = renameNewVersionIntoPlace(path, whole);
    if (const auto* written = std::get_if<Written>(&result)) {
      version.identity = written->identity;
      version.bytes = std::move(whole);
    }
    return failureOf(result);
  }
  const WriteResult result = appendInPlace(fd, bytes);
  if (const auto* written = std::get_if<Written>(&result)) {
    version.written = true;
    version.identity = written->identity;
    version.bytes.append(bytes);
  } else if (!version.written) {
    version.bytes.clear();
  }
  return failureOf(result);
}

}  // namespace

std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  return failureOf(replaceLocked(path, bytes));
}

std::optional<std::string> replaceReport(ReportVersion& version, const std::filesystem::path& path,
                                         std::string_view bytes) {
  const WriteResult result = replaceLocked(path, bytes);
  remember(version, result, std::string(bytes));
  return failureOf(result);
}

std::optional<std::string> appendToReport(ReportVersion& version, const std::filesystem::path& path,
                                          std::string_view bytes) {
  LockedOpen current = openLocked(path, O_RDWR | O_APPEND);
  if (auto* failed = std::get_if<OpenFailure>(&current)) return failed->reason;
  if (const auto* none = std::get_if<NoReport>(&current)) {
    // A report someone removed starts afresh, as appending to a missing file does; a link
    // is never written through but replaced by a regular file with this run's version.
    const bool keepVersion = *none == NoReport::Link && version.written;
    std::string whole = (keepVersion ? version.bytes : std::string()) + std::string(bytes);
    const WriteResult result = renameNewVersionIntoPlace(path, whole);
    if (std::holds_alternative<Written>(result)) remember(version, result, std::move(whole));
    return failureOf(result);
  }
  return appendToLockedReport(version, std::get<Descriptor>(current).get(), path, bytes);
}

std::string reportFailureMessage(const std::filesystem::path& path, const std::string& reason) {
  return "Could not write \"" + quotedForMessage(path.filename().string(), 200) + "\": " + reason +
         ".";
}

}  // namespace vantrel
