#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch_test_support.h"

namespace vantrel::batch_test {
namespace {

TEST(BatchTool, CommandLinesItDoesNotUnderstandExitWithUsage) {
  TempFolder folder;
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"fly"},
                                               {"open"},
                                               {"alfa-scroll", "300"},
                                               {"sweep", "0", "10", "-1"},
                                               {"--plots"},
                                               {"naca"}}) {
    const ToolRun run = runTool(folder.path(), args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_NE(run.err.find("usage: qeb-vantrel-batch"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "Vantrel.txt"));
  const ToolRun help = runTool(folder.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: "));
}

TEST(BatchTool, UnreadableFileFailsWithItsMessageOnStderr) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"open", "missing.nca", "alfa", "2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with("qeb-vantrel-batch: open: ")) << run.err;
  // The run stops at the failed action and still shows what the user sees.
  const auto shown = lines(run.out);
  ASSERT_GE(shown.size(), 9u);
  EXPECT_EQ(shown[0], "Text_Alfa0 = ");
  EXPECT_EQ(shown[4], "Text_Alfa = 0");
}

TEST(BatchTool, JsonSummaryIsValidWithTheAgreedKeys) {
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"--json", "alfa", "tab\there", "alfa-scroll", "3"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "qeb-vantrel-batch: alfa-scroll: Open an airfoil data file\n");
  const Json parsed = Json::parse(run.out);
  EXPECT_EQ(keysOf(parsed),
            (std::vector<std::string>{"Text_Alfa0", "Text_CmAC", "Text_CL", "Text_Cmx", "Text_Alfa",
                                      "Text_xM", "Text_N", "Lbl_Airfoil", "Lbl_Degree",
                                      "StatusLine", "messages", "state"}));
  EXPECT_EQ(parsed["Text_Alfa"], "tab\there");
  EXPECT_EQ(parsed["messages"], Json::array({"Open an airfoil data file"}));
  EXPECT_EQ(parsed["state"]["NPoint"], 0);
  EXPECT_EQ(parsed["state"]["xC"], Json::array());
}

TEST(BatchTool, PlotsWriteEveryPictureArea) {
  TempFolder folder;
  writeFlatPlate(folder / "flat.nca");
  const ToolRun run =
      runTool(folder.path(), {"--plots", "pictures", "open", "flat.nca", "alfa", "2", "numerical"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");  // no display needed, no toolkit warnings
  for (const char* name :
       {"Picture_Airfoil", "Picture_Camber", "Picture_Load", "Picture_Cmx", "Picture_CL"}) {
    const auto stem = folder / "pictures" / name;
    const std::string list = fileBytes(stem.string() + ".json");
    EXPECT_TRUE(Json::accept(list)) << name;
#ifdef VANTREL_HAVE_RENDER
    EXPECT_TRUE(fileBytes(stem.string() + ".png").starts_with("\x89PNG")) << name;
    EXPECT_NE(fileBytes(stem.string() + ".svg").find("<svg"), std::string::npos) << name;
#endif
  }
  const Json lift = Json::parse(fileBytes(folder / "pictures" / "Picture_CL.json"));
  ASSERT_FALSE(lift.empty());
  EXPECT_EQ(lift[0]["op"], "scale");
#ifdef VANTREL_HAVE_RENDER
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "pictures"),
                          std::filesystem::directory_iterator()),
            15);
#endif
}

TEST(BatchTool, AxesAddValuesToThePicturesAndSayWhatWasLaidOver) {
  TempFolder folder;
  writeFlatPlate(folder / "flat.nca");
  const ToolRun run = runTool(folder.path(), {"--plots", "pictures", "--axes", "open", "flat.nca",
                                              "alfa", "2", "numerical"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");  // text is drawn without a display and without toolkit warnings
  const Json overlay = Json::parse(fileBytes(folder / "pictures" / "Picture_CL.axes.json"));
  std::vector<std::string> texts;
  for (const Json& text : overlay["texts"]) texts.push_back(text["text"].get<std::string>());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "α (deg)"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "CL"), texts.end());
  EXPECT_GE(texts.size(), 6u);
#ifdef VANTREL_HAVE_RENDER
  // A drawing for a report keeps its text as text.
  const std::string svg = fileBytes(folder / "pictures" / "Picture_CL.svg");
  EXPECT_NE(svg.find("<text"), std::string::npos);
  EXPECT_NE(svg.find(">CL</text>"), std::string::npos);
#endif
}

TEST(BatchTool, ReportsGoToTheWorkingFolder) {
  TempFolder folder;
  writeFlatPlate(folder / "flat.nca");
  const ToolRun run =
      runTool(folder.path(), {"--workdir", "lesson/work", "open", "flat.nca", "numerical"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "lesson/work/Poly5.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Poly5.txt"));
}

TEST(BatchTool, FlatPlateSweepPrintsCsvInPlaceOfTheSummary) {
  TempFolder folder;
  writeFlatPlate(folder / "flat.nca");
  const ToolRun run =
      runTool(folder.path(), {"open", "flat.nca", "alfa", "5", "vortex", "sweep", "0", "5", "2.5"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto table = lines(run.out);
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table[0], "alfa,cl,cm4");
  EXPECT_EQ(table[1], "0,0,0");
  // Full precision: 2·Pi·sin 5° and 0.25·cl·(1 − cos 5°).
  EXPECT_TRUE(table[3].starts_with("5,0.54761568")) << table[3];

  const ToolRun json =
      runTool(folder.path(), {"--json", "open", "flat.nca", "vortex", "sweep", "0", "5", "2.5"});
  const Json parsed = Json::parse(json.out);
  EXPECT_EQ(parsed["sweep"]["rows"].size(), 3u);
  EXPECT_EQ(parsed["Text_CL"], "0.548");
  EXPECT_EQ(parsed["Lbl_Airfoil"], "FLAT PLATE");
}

TEST(BatchTool, CsvFilesHoldTheDataBehindThePlots) {
  TempFolder folder;
  writeParabola(folder / "parabola.nca");
  const ToolRun run = runTool(folder.path(), {"--csv", "data", "open", "parabola.nca", "lsq", "3"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::pair<std::string, std::string>> headers = {
      {"camber.csv", "x,y"},
      {"camber_polynomial.csv", "x,y"},
      {"lift.csv", "point,alfa,CL"},
      {"moment.csv", "point,alfa,Cmx"},
      {"load.csv", "x,load"}};
  for (const auto& [name, header] : headers) {
    const auto rows = lines(fileBytes(folder / "data" / name));
    ASSERT_FALSE(rows.empty()) << name;
    EXPECT_EQ(rows[0], header);
    EXPECT_GT(rows.size(), 3u) << name;
  }
}

TEST(BatchTool, NacaReproducesTheShippedSample) {
  const std::filesystem::path sample = std::filesystem::path(VANTREL_SAMPLES) / "naca2412.nca";
  ASSERT_TRUE(std::filesystem::exists(sample));
  TempFolder folder;
  const ToolRun run = runTool(folder.path(), {"naca", "2412", "--stations", "41"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, fileBytes(sample));
}

TEST(BatchTool, GeneratorsFailWithNothingOnStdout) {
  TempFolder folder;
  const ToolRun missing = runTool(folder.path(), {"convert", "missing.dat"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("missing.dat"), std::string::npos);

  const ToolRun unknown = runTool(folder.path(), {"naca", "98x"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_TRUE(unknown.out.empty());
  EXPECT_NE(unknown.err.find("98x"), std::string::npos);
}

// A symmetric Selig file: trailing edge, over the upper surface to the leading edge and back.
void writeSeligFile(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "TEST SELIG\n";
  const auto half = [](double x) { return 0.3 * std::sqrt(x) * (1 - x); };
  for (int i = 20; i >= 0; --i) out << i / 20.0 << ' ' << half(i / 20.0) << '\n';
  for (int i = 1; i <= 20; ++i) out << i / 20.0 << ' ' << -half(i / 20.0) << '\n';
}

TEST(BatchTool, ConvertWritesAFileTheReaderTakes) {
  TempFolder folder;
  writeSeligFile(folder / "test.dat");
  const ToolRun run = runTool(folder.path(), {"convert", "test.dat", "--stations", "11"});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto converted = lines(run.out);
  ASSERT_EQ(converted.size(), 14u);  // the name, two header lines, 11 stations
  EXPECT_EQ(converted[0], "TEST SELIG\r");
  test::writeBytes(folder / "test.nca", run.out);
  const ToolRun read = runTool(folder.path(), {"--json", "open", "test.nca", "vortex"});
  EXPECT_EQ(read.status, 0) << read.err;
  const Json parsed = Json::parse(read.out);
  EXPECT_EQ(parsed["state"]["NPoint"], 11);
  EXPECT_EQ(parsed["Text_CL"], "0");  // symmetric, at zero angle

  test::writeBytes(folder / "bad.dat", "BAD\n1 0\nabc 0\n");
  const ToolRun bad = runTool(folder.path(), {"convert", "bad.dat"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_NE(bad.err.find("bad.dat"), std::string::npos);
}

// One reader, one message: whichever command reads a broken file says the same about it.
TEST(BatchTool, EveryCommandThatReadsAFileGivesTheSameMessage) {
  TempFolder folder;
  std::istringstream clarkY(
      fileBytes(std::filesystem::path(VANTREL_TEST_DATA) / "airfoils" / "clarky.dat"));
  std::string broken;
  int lineNumber = 0;
  for (std::string line; std::getline(clarkY, line);) {
    broken += (++lineNumber == 21 ? std::string("......") : line) + "\n";
  }
  test::writeBytes(folder / "broken.dat", broken);
  test::writeBytes(folder / "broken.nca", "BROKEN\n\n\n0 0 0 0\n0.5 abc 0.5 0\n");
  const auto messageOf = [&](const std::vector<std::string>& args) {
    const ToolRun run = runTool(folder.path(), args);
    EXPECT_EQ(run.status, 1) << args[0];
    const std::string prefix = "qeb-vantrel-batch: " + args[0] + ": ";
    EXPECT_TRUE(run.err.starts_with(prefix)) << run.err;
    return run.err.substr(std::min(prefix.size(), run.err.size()));
  };
  const std::string dat = messageOf({"open", "broken.dat"});
  EXPECT_NE(dat.find("line 21"), std::string::npos) << dat;
  EXPECT_EQ(messageOf({"convert", "broken.dat"}), dat);
  EXPECT_EQ(messageOf({"converge", "broken.dat", "--to", "20"}), dat);
  EXPECT_EQ(messageOf({"converge", "broken.nca", "--to", "20"}), messageOf({"open", "broken.nca"}));
}

// What the converter passed over is said on stderr, and stands in the converted file's second line.
TEST(BatchTool, ConvertSaysWhatItPassedOverAndWhyItRefuses) {
  TempFolder folder;
  const std::filesystem::path airfoils = std::filesystem::path(VANTREL_TEST_DATA) / "airfoils";
  std::filesystem::copy(airfoils / "handmade" / "clarky-notes.dat", folder / "clarky-notes.dat");
  const ToolRun notes = runTool(folder.path(), {"convert", "clarky-notes.dat"});
  EXPECT_EQ(notes.status, 0) << notes.err;
  EXPECT_EQ(notes.err,
            "qeb-vantrel-batch: convert: \"clarky-notes.dat\": text from line 124 on ignored\n");
  EXPECT_NE(lines(notes.out).at(1).find("text from line 124 on ignored"), std::string::npos);

  std::filesystem::create_directory(folder / "airfoils.dat");
  const ToolRun directory = runTool(folder.path(), {"convert", "airfoils.dat"});
  EXPECT_EQ(directory.status, 1);
  EXPECT_TRUE(directory.out.empty());
  EXPECT_EQ(directory.err,
            "qeb-vantrel-batch: convert: Cannot read \"airfoils.dat\": it is a folder, not a "
            "file.\n");

  std::filesystem::copy(airfoils / "handmade" / "e387-flap.dat", folder / "e387-flap.dat");
  const ToolRun flap = runTool(folder.path(), {"convert", "e387-flap.dat"});
  EXPECT_EQ(flap.status, 1);
  EXPECT_TRUE(flap.out.empty());
  EXPECT_EQ(flap.err,
            "qeb-vantrel-batch: convert: Cannot convert \"e387-flap.dat\", line 62 starts a "
            "second outline; only single-element airfoils can be read.\n");
}

// Hostile inputs: each case could hang, read what it should refuse, or give a message that does
// not say what is true.
struct HostileRun {
  std::string label;
  std::vector<std::string> args;
  int status;
  std::string errHas;  // empty: the error output must be empty
  std::string errLacks = {};
  std::string outHas = {};
};

class HostileInputs : public ::testing::Test {
 protected:
  HostileInputs() {
    const ToolRun naca = runTool(folder.path(), {"naca", "2412"});
    test::writeBytes(folder / "naca2412.nca", naca.out);
    test::writeBytes(folder / "one.nca", "ONE\r\nh1\r\nh2\r\n0.5 0.01 0.5 -0.01\r\n");
    test::writeBytes(folder / "none.nca", "NONE\r\nh1\r\nh2\r\n");
    // NACA 2412 with every ordinate times 1e300.
    std::string huge;
    std::size_t lineNumber = 0;
    for (const std::string& line : lines(naca.out)) {
      if (++lineNumber <= 3) {  // the name and the two lines the reader skips
        huge += line + "\n";
        continue;
      }
      std::istringstream numbers(line);
      double xU = 0, yU = 0, xL = 0, yL = 0;
      if (!(numbers >> xU >> yU >> xL >> yL)) {
        huge += line + "\n";
        continue;
      }
      std::ostringstream scaled;
      scaled.precision(17);
      scaled << xU << " " << yU * 1e300 << " " << xL << " " << yL * 1e300 << "\n";
      huge += scaled.str();
    }
    test::writeBytes(folder / "y_huge.nca", huge);
    // A two-element file whose flap follows the airfoil with no name line, or after a blank line.
    const std::filesystem::path airfoils = std::filesystem::path(VANTREL_TEST_DATA) / "airfoils";
    std::string flap = test::fileBytes(airfoils / "handmade" / "e387-flap.dat");
    const std::size_t name = flap.find("Flap\n");
    test::writeBytes(folder / "flap-joined.dat", flap.substr(0, name) + flap.substr(name + 5));
    test::writeBytes(folder / "flap-blank.dat",
                     flap.substr(0, name) + "\n" + flap.substr(name + 5));
    std::filesystem::create_directory(folder / "folder.nca");
    ::mkfifo((folder / "pipe.dat").c_str(), 0600);
    ::mkfifo((folder / "pipe.nca").c_str(), 0600);
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling");
    // Over the 64 MB cap, without writing its bytes (a sparse file).
    { std::ofstream(folder / "big.dat").put('x'); }
    std::filesystem::resize_file(folder / "big.dat", 65u * 1024 * 1024);
    std::filesystem::copy_file(folder / "big.dat", folder / "big.nca");
  }

  void check(const HostileRun& expected) {
    SCOPED_TRACE(expected.label);
    const ToolRun run = runTool(folder.path(), expected.args, 60);
    EXPECT_EQ(run.status, expected.status) << run.err;
    if (expected.errHas.empty()) {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_NE(run.err.find(expected.errHas), std::string::npos) << run.err;
    }
    if (!expected.errLacks.empty()) {
      EXPECT_EQ(run.err.find(expected.errLacks), std::string::npos) << run.err;
    }
    if (!expected.outHas.empty()) {
      EXPECT_NE(run.out.find(expected.outHas), std::string::npos) << run.out;
    }
  }

  TempFolder folder;
};

TEST_F(HostileInputs, EveryReaderMakesTheChecksOfOpen) {
  const std::string notRegular = "it is not a regular file but a device, a pipe or a socket.";
  const std::string tooBig = "the file holds 65 MB, more than the 64 MB";
  for (const HostileRun& expected : std::vector<HostileRun>{
           {"convert of a FIFO", {"convert", "pipe.dat"}, 1, "\"pipe.dat\": " + notRegular},
           {"converge of a FIFO", {"converge", "pipe.nca"}, 1, "\"pipe.nca\": " + notRegular},
           {"convert of /dev/zero", {"convert", "/dev/zero"}, 1, "\"zero\": " + notRegular},
           {"converge of /dev/zero", {"converge", "/dev/zero"}, 1, "\"zero\": " + notRegular},
           {"convert beyond the cap", {"convert", "big.dat"}, 1, tooBig},
           {"converge beyond the cap", {"converge", "big.nca"}, 1, tooBig},
           {"converge of a folder",
            {"converge", "folder.nca"},
            1,
            "Cannot read \"folder.nca\": it is a folder, not a file.",
            "cannot be opened"},
       }) {
    check(expected);
  }
}

TEST_F(HostileInputs, RefusedWithAMessageThatSaysWhatIsTrue) {
  for (const HostileRun& expected : std::vector<HostileRun>{
           {"no station",
            {"open", "none.nca", "numerical"},
            1,
            "Cannot read \"none.nca\": the file holds 0 stations; an airfoil needs at least 2."},
           {"one station",
            {"open", "one.nca", "numerical"},
            1,
            "Cannot read \"one.nca\": the file holds 1 station; an airfoil needs at least 2."},
           {"xm 1e999 as alfa 1e999",
            {"open", "naca2412.nca", "xm", "1e999", "lsq", "3"},
            1,
            "The reference point \"1e999\" is too large: the moment coefficient would not be a "
            "finite number."},
           {"lumped vortex on ordinates times 1e300",
            {"open", "y_huge.nca", "vortex"},
            1,
            "the panel between camber stations 1 and 2 has no finite length",
            "sıfır"},
           {"converge on ordinates times 1e300",
            {"converge", "y_huge.nca"},
            1,
            "At 10 panels: The lumped vortex method cannot use this camber line: its y values are "
            "so large",
            "angle of attack"},
           {"a flap after the airfoil",
            {"convert", "flap-joined.dat"},
            1,
            "Cannot convert \"flap-joined.dat\", line 62 starts a second outline"},
           {"a flap after a blank line",
            {"convert", "flap-blank.dat"},
            1,
            "Cannot convert \"flap-blank.dat\", line 63 starts a second outline"},
           {"a sweep of 21 angles",
            {"open", "naca2412.nca", "lsq", "3", "sweep", "-1e308", "1e308", "1e307"},
            1,
            "The angle of attack",
            "more than 100000 angles"},
           {"a dangling --workdir link",
            {"--workdir", "dangling", "numerical"},
            1,
            "--workdir: could not create \"dangling\": it is a symbolic link to",
            "File exists"},
           {"converge from 9999",
            {"converge", "2412", "--from", "9999"},
            1,
            "The study ends at 2560 panels, before it starts at 9999; it must end at 9999 panels.",
            "9999 to 9999"},
           {"converge --plots \"\"",
            {"converge", "2412", "--plots", ""},
            2,
            "converge: --plots: missing DIR",
            "unexpected"},
           {"lsq -1e400",
            {"open", "naca2412.nca", "lsq", "-1e400"},
            1,
            "The degree of the polynomial must be a whole number from 0 to 5, not -1e400.",
            "179769313"},
       }) {
    check(expected);
  }
  // The flap's name says where its hinge is.
  const ToolRun flap =
      runTool(folder.path(), {"open", "naca2412.nca", "flap", "0.9999999999999999", "45"});
  EXPECT_EQ(flap.status, 0) << flap.err;
  EXPECT_NE(flap.out.find(" at 0.9999999999999999"), std::string::npos) << flap.out;
}

// Ordinates all subnormal: the load's scale spans less than a pixel's worth of any finite number.
TEST_F(HostileInputs, NoInfinityReachesAPicture) {
  std::string tiny;
  std::size_t lineNumber = 0;
  for (const std::string& line : lines(test::fileBytes(folder / "naca2412.nca"))) {
    std::istringstream numbers(line);
    double xU = 0, yU = 0, xL = 0, yL = 0;
    if (++lineNumber <= 3 || !(numbers >> xU >> yU >> xL >> yL)) {
      tiny += line + "\n";
      continue;
    }
    std::ostringstream scaled;
    scaled.precision(17);
    scaled << xU << " " << yU * 1e-310 << " " << xL << " " << yL * 1e-310 << "\n";
    tiny += scaled.str();
  }
  test::writeBytes(folder / "tiny.nca", tiny);
  const ToolRun run =
      runTool(folder.path(), {"--plots", "p", "--axes", "open", "tiny.nca", "numerical"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "p")) {
    if (entry.path().extension() != ".svg") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string svg = test::fileBytes(entry.path());
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
  }
}

// A sweep whose step cannot move its angle must not run for ever.
TEST_F(HostileInputs, SweepAnglesAreDistinctAndCounted) {
  const ToolRun same = runTool(
      folder.path(), {"open", "naca2412.nca", "lsq", "3", "sweep", "1e22", "1e22", "1"}, 60);
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(lines(same.out).size(), 2u) << same.out;  // the heading and one angle
  const ToolRun tiny = runTool(
      folder.path(), {"open", "naca2412.nca", "lsq", "3", "sweep", "1e22", "2e22", "1"}, 60);
  EXPECT_EQ(tiny.status, 2);
  EXPECT_NE(tiny.err.find("sweep: a STEP of 1 is too small to change an angle of 2e+22"),
            std::string::npos)
      << tiny.err;
}

// The cost of a file follows its points: an outline and 60 MiB of line ends read at once.
TEST_F(HostileInputs, LineEndsCostNothing) {
  const std::filesystem::path airfoils = std::filesystem::path(VANTREL_TEST_DATA) / "airfoils";
  std::string outline = test::fileBytes(airfoils / "e387.dat");
  {
    std::ofstream file(folder / "padded.dat", std::ios::binary);
    file << outline;
    const std::string ends(1024 * 1024, '\n');
    for (int i = 0; i < 60; ++i) file << ends;
  }
  // Memory, not time, tells a reader whose cost follows the bytes: it needs gigabytes here. The
  // sanitizer's shadow memory needs the whole address space, so there the file is only read.
#if defined(__SANITIZE_ADDRESS__)
  const std::string limit;
#else
  const std::string limit = "ulimit -v 1000000 && ";
#endif
  const std::string command = "cd " + shellQuoted(folder.path().string()) + " && " + limit +
                              shellQuoted(VANTREL_BATCH_TOOL) +
                              " open padded.dat numerical >/dev/null 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The JSON carries the window's status line for the same actions: the method, the angle and the
// airfoil on screen, which a file that cannot be read leaves as they were.
TEST_F(HostileInputs, JsonStatusLineStaysWithTheAirfoilOnScreen) {
  const ToolRun read = runTool(folder.path(), {"--json", "open", "naca2412.nca", "numerical"});
  ASSERT_EQ(read.status, 0) << read.err;
  const std::string line = Json::parse(read.out)["StatusLine"];
  for (const char* part : {"NACA 2412", "naca2412.nca", "41 stations"}) {
    EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
  }
  const ToolRun failed = runTool(
      folder.path(), {"--json", "open", "naca2412.nca", "numerical", "open", "none.nca"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(Json::parse(failed.out)["StatusLine"], line);
}

// Names reach standard error with their control characters shown as "?": an escape sequence in
// a folder's or a file's name cannot drive the terminal.
TEST_F(HostileInputs, ControlCharactersInNamesAreShownEscaped) {
  test::writeBytes(folder / "file", "a file where a folder should be");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--workdir", "file/\x1B[2J", "numerical"},
           {"--plots", "file/\x1B]0;title\x07", "open", "naca2412.nca"},
           {"open", "\x1B[31mred.nca"},
           {"\x1B[31mred"},
           {"converge", "2412", "--\x1B[31m"},
           {"naca", "\x1B[31m"},
           {"convert",
            "\xC2\x9B"
            "31m.dat"},
       }) {
    SCOPED_TRACE(args.front());
    const ToolRun run = runTool(folder.path(), args);
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("\xC2\x9B"), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace vantrel::batch_test
