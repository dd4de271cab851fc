#include "language/program_texts.h"

#include <array>

namespace vantrel {
namespace {

constexpr std::array kLanguages{Language::Original, Language::English};

}  // namespace

std::span<const Language> allLanguages() {
  return kLanguages;
}

std::string_view languageCode(Language language) {
  return language == Language::English ? "en" : "original";
}

std::optional<Language> languageOfCode(std::string_view code) {
  for (Language language : kLanguages) {
    if (languageCode(language) == code) return language;
  }
  return std::nullopt;
}

}  // namespace vantrel
