#include "language/program_texts.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vantrel {
namespace {

// The code a language is stored and typed under names that language again, and no other.
TEST(ProgramTexts, EveryLanguageIsFoundByItsCode) {
  for (Language language : allLanguages()) {
    EXPECT_EQ(languageOfCode(languageCode(language)), language);
  }
  EXPECT_EQ(languageOfCode("EN"), std::nullopt);
  EXPECT_EQ(languageOfCode(""), std::nullopt);
}

// Students who chose English meet no Turkish letter: every English text is plain ASCII, which
// the reports' code page writes as it stands.
TEST(ProgramTexts, EnglishTextsArePlainAscii) {
  for (const char* text : {kEnglishTexts.degreeCapMessage, kEnglishTexts.zeroPivotMessage,
                           kEnglishTexts.coordinateColumns, kEnglishTexts.aeroQuantitiesTitle,
                           kEnglishTexts.influenceMatrixTitle, kEnglishTexts.vortexStrengthTitle}) {
    for (unsigned char c : std::string_view(text)) EXPECT_LT(c, 0x80) << text;
  }
}

}  // namespace
}  // namespace vantrel
