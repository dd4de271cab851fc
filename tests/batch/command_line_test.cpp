#include "batch/command_line.h"

#include <gtest/gtest.h>

#include "batch/sweep_angles.h"

namespace vantrel::batch {
namespace {

RunCommand parsedRun(const std::vector<std::string>& arguments) {
  const Command command = parseCommandLine(arguments);
  if (const auto* error = std::get_if<UsageError>(&command)) {
    ADD_FAILURE() << "refused: " << error->message;
    return {};
  }
  return std::get<RunCommand>(command);
}

std::string refusal(const std::vector<std::string>& arguments) {
  const Command command = parseCommandLine(arguments);
  const auto* error = std::get_if<UsageError>(&command);
  return error != nullptr ? error->message : std::string("(accepted)");
}

TEST(CommandLine, ReadsActionsInOrderWithOptionsAnywhere) {
  const RunCommand run =
      parsedRun({"--workdir", "w",      "open",  "a b.nca", "--json",      "alfa", "-3",      "lsq",
                 "4",         "free",   "xm",    "--csv",   "alfa-scroll", "140",  "--plots", "p",
                 "numerical", "vortex", "sweep", "-4",      "10",          "0.5",  "--csv",   "c"});
  EXPECT_EQ(run.options.workDir, "w");
  EXPECT_TRUE(run.options.json);
  EXPECT_EQ(run.options.plotsDir, std::filesystem::path("p"));
  EXPECT_EQ(run.options.csvDir, std::filesystem::path("c"));
  ASSERT_EQ(run.actions.size(), 8u);
  EXPECT_EQ(run.actions[0].kind, ActionKind::Open);
  EXPECT_EQ(run.actions[0].text, "a b.nca");
  EXPECT_EQ(run.actions[1].text, "-3");  // an argument, not an option
  EXPECT_EQ(run.actions[2].kind, ActionKind::Lsq);
  EXPECT_FALSE(run.actions[2].withEnds);
  EXPECT_EQ(run.actions[3].text, "--csv");  // typed into Text_xM as it stands
  EXPECT_EQ(run.actions[4].value, 140);
  EXPECT_EQ(run.actions[7].kind, ActionKind::Sweep);
  EXPECT_EQ(run.actions[7].from, -4);
  EXPECT_EQ(run.actions[7].step, 0.5);
}

TEST(CommandLine, LeastSquaresDefaultsToEndConditions) {
  const RunCommand run = parsedRun({"lsq", "3", "numerical", "lsq", "2", "ends"});
  ASSERT_EQ(run.actions.size(), 3u);
  EXPECT_TRUE(run.actions[0].withEnds);
  EXPECT_EQ(run.actions[1].kind, ActionKind::Numerical);
  EXPECT_TRUE(run.actions[2].withEnds);
  EXPECT_EQ(run.options.workDir, ".");
  EXPECT_FALSE(run.options.json);
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstand) {
  EXPECT_EQ(refusal({}), "no action given");
  EXPECT_EQ(refusal({"--json"}), "no action given");
  EXPECT_EQ(refusal({"fly"}), "unknown action \"fly\"");
  EXPECT_EQ(refusal({"--verbose", "numerical"}), "unknown option \"--verbose\"");
  EXPECT_EQ(refusal({"open"}), "open: missing its argument");
  EXPECT_EQ(refusal({"numerical", "alfa"}), "alfa: missing its argument");
  EXPECT_EQ(refusal({"lsq"}), "lsq: missing its argument");
  EXPECT_EQ(refusal({"numerical", "--workdir"}), "--workdir: missing DIR");
  EXPECT_EQ(refusal({"sweep", "0", "1"}), "sweep: missing FROM TO STEP");
}

TEST(CommandLine, ScrollValuesMustBeWholeNumbersInRange) {
  EXPECT_EQ(parsedRun({"alfa-scroll", "0"}).actions[0].value, 0);
  EXPECT_EQ(parsedRun({"alfa-scroll", "200"}).actions[0].value, 200);
  EXPECT_EQ(parsedRun({"xm-scroll", "100"}).actions[0].value, 100);
  for (const char* bad : {"201", "-1", "1.5", "abc", "", "10x"}) {
    EXPECT_NE(refusal({"alfa-scroll", bad}), "(accepted)") << bad;
  }
  EXPECT_NE(refusal({"xm-scroll", "101"}), "(accepted)");
}

TEST(CommandLine, SweepNeedsAStepTowardsItsEnd) {
  EXPECT_EQ(refusal({"sweep", "0", "10", "0"}), "sweep: STEP must not be 0");
  EXPECT_EQ(refusal({"sweep", "0", "10", "-1"}), "sweep: STEP must lead from FROM towards TO");
  EXPECT_EQ(refusal({"sweep", "0", "10", "x"}), "sweep: FROM, TO and STEP must be numbers");
  EXPECT_EQ(refusal({"sweep", "0", "inf", "1"}), "sweep: FROM, TO and STEP must be numbers");
  EXPECT_EQ(refusal({"sweep", "0", "1e9", "1e-3"}), "sweep: more than 100000 angles");
  EXPECT_EQ(refusal({"sweep", "0", "1", "1", "sweep", "0", "1", "1"}),
            "sweep: only one sweep or compare per run");
  EXPECT_EQ(parsedRun({"sweep", "10", "-4", "-2"}).actions[0].step, -2);
}

TEST(CommandLine, GeneratorsTakeTheirOwnArguments) {
  const Command naca = parseCommandLine({"naca", "2412", "--stations", "41"});
  ASSERT_TRUE(std::holds_alternative<NacaCommand>(naca));
  EXPECT_EQ(std::get<NacaCommand>(naca).designation, "2412");
  EXPECT_EQ(std::get<NacaCommand>(naca).stations, 41);
  EXPECT_EQ(std::get<NacaCommand>(parseCommandLine({"naca", "0012"})).stations, 41);
  EXPECT_EQ(std::get<ConvertCommand>(parseCommandLine({"convert", "x.dat"})).stations, kDefaultStations);
  EXPECT_EQ(refusal({"naca"}), "naca: missing DESIGNATION");
  EXPECT_EQ(refusal({"convert", "x.dat", "--stations", "1"}),
            "convert: --stations needs a whole number from 2 to 100000");
  // Followed by anything but --stations, the word is the action that reads the section.
  const RunCommand run = parsedRun({"naca", "2412", "--json"});
  ASSERT_EQ(run.actions.size(), 1u);
  EXPECT_EQ(run.actions[0].kind, ActionKind::Naca);
  EXPECT_TRUE(run.options.json);
  EXPECT_EQ(parsedRun({"naca", "2412", "61", "numerical"}).actions[0].value, 61);
  // The generator's own limit, told on the command line rather than as a wrong designation.
  EXPECT_EQ(
      std::get<NacaCommand>(parseCommandLine({"naca", "2412", "--stations", "10000"})).stations,
      10000);
  EXPECT_EQ(refusal({"naca", "2412", "--stations", "10001"}),
            "naca: --stations needs a whole number from 2 to 10000");
  EXPECT_TRUE(std::holds_alternative<HelpCommand>(parseCommandLine({"--help"})));
}

TEST(CommandLine, AxesGoWithPlots) {
  EXPECT_TRUE(parsedRun({"--plots", "p", "--axes", "numerical"}).options.axes);
  EXPECT_FALSE(parsedRun({"--plots", "p", "numerical"}).options.axes);
  EXPECT_EQ(refusal({"--axes", "numerical"}),
            "--axes: adds axes and values to the pictures of --plots DIR, which is missing");
}

TEST(SweepAngles, EndsAtTheLastAngleDespiteRounding) {
  const auto angles = sweepAngles(-4, 10, 0.1);
  ASSERT_EQ(angles.size(), 141u);
  EXPECT_EQ(angles.front(), -4);
  EXPECT_NEAR(angles.back(), 10, 1e-12);
  EXPECT_NEAR(angles[43], 0.3, 1e-12);  // FROM + i·STEP, not a running sum
  EXPECT_EQ(sweepAngles(5, 5, 1), std::vector<double>{5});
  EXPECT_EQ(sweepAngles(0, 1, 0.4), (std::vector<double>{0, 0.4, 0.8}));
  EXPECT_EQ(sweepAngles(2, -2, -2), (std::vector<double>{2, 0, -2}));
  EXPECT_TRUE(sweepAngles(0, 1, 0).empty());
}

// A step that cannot move FROM must not loop for ever, and TO - FROM beyond every double must not
// count "more than 100000 angles" for 21.
TEST(SweepAngles, EveryAngleIsDistinctAndTheCountHolds) {
  EXPECT_EQ(sweepAngles(1e22, 1e22, 1), std::vector<double>{1e22});
  EXPECT_EQ(sweepAngles(-1e22, -1e22, -1), std::vector<double>{-1e22});
  // The angle as a row shows it (15 digits) lies beyond TO; the sweep still visits it.
  EXPECT_EQ(sweepAngles(1024819115206086200.0, 1024819115206086200.0, 0.04).size(), 1u);
  EXPECT_EQ(sweepAngles(-1024819115206086200.0, -1024819115206086200.0, -0.04).size(), 1u);
  const auto wide = sweepAngles(-1e308, 1e308, 1e307);
  ASSERT_EQ(wide.size(), 21u);
  EXPECT_EQ(wide.front(), -1e308);
  EXPECT_EQ(wide[10], 0.0);
  EXPECT_EQ(wide.back(), 1e308);
  EXPECT_FALSE(refusedSweep(-1e308, 1e308, 1e307));
  EXPECT_EQ(sweepAngles(1e308, -1e308, -1e307).size(), 21u);
  // Steps below the spacing of the numbers give each angle once.
  const auto close = sweepAngles(1e22, 1.0000000000000004e22, 1e6);
  ASSERT_FALSE(close.empty());
  EXPECT_LE(close.size(), 3u);
  for (std::size_t i = 1; i < close.size(); ++i) EXPECT_LT(close[i - 1], close[i]);
  EXPECT_EQ(*refusedSweep(0, 1e22, 1e-9),
            "sweep: a STEP of 1e-09 is too small to change an angle of 1e+22, and the sweep would "
            "repeat the same angles; use a larger STEP");
  EXPECT_EQ(*refusedSweep(0, 1e9, 1e-3), "sweep: more than 100000 angles");
  EXPECT_EQ(*refusedSweep(0, 1e-200, -1e-200), "sweep: STEP must lead from FROM towards TO");
}

}  // namespace
}  // namespace vantrel::batch
