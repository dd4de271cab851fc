#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <cmath>

#include "batch/csv_export.h"
#include "batch_test_support.h"
#include "state/messages.h"

namespace vantrel::batch {
namespace {

using batch_test::fileBytes;
using batch_test::lines;
using batch_test::TempFolder;
using test::occurrences;

Action act(ActionKind kind, std::string text = {}) {
  Action action;
  action.kind = kind;
  action.text = std::move(text);
  return action;
}
Action scroll(ActionKind kind, int value) {
  Action action = act(kind);
  action.value = value;
  return action;
}
Action sweep(double from, double to, double step) {
  Action action = act(ActionKind::Sweep);
  action.from = from, action.to = to, action.step = step;
  return action;
}
Action leastSquares(const std::string& degree, bool withEnds = true) {
  Action action = act(ActionKind::Lsq, degree);
  action.withEnds = withEnds;
  return action;
}

double liftAt(double alfa, double Alfa0) {
  const double Pi = 4 * std::atan(1.0);
  return 2 * Pi * (alfa - Alfa0) * Pi / 180;
}

// Writes an airfoil file into the test's folder and opens it, as "open <file>" would.
bool openWritten(BatchRunner& runner, const TempFolder& folder, const std::string& fileName,
                 void (*write)(const std::filesystem::path&)) {
  write(folder / fileName);
  return runner.run(act(ActionKind::Open, (folder / fileName).string()));
}

TEST(BatchRunner, RefusedActionsFailWithTheProgramsMessage) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  EXPECT_FALSE(runner.run(scroll(ActionKind::AlfaScroll, 120)));
  EXPECT_EQ(runner.controls().text(TextBox::Text_Alfa), "0");
  ASSERT_EQ(runner.failures().size(), 1u);
  EXPECT_EQ(runner.failures()[0], "alfa-scroll: Open an airfoil data file");
  EXPECT_FALSE(runner.run(act(ActionKind::Vortex)));
  EXPECT_TRUE(runner.run(act(ActionKind::Alfa, "3")));
  EXPECT_EQ(runner.controls().text(TextBox::Text_Alfa), "3");
  EXPECT_FALSE(runner.run(act(ActionKind::Open, (folder / "missing.nca").string())));
  EXPECT_TRUE(runner.failures().back().starts_with("open: "));
}

TEST(BatchRunner, SweepNeedsAMethodThatRan) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  // A refused fit is no method to rerun.
  EXPECT_FALSE(runner.run(leastSquares("3")));
  EXPECT_FALSE(runner.run(sweep(0, 1, 1)));
  EXPECT_EQ(runner.failures().back(),
            "sweep: no method has run yet; use lsq, numerical or vortex before sweep");
  EXPECT_FALSE(runner.sweep());
}

TEST(BatchRunner, FlatPlateLumpedVortex) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  ASSERT_TRUE(openWritten(runner, folder, "flat.nca", batch_test::writeFlatPlate));
  ASSERT_TRUE(runner.run(act(ActionKind::Alfa, "5")));
  ASSERT_TRUE(runner.run(act(ActionKind::Vortex)));
  EXPECT_EQ(runner.controls().text(TextBox::Text_CL), "0.548");
  EXPECT_EQ(runner.controls().text(TextBox::Text_CmAC), "0.001");
  EXPECT_EQ(runner.ortak().M, 20);
  EXPECT_TRUE(runner.failures().empty());
}

TEST(BatchRunner, VortexSweepRerunsTheMethodAtEachAngle) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  ASSERT_TRUE(openWritten(runner, folder, "flat.nca", batch_test::writeFlatPlate));
  ASSERT_TRUE(runner.run(act(ActionKind::Vortex)));
  ASSERT_TRUE(runner.run(sweep(-2, 5, 1)));
  ASSERT_TRUE(runner.sweep());
  const SweepTable& table = *runner.sweep();
  EXPECT_EQ(table.columns, kVortexSweepColumns);
  ASSERT_EQ(table.rows.size(), 8u);
  const double Pi = 4 * std::atan(1.0);
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const double alfa = -2.0 + static_cast<double>(i);
    EXPECT_EQ(table.rows[i][0], alfa);
    // Full precision, not the three decimals of the text boxes.
    EXPECT_NEAR(table.rows[i][1], 2 * Pi * std::sin(alfa * Pi / 180), 1e-12) << alfa;
  }
  EXPECT_EQ(runner.controls().text(TextBox::Text_Alfa), "5");
  // One report block set per "Lumped Vortex Method", as eight clicks would leave.
  const std::string report = fileBytes(folder / "Vantrel.txt");
  EXPECT_EQ(occurrences(report, " Camber line and panel properties"), 9u);
}

TEST(BatchRunner, FourierSweepRecomputesTheLoadsAtEachAngle) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  ASSERT_TRUE(openWritten(runner, folder, "parabola.nca", batch_test::writeParabola));
  ASSERT_TRUE(runner.run(leastSquares("2")));
  ASSERT_TRUE(runner.run(act(ActionKind::Xm, "0.5")));  // typed, read by the next computation
  ASSERT_TRUE(runner.run(sweep(-2, 2, 0.5)));
  const SweepTable& table = *runner.sweep();
  EXPECT_EQ(table.columns, kFourierSweepColumns);
  ASSERT_EQ(table.rows.size(), 9u);
  for (const auto& row : table.rows) {
    const double Alfa0 = row[3];
    const double CmAC = row[4];
    EXPECT_NEAR(Alfa0, -2.2918, 1e-4);
    EXPECT_NEAR(CmAC, -4 * std::atan(1.0) * 0.08 / 4, 1e-9);
    EXPECT_NEAR(row[1], liftAt(row[0], Alfa0), 1e-12);
    EXPECT_DOUBLE_EQ(row[2], CmAC + 0.25 * row[1]);
  }
  EXPECT_EQ(table.rows[1][0], -1.5);
  // Every angle appends one coefficient block, as every scroll-bar move would.
  const std::string log = fileBytes(folder / "Poly5.txt");
  EXPECT_EQ(occurrences(log, " Aerodinamik b\xFCy\xFCkl\xFCkler"), 10u);
}

// In either language.
TEST(BatchRunner, DegreeCapIsANoticeNotAFailure) {
  for (Language language : allLanguages()) {
    TempFolder folder;
    BatchRunner runner(folder.path(), language);
    ASSERT_TRUE(openWritten(runner, folder, "parabola.nca", batch_test::writeParabola));
    EXPECT_TRUE(runner.run(leastSquares("7", false)));
    EXPECT_EQ(runner.controls().messages(),
              std::vector<std::string>{textsIn(language).degreeCapMessage});
    EXPECT_EQ(runner.controls().text(TextBox::Text_N), "7");
    EXPECT_EQ(runner.ortak().M, 5);
    EXPECT_TRUE(runner.failures().empty());
  }
}

TEST(BatchRunner, CsvDataFollowsThePlots) {
  TempFolder folder;
  BatchRunner runner(folder.path());
  ASSERT_TRUE(openWritten(runner, folder, "parabola.nca", batch_test::writeParabola));
  EXPECT_EQ(lines(camberPolynomialCsv(runner.controls().picture(Picture::Picture_Camber))),
            std::vector<std::string>{"x,y"});
  ASSERT_TRUE(runner.run(leastSquares("2")));
  ASSERT_TRUE(runner.run(scroll(ActionKind::AlfaScroll, 140)));
  ASSERT_TRUE(runner.run(scroll(ActionKind::XmScroll, 50)));
  const Ortak& ortak = runner.ortak();
  const auto& controls = runner.controls();

  const auto camber = lines(camberCsv(ortak));
  ASSERT_EQ(camber.size(), 22u);
  EXPECT_EQ(camber[0], "x,y");
  EXPECT_EQ(camber[11], "0.5,0.02");

  const auto polynomial = lines(camberPolynomialCsv(controls.picture(Picture::Picture_Camber)));
  ASSERT_EQ(polynomial.size(), 22u);  // header and the 21 ends of 20 segments
  EXPECT_EQ(polynomial[1], "0,0");
  EXPECT_EQ(polynomial[21], "1,0");

  const auto lift = lines(lineAndPointCsv(controls.picture(Picture::Picture_CL), "CL"));
  ASSERT_EQ(lift.size(), 4u);
  EXPECT_EQ(lift[0], "point,alfa,CL");
  EXPECT_TRUE(lift[2].starts_with("line_end,10,"));
  EXPECT_TRUE(lift[3].starts_with("operating,4,"));
  EXPECT_NEAR(std::stod(lift[3].substr(12)), ortak.CL, 1e-6);

  const auto moment = lines(lineAndPointCsv(controls.picture(Picture::Picture_Cmx), "Cmx"));
  ASSERT_EQ(moment.size(), 4u);
  EXPECT_NEAR(std::stod(moment[3].substr(12)), ortak.CmAC + 0.25 * ortak.CL, 1e-6);

  const auto load = lines(loadCsv(controls.picture(Picture::Picture_Load)));
  ASSERT_EQ(load.size(), 21u);  // stations 2 to 21
  EXPECT_EQ(load[0], "x,load");
  EXPECT_EQ(load[20], "1,0");  // the trailing edge carries no load
}

}  // namespace
}  // namespace vantrel::batch
