#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "state/ortak.h"
#include "state/session.h"
#include "support/test_files.h"

namespace vantrel::test {

// A session over a working folder of the running test's own, fresh and removed afterwards (write
// permission given back first, for tests that take it away), with Pi set as the window sets it
// when it loads.
class SessionTest : public ::testing::Test {
 protected:
  SessionTest() { ortak.Pi = 4 * std::atan(1.0); }
  ~SessionTest() override {
    std::error_code ignored;
    std::filesystem::permissions(workDir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(workDir, ignored);
  }

  // "Suite.Case/2" as one folder name, so tests run side by side never share a folder.
  static std::string thisTestsFolderName() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/'; }, '_');
    return name;
  }

  const std::filesystem::path workDir = freshFolder(thisTestsFolderName());
  Ortak ortak;
  HeadlessControls form;
  Session session{ortak, form, workDir};
};

}  // namespace vantrel::test
