#include "present/RangeNote.h"

#include <array>

namespace tarvel::present {

std::string rangeNote(Language language, const std::string& minimum, const std::string& maximum)
{
    struct Words {
        const char* allowed;
        const char* to;
    };
    static constexpr std::array<Words, kLanguageCount> kWords = {{
        {"Allowed values: ", " to "},
        {"Zulässige Werte: ", " bis "},
        {"Valeurs permises : ", " à "},
        {"Povolené hodnoty: ", " až "},
    }};
    const Words& w = kWords[static_cast<std::size_t>(language)];
    return w.allowed + minimum + w.to + maximum;
}

}  // namespace tarvel::present
