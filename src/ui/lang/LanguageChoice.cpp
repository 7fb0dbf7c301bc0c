#include "LanguageChoice.h"

namespace tarvel::ui {

std::optional<Language> LanguageFromArgument(std::string_view word)
{
    constexpr std::array<std::string_view, kLanguageCount> kWords = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    for (std::size_t i = 0; i < kWords.size(); ++i)
        if (word == kWords[i])
            return static_cast<Language>(i);
    return std::nullopt;
}

Language LanguageFromStored(int stored)
{
    return stored >= 0 && stored < kLanguageCount ? static_cast<Language>(stored) : Language::English;
}

}  // namespace tarvel::ui
