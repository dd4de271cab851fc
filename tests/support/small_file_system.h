#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

namespace vantrel::test {

inline constexpr const char* kNeedsRootToMount =
    "skipped: mounting a small tmpfs needs root; run the tests as root to check a full or "
    "read-only file system";

// A small tmpfs mounted for one test (`options` as for mount -o, e.g. "size=64k"), when the test
// runs as root; mounted() is false otherwise and the caller skips.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const std::string& options) {
    if (::geteuid() != 0) return;
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-fs-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    if (!path_.empty()) ::rmdir(path_.c_str());
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool mounted() const { return mounted_; }
  const std::filesystem::path& path() const { return path_; }
  // Remounts read-only, keeping what is there.
  bool makeReadOnly() {
    return ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

  // Fills every free byte with one file, so that the next write finds the device full.
  void fillUp() const {
    std::FILE* filler = std::fopen((path_ / "filler").c_str(), "wb");
    if (filler == nullptr) return;
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string page(4096, 'x');
    while (std::fwrite(page.data(), 1, page.size(), filler) == page.size()) {
    }
    while (std::fwrite(page.data(), 1, 1, filler) == 1) {
    }
    std::fclose(filler);
  }

 private:
  std::filesystem::path path_;
  bool mounted_ = false;
};

}  // namespace vantrel::test
