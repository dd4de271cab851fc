#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

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

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// An airfoil file in the program's layout with both surfaces on the camber line y(x), at the
// stations x = 0, 1/(count-1), ..., 1.
inline void writeCamberAirfoil(const std::filesystem::path& file, const std::string& name,
                               int count, const std::function<double(double)>& camber) {
  std::ofstream out(file, std::ios::binary);
  out << name << "\r\nxU yU xL yL\r\n\r\n";
  out.precision(17);
  for (int i = 0; i < count; ++i) {
    const double x = static_cast<double>(i) / (count - 1);
    out << x << ' ' << camber(x) << ' ' << x << ' ' << camber(x) << "\r\n";
  }
}

inline void writeFlatPlate(const std::filesystem::path& file) {
  writeCamberAirfoil(file, "FLAT PLATE", 21, [](double) { return 0.0; });
}
inline void writeParabola(const std::filesystem::path& file) {
  writeCamberAirfoil(file, "PARABOLA", 21, [](double x) { return 0.08 * x * (1 - x); });
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

// Runs the real qeb-vantrel-batch in `folder` with the given arguments.
inline ToolRun runTool(const std::filesystem::path& folder, const std::vector<std::string>& args) {
  const std::filesystem::path errFile = folder / ".stderr";
  std::string command =
      "cd " + shellQuoted(folder.string()) + " && " + shellQuoted(VANTREL_BATCH_TOOL);
  for (const std::string& arg : args) command += " " + shellQuoted(arg);
  command += " 2>" + shellQuoted(errFile.string());
  ToolRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = readFile(errFile);
  std::filesystem::remove(errFile);
  return run;
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

}  // namespace vantrel::batch_test
