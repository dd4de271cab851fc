#include "reports/report_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reports/temporary_file.h"
#include "support/small_file_system.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::fileBytes;
using test::writeBytes;

std::vector<std::string> hiddenTemporaries(const fs::path& folder, const std::string& name) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    if (isTemporaryNameFor(file, name)) found.push_back(file);
  }
  return found;
}

class ReportFileTest : public ::testing::Test {
 protected:
  void SetUp() override { folder = test::freshFolderForThisTest("vantrel-report-"); }
  void TearDown() override { fs::remove_all(folder); }
  fs::path report() const { return folder / "r.txt"; }

  fs::path folder;
};

// Two runs that each replace and then append: whatever the interleaving, the file ends as one
// run's whole sequence, never the other's start with this one's end.
TEST_F(ReportFileTest, AnAppendAfterAnotherWritersReplaceWritesThisRunsWholeVersion) {
  ReportVersion first;
  ReportVersion second;
  ASSERT_FALSE(replaceReport(first, report(), "first 1\n"));
  ASSERT_FALSE(replaceReport(second, report(), "second 1\n"));
  ASSERT_FALSE(appendToReport(first, report(), "first 2\n"));
  EXPECT_EQ(fileBytes(report()), "first 1\nfirst 2\n");
  ASSERT_FALSE(appendToReport(second, report(), "second 2\n"));
  ASSERT_FALSE(appendToReport(second, report(), "second 3\n"));
  EXPECT_EQ(fileBytes(report()), "second 1\nsecond 2\nsecond 3\n");
  EXPECT_TRUE(hiddenTemporaries(folder, "r.txt").empty());
}

TEST_F(ReportFileTest, AFirstAppendGoesAfterWhatEarlierRunsLeft) {
  writeBytes(report(), "earlier run\n");
  ReportVersion version;
  ASSERT_FALSE(appendToReport(version, report(), "this run\n"));
  ASSERT_FALSE(appendToReport(version, report(), "again\n"));
  EXPECT_EQ(fileBytes(report()), "earlier run\nthis run\nagain\n");
}

TEST_F(ReportFileTest, AFolderOfTheReportsNameIsNamedInTheReason) {
  fs::create_directory(report());
  ReportVersion version;
  const std::string reason = "there is a folder of that name";
  EXPECT_EQ(replaceReport(version, report(), "x"), reason);
  EXPECT_EQ(appendToReport(version, report(), "x"), reason);
  EXPECT_EQ(reportFailureMessage(report(), reason),
            "Could not write \"r.txt\": there is a folder of that name.");
  EXPECT_TRUE(hiddenTemporaries(folder, "r.txt").empty());
  // A folder named as the one temporary file every run once shared is no obstacle.
  fs::remove(report());
  fs::create_directory(folder / "r.txt.tmp");
  EXPECT_FALSE(replaceReport(version, report(), "x"));
}

// Only this program's names, only files no live writer holds.
TEST_F(ReportFileTest, TemporariesOfKilledRunsAreRemovedByTheNextReplace) {
  const std::vector<std::pair<std::string, bool>> planted = {
      {".r.txt.tmp-Ab3dE9", true},   // a killed run's
      {".r.txt.tmp-LIVE01", false},  // a live writer's, locked
      {".r.txt.tmp-short", false},   // not this program's pattern
      {".other.txt.tmp-Ab3dE9", false},
      {"r.txt.tmp", false}};
  for (const auto& [name, removed] : planted) writeBytes(folder / name, "partial");
  const int live = ::open((folder / ".r.txt.tmp-LIVE01").c_str(), O_RDONLY);
  ASSERT_GE(live, 0);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  ReportVersion version;
  ASSERT_FALSE(replaceReport(version, report(), "whole\n"));
  ::close(live);
  for (const auto& [name, removed] : planted)
    EXPECT_EQ(fs::exists(folder / name), !removed) << name;
}

// A full device: the replace and the append fail with the system's reason and leave the report
// exactly as it was, with no temporary file behind.
TEST(ReportFileFullDevice, FailedWritesLeaveTheReportAsItWas) {
  test::SmallFileSystem device("size=64k");
  if (!device.mounted()) GTEST_SKIP() << test::kNeedsRootToMount;
  const fs::path report = device.path() / "r.txt";
  ReportVersion version;
  ASSERT_FALSE(replaceReport(version, report, "whole report\n"));
  device.fillUp();
  const std::string block(100000, 'b');
  EXPECT_EQ(appendToReport(version, report, block), "No space left on device");
  EXPECT_EQ(fileBytes(report), "whole report\n");
  EXPECT_EQ(replaceReport(version, report, block), "No space left on device");
  EXPECT_EQ(fileBytes(report), "whole report\n");
  EXPECT_TRUE(hiddenTemporaries(device.path(), "r.txt").empty());
}

}  // namespace
}  // namespace vantrel
