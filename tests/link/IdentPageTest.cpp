#include <gtest/gtest.h>

#include "link/IdentPage.h"

using namespace tarvel::link;

TEST(IdentPage, TextsFromTheIdentificationBytes)
{
    struct Case {
        std::array<std::uint8_t, 9> head;  // bytes 0..8
        const char* longText;              // bytes 16.. (nullptr: none)
        IdentTexts want;
    };
    const Case cases[] = {
        {{'Z', 'E', 'V', 7, 14, 32, 25, 10, 30}, nullptr, {"ZEV07", "14. 3.2025", "10:30"}},
        {{'A', 'B', 'C', 42, 5, 51, 9, 8, 5}, nullptr, {"ABC42", " 5.11.2009", "08:05"}},
        {{'A', 'B', 'C', 1, 31, 99, 0, 23, 59}, "Long version 1.2", {"Long version 1.2", "31.00.2000", "23:59"}},
        // The unit's texts are Windows-1250: 0x8A is S with caron.
        {{'X', 'Y', 'Z', 0, 1, 12, 30, 0, 0},
         "\x8A"
         "koda",
         {"Škoda", " 1.12.2030", "00:00"}},
    };
    for (const Case& c : cases) {
        IdentPage p;
        std::copy(c.head.begin(), c.head.end(), p.bytes.begin());
        if (c.longText)
            for (std::size_t i = 0; c.longText[i]; ++i)
                p.bytes[16 + i] = static_cast<std::uint8_t>(c.longText[i]);
        EXPECT_EQ(BuildIdentTexts(p), c.want) << c.want.firmware;
    }
}

TEST(IdentPage, MonthCodesAreTheSumsOfTheEnglishAbbreviations)
{
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m) {
        const char* s = months[m - 1];
        const auto code = static_cast<std::uint8_t>(s[0] + s[1] + s[2]);
        EXPECT_EQ(codeOfMonth(m), code);
        EXPECT_EQ(monthOfCode(code), m);
    }
    EXPECT_EQ(monthOfCode(0), 0);
}

TEST(IdentPage, LongTextStopsAfterThirtyCharacters)
{
    IdentPage p;
    for (int i = 16; i < 100; ++i)
        p.bytes[i] = 'x';
    EXPECT_EQ(BuildIdentTexts(p).firmware, std::string(30, 'x'));
}
