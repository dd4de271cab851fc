#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "app/form1_handlers.h"
#include "app/user_actions.h"
#include "coefficients/least_squares.h"
#include "language/program_texts.h"
#include "support/session_test.h"

// English changes words only: the same actions in either language leave reports and messages
// of as many lines, every number in its place, every line without words byte for byte the same,
// and no Turkish letter in English but in what the airfoil file itself holds.
namespace vantrel {
namespace {

namespace fs = std::filesystem;

struct Scene {
  const char* name;
  const char* file;                  // NAME (a sample) or NAME=CONTENT (written for the scene)
  std::vector<const char*> actions;  // "open" opens `file`
};

// A section of the user's own, with no camber at all.
const char* const kFlatFile = "flat=Flat\n\nxU yU xL yL\n0 0 0 0\n0.25 0.01 0.25 -0.01\n1 0 1 0\n";

const Scene kScenes[] = {
    {"DegreeCapThenEveryMethod",
     "naca2412.nca",
     {"open", "lsq 7 ends", "alfa-scroll 140", "xm-scroll 40", "numerical", "vortex"}},
    {"ParabolaWithTheMatrix",
     "parabola.nca",
     {"open", "alfa 4", "lsq 3 free", "vortex", "numerical"}},
    {"FlappedSection", "naca4412.nca", {"open", "flap 0.75 10", "numerical", "alfa 6", "vortex"}},
    {"ReflexedSection", "naca23012.nca", {"open", "vortex", "lsq 5 free", "alfa-scroll 60"}},
    {"OwnFileRefusedDegree", kFlatFile, {"open", "lsq 3 free", "lsq 9 ends", "vortex"}},
    {"NothingReadYet", "flatplate.nca", {"alfa-scroll 120", "open", "numerical"}},
};

struct Outcome {
  std::vector<std::string> lines;  // the reports' lines, the messages, the status line
};

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end - start));
    start = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

void addReportsAndMessages(const fs::path& folder, const HeadlessControls& controls,
                           Outcome& outcome) {
  for (const char* report : {"Vantrel.txt", "Poly5.txt"}) {
    if (!fs::exists(folder / report)) continue;
    for (std::string& line : linesOf(test::fileBytes(folder / report))) {
      outcome.lines.push_back(std::string(report) + ": " + line);
    }
  }
  for (const std::string& message : controls.messages()) {
    outcome.lines.push_back("message: " + message);
  }
}

class LanguageTest : public test::SessionTest, public ::testing::WithParamInterface<Scene> {
 protected:
  fs::path airfoilFile(const fs::path& folder) const {
    const std::string file = GetParam().file;
    const auto equals = file.find('=');
    if (equals == std::string::npos) return fs::path(VANTREL_SAMPLES) / file;
    const fs::path path = folder / (file.substr(0, equals) + ".nca");
    test::writeBytes(path, file.substr(equals + 1));
    return path;
  }

  Outcome runIn(Language language) const {
    const fs::path folder = workDir / std::string(languageCode(language));
    fs::create_directories(folder);
    Ortak state;
    state.language = language;
    HeadlessControls controls;
    Form1Handlers handlers(state, controls, folder);
    handlers.Form_Load();
    std::vector<std::string> words;
    for (const std::string line : GetParam().actions) {
      const auto lineWords = line == "open"
                                 ? std::vector<std::string>{"open", airfoilFile(folder).string()}
                                 : actionWords(line);
      words.insert(words.end(), lineWords.begin(), lineWords.end());
    }
    auto read = readActions(words);
    const auto* actions = std::get_if<std::vector<Action>>(&read);
    EXPECT_NE(actions, nullptr);
    if (actions) {
      for (const Action& action : *actions) replayAction(action, handlers, controls);
    }
    Outcome outcome;
    addReportsAndMessages(folder, controls, outcome);
    outcome.lines.push_back("status: " + handlers.statusLine());
    return outcome;
  }
};

bool isLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

// The numbers of a line as written, in order; a digit inside a word ("A0", "Alfa0") counts too.
std::vector<std::string> numbersOf(const std::string& line) {
  std::vector<std::string> numbers;
  std::string current;
  for (char c : line + ' ') {
    if (std::isdigit(static_cast<unsigned char>(c)) || (!current.empty() && c == '.') ||
        ((c == '-' || c == '.') && current.empty())) {
      current += c;
      continue;
    }
    if (current.find_first_of("0123456789") != std::string::npos) numbers.push_back(current);
    current.clear();
  }
  return numbers;
}

std::string leadingBlanks(const std::string& line) {
  return line.substr(0, line.find_first_not_of(' '));
}
std::string trailingBlanks(const std::string& line) {
  const auto last = line.find_last_not_of(' ');
  return last == std::string::npos ? line : line.substr(last + 1);
}

bool hasTurkishLetter(const std::string& line) {
  return std::any_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

void expectOnlyWordsDiffer(const Outcome& original, const Outcome& english) {
  ASSERT_EQ(english.lines.size(), original.lines.size());
  int translated = 0;
  for (std::size_t i = 0; i < original.lines.size(); ++i) {
    const std::string& before = original.lines[i];
    const std::string& after = english.lines[i];
    SCOPED_TRACE(before + "\n" + after);
    EXPECT_EQ(numbersOf(after), numbersOf(before));
    EXPECT_EQ(leadingBlanks(after.substr(after.find(':') + 2)),
              leadingBlanks(before.substr(before.find(':') + 2)));
    EXPECT_EQ(trailingBlanks(after), trailingBlanks(before));
    if (std::none_of(before.begin() + before.find(':') + 1, before.end(), isLetter)) {
      EXPECT_EQ(after, before);
    }
    if (after != before) ++translated;
    if (hasTurkishLetter(after)) {
      EXPECT_EQ(after, before) << "Turkish left in English";
    }
  }
  // Every scene meets at least one Turkish text.
  EXPECT_GT(translated, 0);
}

TEST_P(LanguageTest, EnglishChangesOnlyWords) {
  expectOnlyWordsDiffer(runIn(Language::Original), runIn(Language::English));
}

// Two stations at one x, which no file read lets through, leave the least-squares system
// singular: the solver's message.
class SolverLanguageTest : public test::SessionTest {};

TEST_F(SolverLanguageTest, TheZeroPivotMessageChangesOnlyWords) {
  std::vector<Outcome> outcomes;
  for (Language language : allLanguages()) {
    const fs::path folder = workDir / std::string(languageCode(language));
    fs::create_directories(folder);
    Ortak state;
    state.language = language;
    state.Pi = ortak.Pi;
    test::fillCamberAirfoil(state, {{0.5, 0.01}, {0.5, 0.03}});
    HeadlessControls controls;
    controls.select(Option::Opt_WithOutEnd);
    state.M = 1;
    Session scratch{state, controls, folder};
    LSQPolynomial(scratch);
    ASSERT_EQ(controls.messages().size(), 1u);
    outcomes.emplace_back();
    addReportsAndMessages(folder, controls, outcomes.back());
  }
  expectOnlyWordsDiffer(outcomes[0], outcomes[1]);
}

INSTANTIATE_TEST_SUITE_P(Scenes, LanguageTest, ::testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel
