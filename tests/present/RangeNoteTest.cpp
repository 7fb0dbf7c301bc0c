// The note that names a field's range while a typed number lies outside it.
#include <gtest/gtest.h>

#include "present/RangeNote.h"

namespace tarvel::present {

TEST(RangeNote, NamesBothEndsInEveryLanguage)
{
    const struct {
        Language language;
        const char* note;
    } cases[] = {
        {Language::English, "Allowed values: 0 to 60"},
        {Language::German, "Zulässige Werte: 0 bis 60"},
        {Language::French, "Valeurs permises : 0 à 60"},
        {Language::Czech, "Povolené hodnoty: 0 až 60"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rangeNote(c.language, "0", "60"), c.note);
    // The ends as the field writes them, separators included.
    EXPECT_EQ(rangeNote(Language::English, "-10", "15,000"), "Allowed values: -10 to 15,000");
}

}  // namespace tarvel::present
