#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "batch_test_support.h"
#include "reports/temporary_file.h"
#include "support/small_file_system.h"

namespace vantrel::batch_test {
namespace {

namespace fs = std::filesystem;

// Starts the tool in `folder` without waiting for it; its output goes nowhere.
pid_t startTool(const fs::path& folder, const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  const int nowhere = ::open("/dev/null", O_WRONLY);
  ::dup2(nowhere, STDOUT_FILENO);
  ::dup2(nowhere, STDERR_FILENO);
  if (::chdir(folder.c_str()) != 0) ::_exit(127);
  std::vector<char*> argv{const_cast<char*>(VANTREL_BATCH_TOOL)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ::execv(VANTREL_BATCH_TOOL, argv.data());
  ::_exit(127);
}

int exitStatus(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> hiddenTemporaries(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    for (const char* report : {"Vantrel.txt", "Poly5.txt"}) {
      if (isTemporaryNameFor(name, report)) found.push_back(name);
    }
  }
  return found;
}

// A parabolic camber line of its own height at its own number of stations, so that every writer's
// reports differ from every other's in length and content.
void writeAirfoil(const fs::path& file, int index, int stations) {
  const double height = 0.01 + 0.001 * index;
  const auto camber = test::camberOf(test::evenlySpacedX(stations),
                                     [height](double x) { return 4 * height * x * (1 - x); });
  test::writeBytes(file, test::airfoilFileText("WRITER " + std::to_string(index), camber, camber));
}

// Twenty runs at once on one folder, several rounds: each report ends as one run's whole version.
TEST(ManyRuns, RunsAtOnceInOneFolderLeaveOneRunsWholeReports) {
  TempFolder folder;
  constexpr int kRuns = 20;
  std::vector<std::vector<std::string>> actions;
  std::vector<std::pair<std::string, std::string>> versions;  // Vantrel.txt, Poly5.txt
  for (int i = 0; i < kRuns; ++i) {
    const std::string file = "w" + std::to_string(i) + ".nca";
    writeAirfoil(folder / file, i, 21 + 4 * i);
    actions.push_back({"--workdir", "shared", "open", file, "lsq", "4", "free", "vortex"});
    const fs::path alone = folder / ("alone" + std::to_string(i));
    ASSERT_EQ(runTool(folder.path(),
                      {"--workdir", alone.string(), "open", file, "lsq", "4", "free", "vortex"})
                  .status,
              0);
    versions.emplace_back(fileBytes(alone / "Vantrel.txt"), fileBytes(alone / "Poly5.txt"));
  }
  for (int round = 0; round < 4; ++round) {
    std::vector<pid_t> runs;
    for (const auto& args : actions) runs.push_back(startTool(folder.path(), args));
    for (pid_t run : runs) EXPECT_EQ(exitStatus(run), 0) << "round " << round;
    const std::string report = fileBytes(folder / "shared" / "Vantrel.txt");
    const std::string log = fileBytes(folder / "shared" / "Poly5.txt");
    bool reportWhole = false;
    bool logWhole = false;
    for (const auto& [wholeReport, wholeLog] : versions) {
      reportWhole = reportWhole || report == wholeReport;
      logWhole = logWhole || log == wholeLog;
    }
    EXPECT_TRUE(reportWhole) << "round " << round << ": Vantrel.txt is no one run's version";
    EXPECT_TRUE(logWhole) << "round " << round << ": Poly5.txt is no one run's version";
    EXPECT_TRUE(hiddenTemporaries(folder / "shared").empty()) << "round " << round;
  }
}

// A link planted in a shared folder, named as any file a run replaces or appends to ("numerical"
// appends to the results log before "lsq" empties it), or once wrote, is never written through.
TEST(ManyRuns, LinksPlantedBeforeARunAreNotWrittenThrough) {
  TempFolder folder;
  writeParabola(folder / "p.nca");
  fs::create_directories(folder / "plots");
  fs::create_directories(folder / "csv");
  const std::vector<std::string> planted = {"Vantrel.txt",
                                            "Poly5.txt",
                                            "Vantrel.txt.tmp",
                                            "plots/Picture_CL.json",
                                            "plots/Picture_Load.json",
                                            "csv/lift.csv"};
  for (std::size_t i = 0; i < planted.size(); ++i) {
    const fs::path victim = folder / ("victim" + std::to_string(i));
    test::writeBytes(victim, "precious");
    fs::create_symlink(victim, folder / planted[i]);
  }
  const ToolRun run = runTool(folder.path(), {"--plots", "plots", "--csv", "csv", "open", "p.nca",
                                              "numerical", "lsq", "3", "vortex"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (std::size_t i = 0; i < planted.size(); ++i) {
    EXPECT_EQ(fileBytes(folder / ("victim" + std::to_string(i))), "precious") << planted[i];
  }
  for (const char* written :
       {"Vantrel.txt", "Poly5.txt", "plots/Picture_CL.json", "csv/lift.csv"}) {
    EXPECT_FALSE(fs::is_symlink(folder / written)) << written;
    EXPECT_FALSE(fileBytes(folder / written).empty()) << written;
  }
}

bool endsWithTheStrengths(const std::string& report, int panels) {
  const std::string title =
      " G\xDDRDAP \xDE\xDD"
      "DDETLER\xDD\r\n";
  const auto at = report.rfind(title);
  if (at == std::string::npos) return false;
  return test::occurrences(report.substr(at + title.size()), "\r\n") ==
         static_cast<std::size_t>(panels);
}

// A run killed during a long solution leaves the report as its last whole version: the
// coordinates of the airfoil it read, without a panel table cut off from its strengths.
TEST(ManyRuns, AKilledLongRunLeavesAWholeReport) {
  TempFolder folder;
  constexpr int kStations = 8001;
  writeAirfoil(folder / "long.nca", 1, kStations);
  writeParabola(folder / "short.nca");
  ASSERT_EQ(runTool(folder.path(), {"--workdir", "read", "open", "long.nca"}).status, 0);
  const std::string coordinates = fileBytes(folder / "read" / "Vantrel.txt");
  ASSERT_EQ(runTool(folder.path(), {"open", "short.nca", "vortex"}).status, 0);

  const pid_t run = startTool(folder.path(), {"open", "long.nca", "vortex"});
  const auto reportIs = [&](auto holds, std::chrono::milliseconds within) {
    const auto giveUp = std::chrono::steady_clock::now() + within;
    while (!holds(fileBytes(folder / "Vantrel.txt")) && std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  };
  // The run must have read the long airfoil before it is stopped, however long that takes.
  reportIs([](const std::string& r) { return r.starts_with("WRITER 1"); }, std::chrono::hours(24));
  // Stopped as soon as anything follows the coordinates, or else well into the solution, which
  // takes several seconds at this size (the blocks that end it come much later).
  reportIs([&](const std::string& r) { return r.size() > coordinates.size(); },
           std::chrono::milliseconds(1500));
  ::kill(run, SIGKILL);
  exitStatus(run);
  const std::string report = fileBytes(folder / "Vantrel.txt");
  EXPECT_TRUE(report == coordinates ||
              (report.starts_with(coordinates) && endsWithTheStrengths(report, kStations - 1)))
      << "the report holds " << report.size() << " bytes, the coordinates alone "
      << coordinates.size();

  ASSERT_EQ(runTool(folder.path(), {"open", "short.nca"}).status, 0);
  EXPECT_TRUE(hiddenTemporaries(folder.path()).empty());
}

// A pipe would keep the reader waiting for ever; the tool must say why it stops, at once.
TEST(ManyRuns, APipeOrDeviceIsRefusedWithoutWaiting) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe.nca").c_str(), 0600), 0);
  for (const std::string file : {"pipe.nca", "/dev/zero"}) {
    const ToolRun run = runTool(folder.path(), {"open", file}, 60);
    EXPECT_EQ(run.status, 1) << file << (run.status == 124 ? ": still waiting after a minute" : "");
    EXPECT_NE(run.err.find("it is not a regular file but a device, a pipe or a socket."),
              std::string::npos)
        << run.err;
  }
}

struct Failing {
  std::vector<std::string> args;
  std::string stderrHolds;
  std::string stdoutLacks;
};

// What the user is told, on stderr with exit status 1, when the results cannot stand.
TEST(ManyRuns, RunsThatCannotDeliverSaySoAndFail) {
  TempFolder folder;
  writeParabola(folder / "p.nca");
  writeAirfoil(folder / "fine.nca", 2, 501);
  const auto camber = test::parabolicCamber(test::evenlySpacedX(5));
  test::writeBytes(folder / "esc.nca", test::airfoilFileText("RED\x1B[31m\x07", camber, camber));
  const std::vector<Failing> cases = {
      {{"open", "p.nca", "alfa", "1e999", "lsq", "3"},
       "lsq: The angle of attack \"1e999\" is too large: the lift coefficient would not be a "
       "finite number.",
       "Infinity"},
      {{"open", "p.nca", "alfa", "1e999", "vortex"},
       "vortex: The lumped vortex method gives no finite lift or moment for the angle of attack "
       "\"1e999\"",
       "NaN"},
      {{"open", "fine.nca", "vortex", "sweep", "-10", "10", "0.0005"},
       "sweep: 40001 angles on 500 panels would write about 2.4 GB to \"Vantrel.txt\"; one run "
       "may write at most 250 MB.",
       ","},
      {{"open", "esc.nca", "alfa", "1e999", "vortex"}, "vortex:", "\x1B"}};
  for (const Failing& failing : cases) {
    const ToolRun run = runTool(folder.path(), failing.args);
    EXPECT_EQ(run.status, 1) << failing.stderrHolds;
    EXPECT_NE(run.err.find(failing.stderrHolds), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find(failing.stdoutLacks), std::string::npos) << run.out;
  }
  const ToolRun full = runTool(folder.path(), {"open", "p.nca", "numerical"}, 0, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err,
            "qeb-vantrel-batch: could not write the results to the standard output: No space left "
            "on device\n");
}

TEST(ManyRuns, AReadOnlyPlotsFolderIsNamedWithTheReason) {
  test::SmallFileSystem device("size=1m");
  if (!device.mounted()) GTEST_SKIP() << test::kNeedsRootToMount;
  fs::create_directories(device.path() / "plots");
  ASSERT_TRUE(device.makeReadOnly());
  TempFolder folder;
  const fs::path plots = device.path() / "plots";
  const ToolRun run = runTool(folder.path(), {"--plots", plots.string(), "alfa", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "qeb-vantrel-batch: --plots: could not write \"" +
                         (plots / "Picture_Airfoil.json").string() + "\": Read-only file system\n");
}

TEST(ManyRuns, AFullDeviceLeavesTheReportsAsTheyWere) {
  test::SmallFileSystem device("size=256k");
  if (!device.mounted()) GTEST_SKIP() << test::kNeedsRootToMount;
  TempFolder folder;
  writeParabola(folder / "p.nca");
  writeFlatPlate(folder / "flat.nca");
  const std::string work = device.path().string();
  ASSERT_EQ(runTool(folder.path(), {"--workdir", work, "open", "p.nca", "lsq", "3"}).status, 0);
  const std::string report = fileBytes(device.path() / "Vantrel.txt");
  const std::string log = fileBytes(device.path() / "Poly5.txt");
  device.fillUp();
  const ToolRun run =
      runTool(folder.path(), {"--workdir", work, "open", "flat.nca", "lsq", "3", "vortex"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "qeb-vantrel-batch: open: Could not write \"Vantrel.txt\": No space left on device.\n");
  EXPECT_EQ(fileBytes(device.path() / "Vantrel.txt"), report);
  EXPECT_EQ(fileBytes(device.path() / "Poly5.txt"), log);
  EXPECT_TRUE(hiddenTemporaries(device.path()).empty());
}

}  // namespace
}  // namespace vantrel::batch_test
