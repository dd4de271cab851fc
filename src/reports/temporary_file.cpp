#include "reports/temporary_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>
#include <system_error>

namespace vantrel {
namespace {

constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 6;
constexpr int kNameAttempts = 100;

std::string prefixFor(const std::string& targetName) {
  return "." + targetName + ".tmp-";
}

std::string randomLetters(std::mt19937& generator) {
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string letters;
  for (std::size_t i = 0; i < kRandomLetters; ++i) letters += kLetters[pick(generator)];
  return letters;
}

bool lockWithoutWaiting(int fd) {
  return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// Whether a lock taken on `held` keeps others out: a second, independent opening of the same file
// must then fail to take it. Under node (the WebAssembly build) flock succeeds and does nothing,
// so every file would look abandoned, and one run would delete another's live temporary.
bool locksExclude(const std::filesystem::path& candidate, const struct stat& held) {
  Descriptor second(::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
  if (!second.isOpen()) return false;
  struct stat opened {};
  if (::fstat(second.get(), &opened) != 0 || opened.st_dev != held.st_dev ||
      opened.st_ino != held.st_ino) {
    return false;
  }
  return !lockWithoutWaiting(second.get());
}

void removeIfAbandoned(const std::filesystem::path& candidate) {
  Descriptor file(::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
  if (!file.isOpen()) return;
  struct stat opened {};
  if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) return;
  if (!lockWithoutWaiting(file.get())) return;  // a live writer still holds it
  // Without locks that exclude, a live writer's file cannot be told from an abandoned one: it
  // stays (a killed run's file is then left behind, which costs only its bytes).
  if (!locksExclude(candidate, opened)) return;
  struct stat named {};
  if (::lstat(candidate.c_str(), &named) != 0) return;
  if (named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) ::unlink(candidate.c_str());
}

}  // namespace

bool isTemporaryNameFor(const std::string& fileName, const std::string& targetName) {
  const std::string prefix = prefixFor(targetName);
  if (fileName.size() != prefix.size() + kRandomLetters) return false;
  if (fileName.compare(0, prefix.size(), prefix) != 0) return false;
  return fileName.find_first_not_of(kLetters, prefix.size()) == std::string::npos;
}

std::variant<TemporaryFile, OpenFailure> createTemporaryFor(const std::filesystem::path& target) {
  std::random_device seed;
  std::mt19937 generator(seed());
  const std::string prefix = prefixFor(target.filename().string());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::filesystem::path path = target.parent_path() / (prefix + randomLetters(generator));
    // Mode 0666 so that the folder's umask decides, as for any file the user's programs create.
    Descriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.isOpen()) {
      if (errno == EEXIST) continue;  // another run's file, or anything else of that name
      return OpenFailure{systemReason(errno)};
    }
    // A file system without locks still gets its file; only the clean-up of others is lost.
    while (::flock(file.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat created {};
    // Another run's clean-up may have taken the file for abandoned before it was locked.
    if (::fstat(file.get(), &created) != 0 || created.st_nlink == 0) continue;
    return TemporaryFile{std::move(file), std::move(path)};
  }
  return OpenFailure{"no free name for a temporary file"};
}

void removeStaleTemporaries(const std::filesystem::path& target) {
  const std::string targetName = target.filename().string();
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (isTemporaryNameFor(name, targetName)) removeIfAbandoned(entry.path());
  }
}

}  // namespace vantrel
