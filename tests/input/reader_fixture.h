#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/headless_controls.h"
#include "app/ortak.h"
#include "app/session.h"
#include "input/read_data_file.h"
#include "support/test_airfoil.h"

namespace vantrel::reader_test {

// A session over a fresh folder of its own, with Pi set as the window sets it when it loads.
class ReaderSession : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantrel-input-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    ortak.Pi = 4 * std::atan(1.0);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder, ignored);
  }

  bool readText(const std::string& text, const std::string& label = "test.nca") {
    std::istringstream in(text);
    return ReadAirfoilStream(session, in, label);
  }
  std::string report() const { return test::fileBytes(folder / "Vantrel.txt"); }

  std::filesystem::path folder;
  Ortak ortak;
  HeadlessControls form;
  Session session{ortak, form, {}};
};

}  // namespace vantrel::reader_test
