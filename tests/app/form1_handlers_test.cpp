#include "app/form1_handlers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <utility>

#include "app/handlers_test.h"
#include "fixtures/test_airfoil.h"
#include "state/headless_controls.h"
#include "state/messages.h"
#include "support/test_files.h"

namespace vantrel {
namespace {

class Form1HandlersTest : public test::HandlersTest {
 protected:
  void parseNcaFile(const std::vector<test::Station>& camber) {
    const std::filesystem::path folder = workDir / "airfoils";
    std::filesystem::create_directories(folder);
    test::writeBytes(folder / "camber.nca", test::airfoilFileText("CAMBER", camber, camber));
    ASSERT_TRUE(handlers.File1_Click(folder.string(), "camber.nca"));
  }
  void readParabola() { parseNcaFile(test::parabolicCamber({0, 0.1, 0.25, 0.5, 0.75, 0.9, 1})); }
  void calculate(const std::string& degree) {
    handlers.Mn_Polynomial_Click();
    form.setText(TextBox::Text_N, degree);
    handlers.Cmnd_LSQM_Click();
  }
  std::filesystem::path log() const { return workDir / "Poly5.txt"; }
  bool nothingDrawn() const {
    for (Picture picture : kAllPictures) {
      if (!form.picture(picture).operations().empty()) return false;
    }
    return true;
  }
};

TEST_F(Form1HandlersTest, ScrollBarsBeforeAFileOnlyTellTheUser) {
  handlers.HScroll_Alfa_Change(150);
  handlers.HScroll_xM_Change(30);
  EXPECT_EQ(form.messages(), (std::vector<std::string>{kOpenAirfoilMessage, kOpenAirfoilMessage}));
  EXPECT_EQ(form.text(TextBox::Text_Alfa), "0");
  EXPECT_EQ(form.text(TextBox::Text_xM), "0");
  EXPECT_FALSE(std::filesystem::exists(log()));
  EXPECT_TRUE(nothingDrawn());
}

TEST_F(Form1HandlersTest, ScrollValuesBecomeAnglesAndReferencePoints) {
  readParabola();
  calculate("2");
  const std::pair<int, const char*> angles[] = {
      {0, "-10"}, {95, "-0.5"}, {100, "0"}, {103, "0.3"}, {200, "10"}};
  for (const auto& [value, text] : angles) {
    handlers.HScroll_Alfa_Change(value);
    EXPECT_EQ(form.text(TextBox::Text_Alfa), text);
    EXPECT_EQ(ortak.Alfa, (value - 100) / 10.0);
  }
  // At 10 degrees the parabola (zero-lift angle -2.2918) lifts 2·Pi·12.2918·Pi/180.
  EXPECT_EQ(form.text(TextBox::Text_CL), "1.348");
  const std::pair<int, const char*> points[] = {{0, "0"}, {7, "0.07"}, {25, "0.25"}, {100, "1"}};
  for (const auto& [value, text] : points) {
    handlers.HScroll_xM_Change(value);
    EXPECT_EQ(form.text(TextBox::Text_xM), text);
  }
  EXPECT_EQ(form.text(TextBox::Text_Cmx), "0.948");  // CmAC + 0.75·CL at the trailing edge
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(Form1HandlersTest, DegreeAboveFiveIsCappedWithOneMessage) {
  parseNcaFile(test::parabolicCamber({0, 0.1, 0.2, 0.3, 0.5, 0.7, 0.9, 1}));
  for (const char* degree : {"6", "7"}) {
    calculate(degree);
    EXPECT_EQ(form.messages(), std::vector<std::string>{kOriginalTexts.degreeCapMessage}) << degree;
    EXPECT_EQ(ortak.M, 5.0);
    EXPECT_EQ(form.caption(Label::Lbl_Degree), "5");
    EXPECT_EQ(form.text(TextBox::Text_N), degree);
    EXPECT_NE(test::fileBytes(log()).find(" A 5  = "), std::string::npos);
    form = HeadlessControls();
  }
  calculate("5");
  EXPECT_TRUE(form.messages().empty());
  EXPECT_EQ(ortak.M, 5.0);
}

TEST_F(Form1HandlersTest, CalculateBeforeAnAirfoilDoesNothingButTell) {
  test::writeBytes(log(), "kept\r\n");
  calculate("3");
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOpenAirfoilMessage});
  EXPECT_FALSE(form.frameVisible(Frame::Frame_LeastSquares));
  EXPECT_EQ(test::fileBytes(log()), "kept\r\n");
  EXPECT_TRUE(ortak.A.empty());
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "");
  EXPECT_TRUE(nothingDrawn());
  EXPECT_FALSE(form.labelVisible(Label::Lbl_Degree));
}

TEST_F(Form1HandlersTest, CalculateStartsTheLogAfresh) {
  readParabola();
  test::writeBytes(log(), "an earlier run\r\n");
  calculate("2");
  const std::string first = test::fileBytes(log());
  EXPECT_EQ(first.rfind("\r\n Coefficients matrix\r\n\r\n", 0), 0u);
  calculate("2");
  EXPECT_EQ(test::fileBytes(log()), first);
  EXPECT_FALSE(form.frameVisible(Frame::Frame_LeastSquares));
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "-2.29");
}

TEST_F(Form1HandlersTest, UnwritableLogStillShowsTheValuesAndTellsOnce) {
  readParabola();
  std::filesystem::create_directory(log());  // a folder where the log should be
  calculate("2");
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_NE(form.messages()[0].find("\"Poly5.txt\""), std::string::npos);
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "-2.29");
  EXPECT_EQ(form.text(TextBox::Text_CL), "0.251");
  EXPECT_FALSE(form.picture(Picture::Picture_Load).operations().empty());
  handlers.HScroll_Alfa_Change(120);  // a new action may tell again, once
  EXPECT_EQ(form.messages().size(), 2u);
  EXPECT_EQ(form.text(TextBox::Text_CL), "0.471");
}

TEST_F(Form1HandlersTest, LogInAMissingFolderIsReportedOnce) {
  Form1Handlers elsewhere(ortak, form, workDir / "missing" / "folder");
  elsewhere.Form_Load();
  const std::vector<test::Station> camber = test::parabolicCamber({0, 0.25, 0.5, 0.75, 1});
  test::writeBytes(workDir / "camber.nca", test::airfoilFileText("CAMBER", camber, camber));
  ASSERT_TRUE(elsewhere.File1_Click(workDir.string(), "camber.nca"));
  const std::size_t before = form.messages().size();
  elsewhere.Mn_Polynomial_Click();
  form.setText(TextBox::Text_N, "2");
  elsewhere.Cmnd_LSQM_Click();
  ASSERT_EQ(form.messages().size(), before + 1);
  EXPECT_NE(form.messages().back().find("Poly5.txt"), std::string::npos);
  EXPECT_EQ(form.text(TextBox::Text_Alfa0), "-2.29");
}

TEST_F(Form1HandlersTest, DegreesThatCannotBeFittedAreRefusedBeforeAnythingChanges) {
  parseNcaFile(test::parabolicCamber({0, 0.5, 1}));
  test::writeBytes(log(), "kept\r\n");
  for (const char* degree : {"2.5", "-1", "3"}) {
    calculate(degree);
    ASSERT_EQ(form.messages().size(), 1u) << degree;
    EXPECT_TRUE(ortak.A.empty());
    form = HeadlessControls();
  }
  EXPECT_EQ(test::fileBytes(log()), "kept\r\n");
  calculate("2");
  EXPECT_TRUE(form.messages().empty());
  EXPECT_EQ(ortak.A.size(), 6u);
}

TEST_F(Form1HandlersTest, ScrollBarsBeforeAnyCoefficientsOnlyMoveTheirText) {
  readParabola();
  handlers.HScroll_Alfa_Change(130);
  handlers.HScroll_xM_Change(40);
  EXPECT_EQ(form.text(TextBox::Text_Alfa), "3");
  EXPECT_EQ(form.text(TextBox::Text_xM), "0.4");
  EXPECT_EQ(form.text(TextBox::Text_CL), "");
  EXPECT_EQ(form.text(TextBox::Text_Cmx), "");
  EXPECT_FALSE(std::filesystem::exists(log()));
  EXPECT_TRUE(form.picture(Picture::Picture_CL).operations().empty());
  EXPECT_TRUE(form.messages().empty());
}

// Notes what the results log holds at the moment each message is shown, as a user reading the
// message box could see it.
class LogWatchingControls : public HeadlessControls {
 public:
  explicit LogWatchingControls(std::filesystem::path log) : log_(std::move(log)) {}
  void showMessage(const std::string& message) override {
    HeadlessControls::showMessage(message);
    logAtMessage.push_back(std::filesystem::exists(log_) ? test::fileBytes(log_) : "(none)");
  }
  std::vector<std::string> logAtMessage;

 private:
  std::filesystem::path log_;
};

TEST_F(Form1HandlersTest, DegreeMessageComesAfterTheLogIsEmptiedAndBeforeTheFit) {
  parseNcaFile(test::parabolicCamber({0, 0.1, 0.2, 0.3, 0.5, 0.7, 0.9, 1}));
  test::writeBytes(log(), "an earlier run\r\n");
  LogWatchingControls watching(log());
  Form1Handlers calculating(ortak, watching, workDir);
  calculating.Form_Load();
  ASSERT_TRUE(calculating.File1_Click((workDir / "airfoils").string(), "camber.nca"));
  watching.setText(TextBox::Text_N, "6");
  calculating.Cmnd_LSQM_Click();
  EXPECT_EQ(watching.messages(), std::vector<std::string>{kOriginalTexts.degreeCapMessage});
  EXPECT_EQ(watching.logAtMessage, std::vector<std::string>{""});
  EXPECT_NE(test::fileBytes(log()).find(" A 5  = "), std::string::npos);
}

TEST_F(Form1HandlersTest, CappedDegreeThatCannotBeFittedTellsBothAndKeepsTheLog) {
  parseNcaFile(test::parabolicCamber({0, 0.5, 1}));
  test::writeBytes(log(), "kept\r\n");
  calculate("8");
  ASSERT_EQ(form.messages().size(), 2u);
  EXPECT_EQ(form.messages()[0], kOriginalTexts.degreeCapMessage);
  EXPECT_NE(form.messages()[1].find("degree 5"), std::string::npos);
  EXPECT_EQ(test::fileBytes(log()), "kept\r\n");
}

// Records every change the handlers make to the panels and labels, and what the window model
// held when the reader first drew: the order of a handler's steps is what the user sees.
class StepRecordingControls : public HeadlessControls {
 public:
  void setFrameVisible(Frame frame, bool visible) override {
    HeadlessControls::setFrameVisible(frame, visible);
    steps.push_back(std::string(visible ? "show " : "hide ") +
                    (frame == Frame::Frame_IOWindow ? "Frame_IOWindow" : "Frame_LeastSquares"));
  }
  void setLabelVisible(Label label, bool visible) override {
    HeadlessControls::setLabelVisible(label, visible);
    steps.push_back(std::string(visible ? "show " : "hide ") + nameOf(label));
  }
  PictureBox& picture(Picture picture) override {
    if (handlers != nullptr && !drawnWhile) {
      drawnWhile = std::pair(handlers->DataFile(), handlers->FileLoaded());
    }
    return HeadlessControls::picture(picture);
  }

  std::vector<std::string> steps;
  const Form1Handlers* handlers = nullptr;
  std::optional<std::pair<std::string, bool>> drawnWhile;
};

TEST_F(Form1HandlersTest, HandlersTakeTheirStepsInOrder) {
  StepRecordingControls recording;
  Form1Handlers window(ortak, recording, workDir);
  recording.handlers = &window;
  window.Form_Load();
  EXPECT_EQ(recording.steps, (std::vector<std::string>{"hide Frame_LeastSquares", "hide Lbl_LSQ",
                                                       "hide Lbl_Degree"}));
  EXPECT_EQ(ortak.Pi, 4 * std::atan(1.0));
  EXPECT_FALSE(window.FileLoaded());

  // "Airfoil" and "Polynomial Integration" each show their panel and nothing else.
  recording.steps.clear();
  window.Mn_Airfoil_Click();
  window.Mn_Polynomial_Click();
  EXPECT_EQ(recording.steps,
            (std::vector<std::string>{"show Frame_IOWindow", "show Frame_LeastSquares"}));
  EXPECT_TRUE(recording.messages().empty());
  EXPECT_EQ(ortak.NPoint, 0);
  EXPECT_FALSE(std::filesystem::exists(workDir / "Vantrel.txt"));

  // A file read a second time: the path is set and the airfoil counts as not read while it is
  // being read; only then is the panel hidden.
  const std::filesystem::path folder = workDir / "airfoils";
  std::filesystem::create_directories(folder);
  test::writeBytes(folder / "camber.nca",
                   test::airfoilFileText("CAMBER", test::parabolicCamber({0, 0.5, 1}),
                                         test::parabolicCamber({0, 0.5, 1})));
  const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
  ASSERT_TRUE(window.File1_Click(folder.string(), "camber.nca"));
  recording.drawnWhile.reset();
  recording.steps.clear();
  ASSERT_TRUE(window.File1_Click(folder.string(), "camber.nca"));
  const std::string expectedPath = folder.string() + separator + "camber.nca";
  ASSERT_TRUE(recording.drawnWhile);
  EXPECT_EQ(*recording.drawnWhile, std::pair(expectedPath, false));
  EXPECT_EQ(window.DataFile(), expectedPath);
  EXPECT_TRUE(window.FileLoaded());
  EXPECT_EQ(recording.steps,
            (std::vector<std::string>{"hide Lbl_LSQ", "hide Lbl_Degree", "hide Frame_IOWindow"}));

  // A folder that ends with the separator (a root) still gets one added, which is accepted.
  ASSERT_TRUE(window.File1_Click(folder.string() + separator, "camber.nca"));
  EXPECT_EQ(window.DataFile(), folder.string() + separator + separator + "camber.nca");

  // A file that cannot be read leaves the file of the airfoil on screen.
  const std::string onScreen = window.DataFile();
  recording.steps.clear();
  EXPECT_FALSE(window.File1_Click(folder.string(), "absent.nca"));
  EXPECT_EQ(window.DataFile(), onScreen);
  EXPECT_TRUE(window.FileLoaded());      // the previous airfoil is still there
  EXPECT_TRUE(recording.steps.empty());  // the panel stays open for another choice
}

// Read one airfoil, compute, read another: nothing of the first one's results stays.
TEST_F(Form1HandlersTest, ANewAirfoilStartsWithoutThePreviousResults) {
  readParabola();
  calculate("3");
  handlers.HScroll_Alfa_Change(120);
  ASSERT_FALSE(form.text(TextBox::Text_CL).empty());
  const std::string logBefore = test::fileBytes(log());

  parseNcaFile(test::parabolicCamber({0, 0.2, 0.4, 0.6, 0.8, 1}));
  EXPECT_TRUE(ortak.A.empty());
  for (TextBox box :
       {TextBox::Text_Alfa0, TextBox::Text_CmAC, TextBox::Text_CL, TextBox::Text_Cmx}) {
    EXPECT_EQ(form.text(box), "") << nameOf(box);
  }
  for (Picture picture : {Picture::Picture_CL, Picture::Picture_Cmx, Picture::Picture_Load}) {
    EXPECT_TRUE(form.picture(picture).operations().empty()) << nameOf(picture);
  }
  EXPECT_FALSE(form.picture(Picture::Picture_Camber).operations().empty());
  EXPECT_FALSE(form.labelVisible(Label::Lbl_LSQ));
  EXPECT_FALSE(form.labelVisible(Label::Lbl_Degree));
  EXPECT_EQ(test::fileBytes(log()), logBefore);
  EXPECT_EQ(handlers.statusLine(), "No results yet  |  CAMBER (camber.nca), 6 stations");

  // Without coefficients the scroll bars only move their boxes.
  handlers.HScroll_Alfa_Change(150);
  handlers.HScroll_xM_Change(30);
  EXPECT_EQ(form.text(TextBox::Text_Alfa), "5");
  EXPECT_EQ(form.text(TextBox::Text_xM), "0.3");
  EXPECT_EQ(form.text(TextBox::Text_CL), "");
  EXPECT_TRUE(form.picture(Picture::Picture_CL).operations().empty());
  EXPECT_EQ(test::fileBytes(log()), logBefore);
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(Form1HandlersTest, NumericalIntegrationWithoutAnAirfoilOnlyTells) {
  handlers.Mn_Numerical_Click();
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOpenAirfoilMessage});
  EXPECT_TRUE(ortak.A.empty());
  EXPECT_EQ(ortak.M, 0.0);
  EXPECT_TRUE(nothingDrawn());
  EXPECT_FALSE(std::filesystem::exists(log()));
}

TEST_F(Form1HandlersTest, LumpedVortexWithoutAnAirfoilOnlyTells) {
  handlers.Mn_LumpVM_Click();
  ASSERT_EQ(form.messages().size(), 1u);
  EXPECT_EQ(form.messages()[0], kOpenAirfoilMessage);
  EXPECT_FALSE(std::filesystem::exists(workDir / "Vantrel.txt"));
}

TEST_F(Form1HandlersTest, EnterAppliesTheTypedNumberAsTheScrollBarWould) {
  form.setText(TextBox::Text_Alfa, "3");
  EXPECT_EQ(handlers.Text_Alfa_Enter(), 130);
  EXPECT_EQ(form.messages(), std::vector<std::string>{kOpenAirfoilMessage});

  readParabola();
  calculate("2");
  HeadlessControls scrolled;
  {
    Ortak other = ortak;
    Form1Handlers byBar(other, scrolled, workDir);
    byBar.Form_Load();
    ASSERT_TRUE(byBar.File1_Click((workDir / "airfoils").string(), "camber.nca"));
    byBar.Mn_Polynomial_Click();
    scrolled.setText(TextBox::Text_N, "2");
    byBar.Cmnd_LSQM_Click();
    byBar.HScroll_Alfa_Change(124);
    byBar.HScroll_xM_Change(37);
  }
  form.setText(TextBox::Text_Alfa, "2.4");
  EXPECT_EQ(handlers.Text_Alfa_Enter(), 124);
  form.setText(TextBox::Text_xM, "0.37abc");
  EXPECT_EQ(handlers.Text_xM_Enter(), 37);
  for (TextBox box : kAllTextBoxes) EXPECT_EQ(form.text(box), scrolled.text(box)) << nameOf(box);
  EXPECT_EQ(form.picture(Picture::Picture_Cmx).operations().size(),
            scrolled.picture(Picture::Picture_Cmx).operations().size());

  // Beyond the bar's range the value is used as typed and the bar goes to its end.
  form.setText(TextBox::Text_Alfa, "14");
  EXPECT_EQ(handlers.Text_Alfa_Enter(), 200);
  EXPECT_EQ(ortak.Alfa, 14.0);
  form.setText(TextBox::Text_xM, "-1e400");
  EXPECT_EQ(handlers.Text_xM_Enter(), 0);
}

// Whatever makes a read fail, the airfoil on screen keeps its file, its results and its status
// line: the lessons and the status line go on naming what the user sees.
TEST_F(Form1HandlersTest, AFailedReadLeavesEverythingWithTheAirfoilOnScreen) {
  const std::filesystem::path folder = workDir / "airfoils";
  std::filesystem::create_directories(folder);
  std::string brokenClarkY;
  {
    std::istringstream clarkY(
        test::fileBytes(std::filesystem::path(VANTREL_TEST_DATA) / "airfoils" / "clarky.dat"));
    int lineNumber = 0;
    for (std::string line; std::getline(clarkY, line);) {
      brokenClarkY += (++lineNumber == 21 ? std::string("......") : line) + "\n";
    }
  }
  const std::pair<const char*, std::string> broken[] = {
      {"broken.dat", brokenClarkY},
      {"broken.nca", "BROKEN\n\n\n0 0 0 0\n0.5 abc 0.5 0\n"},
      {"empty.nca", ""},
  };
  for (const auto& [name, bytes] : broken) test::writeBytes(folder / name, bytes);
  readParabola();
  handlers.Mn_Numerical_Click();
  const std::string dataFile = handlers.DataFile();
  const std::string status = handlers.statusLine();
  const Ortak before = ortak;
  for (const auto& [name, bytes] : broken) {
    SCOPED_TRACE(name);
    const std::size_t messages = form.messages().size();
    EXPECT_FALSE(handlers.File1_Click(folder.string(), name));
    EXPECT_EQ(form.messages().size(), messages + 1);
    EXPECT_EQ(handlers.DataFile(), dataFile);
    EXPECT_EQ(handlers.statusLine(), status);
    EXPECT_TRUE(handlers.FileLoaded());
    EXPECT_EQ(ortak, before);
  }
  EXPECT_FALSE(handlers.File1_Click(folder.string(), "absent.nca"));
  EXPECT_EQ(handlers.statusLine(), status);
}

TEST_F(Form1HandlersTest, StatusLineNamesTheMethodBehindTheNumbersShown) {
  EXPECT_EQ(handlers.statusLine(), "No airfoil read yet");
  readParabola();
  form.select(Option::Opt_WithOutEnd);
  calculate("3");
  const std::string airfoil = "  |  CAMBER (camber.nca), 7 stations";
  EXPECT_EQ(handlers.statusLine(),
            "Least squares, degree 3, without end conditions  |  α = 0°, xM/c = 0" + airfoil);
  handlers.Mn_Numerical_Click();
  handlers.HScroll_xM_Change(25);
  EXPECT_EQ(handlers.statusLine(),
            "Numerical integration, 7 stations  |  α = 0°, xM/c = 0.25" + airfoil);
  form.setText(TextBox::Text_Alfa, "2");
  handlers.Mn_LumpVM_Click();
  EXPECT_EQ(handlers.statusLine(),
            "Lumped vortex, 6 panels: CL and the moment about the quarter chord; α₀ and Cmx from "
            "Numerical integration, 7 stations  |  α = 2°, xM/c = 0.25" +
                airfoil);
  handlers.HScroll_Alfa_Change(110);
  EXPECT_EQ(handlers.statusLine(),
            "Numerical integration, 7 stations (α changed after the lumped vortex method: "
            "recomputed from these Fourier coefficients)  |  α = 1°, xM/c = 0.25" +
                airfoil);
}

}  // namespace
}  // namespace vantrel
