#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Folders and files for tests, byte for byte.
namespace vantrel::test {

// A fresh, empty folder under the system's temporary folder.
std::filesystem::path freshFolder(const std::string& name);
// The same, named `prefix` followed by the running test's name.
inline std::filesystem::path freshFolderForThisTest(const std::string& prefix) {
  return freshFolder(prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

// A missing file reads as no bytes.
std::string fileBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// How many times `part` stands in `text`, overlapping runs counted.
std::size_t occurrences(const std::string& text, const std::string& part);

}  // namespace vantrel::test
