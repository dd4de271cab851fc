#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vantrel {

// Tells one file from another that took its name: a writer that replaces the file makes a new
// one. An inode number freed by a replaced file may be given to a later one; the time of birth,
// where the file system keeps it, tells them apart.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  std::optional<long long> bornNanoseconds;
};
bool sameFile(const FileIdentity& a, const FileIdentity& b);

// An open file descriptor, closed (and so unlocked) when it goes.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor();

  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

// Why a report could not be opened for locking: nothing there yet, a symbolic link in its place
// (never written through), or a reason to give the user.
enum class NoReport { Missing, Link };
struct OpenFailure {
  std::string reason;
};
using LockedOpen = std::variant<Descriptor, NoReport, OpenFailure>;

// Opens the file at `path` itself (never through a link) and takes an exclusive advisory lock on
// it; when another writer replaced the file meanwhile it starts again on the new one, so the
// caller holds the lock on the file the name now stands for.
LockedOpen openLocked(const std::filesystem::path& path, int accessFlags);

std::optional<FileIdentity> identityOf(int fd);
// The file's length; nothing when it cannot be told.
std::optional<off_t> sizeOf(int fd);
// The error text for errno, with a plainer one where the system's would mislead.
std::string systemReason(int error);
// Writes every byte, going on after a partial write; the errno of a failure, 0 on success.
int writeAll(int fd, std::string_view bytes);
// The whole content of an open file; nothing when it cannot be read.
std::optional<std::string> readAll(int fd);

}  // namespace vantrel
