
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "input/read_data_file.h"
#include "support/session_test.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

const std::string kGood = "GOOD\r\nx\r\ny\r\n0 0 0 0\r\n0.5 0.06 0.5 -0.04\r\n1 0 1 0\r\n";

std::string utf16LittleEndian(const std::string& text, bool withMark) {
  std::string out = withMark ? "\xFF\xFE" : "";
  for (char c : text) out += std::string{c, '\0'};
  return out;
}

struct HostileFile {
  const char* what;
  std::function<fs::path(const fs::path& folder)> make;
  const char* expected;  // the message, after "Cannot read "<file>": "
};

class HostileFileTest : public test::SessionTest {
 protected:
  bool readText(const std::string& text) {
    std::istringstream in(text);
    return readDataFileStream(session, in, "test.nca");
  }
  std::string report() const { return test::fileBytes(workDir / "Vantrel.txt"); }
};

fs::path written(const fs::path& folder, const std::string& bytes) {
  test::writeBytes(folder / "bad.nca", bytes);
  return folder / "bad.nca";
}

// Each is refused with one message that says what is wrong, and the airfoil read before stays,
// with its report.
TEST_F(HostileFileTest, HostileFilesAreRefusedAndThePreviousAirfoilStays) {
  const std::vector<HostileFile> files = {
      {"decimal commas",
       [](const fs::path& f) {
         return written(f,
                        "C\r\nx\r\ny\r\n0,0000\t0,0000\t0,0000\t0,0000\r\n"
                        "0,5000\t0,0600\t0,5000\t-0,0400\r\n1,0000\t0,0000\t1,0000\t0,0000\r\n");
       },
       "line 4 holds \"0,0000\", most likely a number written with a decimal comma, which this "
       "program reads as two numbers; write decimals with a point."},
      {"trailing edge first",
       [](const fs::path& f) {
         return written(f, "R\r\nx\r\ny\r\n1 0 1 0\r\n0.5 0.06 0.5 -0.04\r\n0 0 0 0\r\n");
       },
       "the stations run with x decreasing, from the trailing edge to the leading edge (camber x "
       "1 at station 1, 0 at station 3); list them from the leading edge (x = 0) to the trailing "
       "edge (x = 1)."},
      {"UTF-16 with its mark",
       [](const fs::path& f) { return written(f, utf16LittleEndian(kGood, true)); },
       "the file is in UTF-16, a text encoding this program does not read; save it as plain text "
       "(ANSI or UTF-8)."},
      {"UTF-16 without a mark",
       [](const fs::path& f) { return written(f, utf16LittleEndian(kGood, false)); },
       "the file is in UTF-16, a text encoding this program does not read; save it as plain text "
       "(ANSI or UTF-8)."},
      {"too large",
       [](const fs::path& f) {
         const fs::path file = written(f, kGood);
         fs::resize_file(file, 230u * 1024 * 1024);  // sparse: nothing is written
         return file;
       },
       "the file holds 230 MB, more than the 64 MB (about a million stations) an airfoil file "
       "may hold."}};
  const fs::path good = workDir / "good.nca";
  test::writeBytes(good, kGood);
  ASSERT_TRUE(ReadDataFile(session, good.string()));
  const std::string reportBefore = report();
  for (const HostileFile& file : files) {
    fs::remove(workDir / "bad.nca");
    const fs::path path = file.make(workDir);
    const std::size_t messagesBefore = form.messages().size();
    EXPECT_FALSE(ReadDataFile(session, path.string())) << file.what;
    ASSERT_EQ(form.messages().size(), messagesBefore + 1) << file.what;
    EXPECT_EQ(form.messages().back(),
              "Cannot read \"" + path.filename().string() + "\": " + file.expected)
        << file.what;
    EXPECT_EQ(ortak.AirfoilName, "GOOD") << file.what;
    EXPECT_EQ(report(), reportBefore) << file.what;
  }
}

// An old editor's end-of-file byte is not part of the data; a comma between whole numbers in a
// file of points is no decimal comma.
TEST_F(HostileFileTest, AnEndOfFileByteAndCommaDelimitedWholeNumbersAreRead) {
  for (const std::string& text : std::vector<std::string>{
           kGood + "\x1A",
           "GOOD\r\nx\r\ny\r\n0,0,0,0\r\n0.5,0.06,0.5,-0.04\r\n1,0,1,0\r\n\x1A\x1A"}) {
    ASSERT_TRUE(readText(text)) << (form.messages().empty() ? "" : form.messages().back());
    EXPECT_EQ(ortak.NPoint, 3);
    EXPECT_DOUBLE_EQ(ortak.yC[2], 0.01);
  }
}

}  // namespace
}  // namespace vantrel
