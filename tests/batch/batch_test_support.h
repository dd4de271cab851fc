#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "batch/json_text.h"
#include "fixtures/test_airfoil.h"
#include "support/test_files.h"

namespace vantrel::batch_test {

// A fresh empty folder for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("vantrel-batch-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

using test::fileBytes;

// An airfoil file in the program's layout with both surfaces on the camber line, at 21 stations
// evenly spaced in x.
inline void writeFlatPlate(const std::filesystem::path& file) {
  const auto camber = test::flatCamber(test::evenlySpacedX(21));
  test::writeBytes(file, test::airfoilFileText("FLAT PLATE", camber, camber));
}
inline void writeParabola(const std::filesystem::path& file) {
  const auto camber = test::parabolicCamber(test::evenlySpacedX(21));
  test::writeBytes(file, test::airfoilFileText("PARABOLA", camber, camber));
}

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string shellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs the real qeb-vantrel-batch in `folder` with the given arguments; given a number of
// seconds, a run still going after them is stopped (status 124); given a file, the standard
// output goes there instead.
inline ToolRun runTool(const std::filesystem::path& folder, const std::vector<std::string>& args,
                       int seconds = 0, const std::string& outputFile = "") {
  const std::filesystem::path errFile = folder / ".stderr";
  std::string command = "cd " + shellQuoted(folder.string()) + " && " +
                        (seconds > 0 ? "timeout " + std::to_string(seconds) + " " : "") +
                        shellQuoted(VANTREL_BATCH_TOOL);
  for (const std::string& arg : args) command += " " + shellQuoted(arg);
  if (!outputFile.empty()) command += " >" + shellQuoted(outputFile);
  command += " 2>" + shellQuoted(errFile.string());
  ToolRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = fileBytes(errFile);
  std::filesystem::remove(errFile);
  return run;
}

using batch::Json;

// The keys of a JSON object in the order they stand in its text.
inline std::vector<std::string> keysOf(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.push_back(key);
  return keys;
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

}  // namespace vantrel::batch_test
