// Where the language comes from: the settings, the command-line word, the
// language menu.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/Messages.h"

namespace tarvel::ui {

// The first command-line argument, compared exactly and case-sensitively with
// "ENGLISH", "DEUTSCH", "FRANCE" and "CESKY"; any other word selects nothing.
std::optional<Language> LanguageFromArgument(std::string_view word);

// A stored language outside 0 .. 3 (a damaged settings file) falls back to English.
Language LanguageFromStored(int stored);

// The language menu items, in the order of Language.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageMenuItems = {"MenuEnglish", "MenuGerman",
                                                                                    "MenuFrench", "MenuCzech"};

}  // namespace tarvel::ui
