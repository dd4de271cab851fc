#include "reports/locked_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantrel {
namespace {

bool sameInode(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A file system that keeps no locks (some network shares) is written unlocked.
int lockExclusive(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL) return 0;
    if (errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

std::string systemReason(int error) {
  if (error == EISDIR) return "there is a folder of that name";
  return std::strerror(error);
}

LockedOpen openLocked(const std::filesystem::path& path, int accessFlags) {
  for (;;) {
    // Non-blocking, so that a FIFO planted under the report's name cannot stall the open.
    Descriptor file(::open(path.c_str(), accessFlags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!file.isOpen()) {
      if (errno == ENOENT) return NoReport::Missing;
      if (errno == ELOOP) return NoReport::Link;
      return OpenFailure{systemReason(errno)};
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) return OpenFailure{systemReason(errno)};
    if (S_ISDIR(opened.st_mode)) return OpenFailure{systemReason(EISDIR)};
    if (!S_ISREG(opened.st_mode)) return OpenFailure{"something other than a file has that name"};
    if (const int error = lockExclusive(file.get())) return OpenFailure{systemReason(error)};
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && sameInode(opened, named)) return file;
    // Replaced or removed while this run waited for the lock: take whatever stands there now.
  }
}

bool sameFile(const FileIdentity& a, const FileIdentity& b) {
  if (a.device != b.device || a.inode != b.inode) return false;
  return !a.bornNanoseconds || !b.bornNanoseconds || *a.bornNanoseconds == *b.bornNanoseconds;
}

std::optional<FileIdentity> identityOf(int fd) {
#ifdef STATX_BTIME
  struct statx status {};
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &status) != 0) return std::nullopt;
  FileIdentity identity{makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino, {}};
  if ((status.stx_mask & STATX_BTIME) != 0) {
    identity.bornNanoseconds =
        static_cast<long long>(status.stx_btime.tv_sec) * 1000000000LL + status.stx_btime.tv_nsec;
  }
  return identity;
#else
  // Without statx (the browser's in-memory file system) the inode alone tells files apart.
  struct stat status {};
  if (::fstat(fd, &status) != 0) return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino, {}};
#endif
}

std::optional<off_t> sizeOf(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return std::nullopt;
  return status.st_size;
}

int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::optional<std::string> readAll(int fd) {
  std::string bytes;
  char buffer[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    offset += got;
  }
}

}  // namespace vantrel
