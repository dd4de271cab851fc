#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vantrel {

// The program's own texts, whose two messages and report headings are Turkish, or English for
// students who do not read Turkish. Only words change with the language: every number, every
// line of a report and its layout stay as they are.
enum class Language { Original, English };

// Every text that changes with the language. Messages are UTF-8; report headings are the bytes
// the reports hold (code page Windows-1254: "\xDC" is Ü).
struct ProgramTexts {
  const char* languageName;  // as the window's and the page's menus show it
  const char* degreeCapMessage;
  const char* zeroPivotMessage;
  const char* coordinateColumns;  // the column heading of "Vantrel.txt"
  const char* aeroQuantitiesTitle;
  const char* influenceMatrixTitle;
  const char* vortexStrengthTitle;
};

// The headings of the English table keep the Turkish ones' column starts, so a report's columns
// stand where they stood.
inline constexpr ProgramTexts kOriginalTexts{
    .languageName = "Original",
    .degreeCapMessage = "polinomun derecesi 5 den büyük olamaz",
    .zeroPivotMessage = " sıfır diyagonal elemanı",
    .coordinateColumns = "I   x-\xDCst    y-\xDCst   x-Alt    y-Alt     x-c     y-c",
    .aeroQuantitiesTitle = " Aerodinamik b\xFCy\xFCkl\xFCkler",
    .influenceMatrixTitle = " KATSAYILAR MATR\xDDS\xDD",
    // The literal is split so that the escape of "İ" does not swallow the "D" after it.
    .vortexStrengthTitle =
        " G\xDDRDAP \xDE\xDD"
        "DDETLER\xDD",
};

inline constexpr ProgramTexts kEnglishTexts{
    .languageName = "English",
    .degreeCapMessage = "the degree of the polynomial cannot be greater than 5",
    .zeroPivotMessage = " zero diagonal element",
    .coordinateColumns = "I   x-Up     y-Up    x-Low    y-Low     x-c     y-c",
    .aeroQuantitiesTitle = " Aerodynamic quantities",
    .influenceMatrixTitle = " COEFFICIENT MATRIX",
    .vortexStrengthTitle = " VORTEX STRENGTHS",
};

constexpr const ProgramTexts& textsIn(Language language) {
  return language == Language::English ? kEnglishTexts : kOriginalTexts;
}

// Every language, the program's own first.
std::span<const Language> allLanguages();

// The word that names a language on the command line, in the window's settings and on the page.
std::string_view languageCode(Language language);
std::optional<Language> languageOfCode(std::string_view code);

}  // namespace vantrel
