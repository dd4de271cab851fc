#include "app/user_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace vantrel {
namespace {

std::vector<Action> actionsOf(const std::string& line) {
  auto read = readActions(actionWords(line));
  if (const auto* error = std::get_if<ActionError>(&read)) {
    ADD_FAILURE() << error->message;
    return {};
  }
  return std::get<std::vector<Action>>(read);
}

TEST(UserActions, ALineOfWordsIsTheActionsInOrder) {
  const auto actions = actionsOf("  open a.nca\tlsq 3 free lsq 2 alfa-scroll +140 flap 0.7x 5 \r");
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(actions[0].kind, ActionKind::Open);
  EXPECT_EQ(actions[0].text, "a.nca");
  EXPECT_EQ(actions[1].kind, ActionKind::Lsq);
  EXPECT_EQ(actions[1].text, "3");
  EXPECT_FALSE(actions[1].withEnds);
  EXPECT_TRUE(actions[2].withEnds);  // "ends" unless told otherwise
  EXPECT_EQ(actions[3].value, 140);
  EXPECT_EQ(actions[4].text, "0.7x");  // judged by the flap panel, as typed
  EXPECT_EQ(actions[4].deflection, "5");
  // Every kind is read back from its own word.
  for (const ActionKind kind :
       {ActionKind::Open, ActionKind::Alfa, ActionKind::Xm, ActionKind::Lsq, ActionKind::AlfaScroll,
        ActionKind::XmScroll, ActionKind::Numerical, ActionKind::Vortex, ActionKind::Sweep,
        ActionKind::Flap, ActionKind::Compare}) {
    const std::vector<std::string> words = {actionWord(kind), "1", "2", "3"};
    std::size_t next = 0;
    const auto read = readAction(words, next);
    ASSERT_TRUE(std::holds_alternative<Action>(read)) << actionWord(kind);
    EXPECT_EQ(std::get<Action>(read).kind, kind);
  }
}

TEST(UserActions, NacaTakesACountOfStationsOnlyWhenOneFollows) {
  const auto actions = actionsOf("naca 2412 81 numerical naca 23012 alfa 4");
  ASSERT_EQ(actions.size(), 4u);
  EXPECT_EQ(actions[0].kind, ActionKind::Naca);
  EXPECT_EQ(actions[0].text, "2412");
  EXPECT_EQ(actions[0].value, 81);
  EXPECT_EQ(actions[1].kind, ActionKind::Numerical);
  EXPECT_EQ(actions[2].text, "23012");
  EXPECT_EQ(actions[2].value, 41);
  EXPECT_EQ(actions[3].kind, ActionKind::Alfa);
}

TEST(UserActions, AWordOutOfPlaceIsNamedWithWhatIsWrong) {
  const std::pair<std::string, std::string> refusals[] = {
      {"b.nca", "unknown action \"b.nca\""},
      {"flap 0.75", "flap: missing XH DEG"},
      {"sweep 0 1 x", "sweep: FROM, TO and STEP must be numbers"},
      {"xm-scroll 101", "xm-scroll: VALUE must be a whole number from 0 to 100, not \"101\""},
      {"alfa-scroll 1.5", "alfa-scroll: VALUE must be a whole number from 0 to 200, not \"1.5\""},
      {"naca", "naca: missing DESIGNATION"},
      {"naca 2413x", "naca: \"2413x\" is not a NACA 4- or 5-digit designation this generator covers"},
      {"naca 2412 1", "naca: STATIONS must be a whole number from 2 to 10000, not \"1\""},
      {"naca 2412 10001", "naca: STATIONS must be a whole number from 2 to 10000, not \"10001\""}};
  for (const auto& [line, message] : refusals) {
    const auto read = readActions(actionWords(line));
    ASSERT_TRUE(std::holds_alternative<ActionError>(read)) << line;
    EXPECT_EQ(std::get<ActionError>(read).message, message);
  }
}

}  // namespace
}  // namespace vantrel
