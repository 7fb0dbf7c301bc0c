// The font configuration is read on a second thread at start, and the design
// font is looked for there: what it answers decides the window's font.
#include <gtest/gtest.h>

#include <QString>

#include "FontWarmUp.h"
#include "LogCapture.h"

namespace tarvel::test {

TEST(FontWarmUp, FindsAnInstalledFamilyAndNotAMissingOne)
{
    struct Case {
        const char* family;
        bool installed;
    };
    // The program's dependencies install Liberation Sans.
    for (const Case& c : {Case{"Liberation Sans", true}, Case{"liberation sans", true},
                          Case{"No Such Family 7f3a", false}, Case{"", false}}) {
        const LogCapture log;
        FontWarmUp fonts{QString::fromUtf8(c.family)};
        EXPECT_EQ(fonts.familyInstalled(), c.installed) << c.family;
        EXPECT_EQ(fonts.familyInstalled(), c.installed) << "asked twice: " << c.family;
        // A missing font is logged with its name, once.
        EXPECT_EQ(log.lines().size(), c.installed ? 0U : 1U) << c.family << log.dump();
        if (!c.installed) {
            EXPECT_TRUE(log.has(log::Area::Ui, {std::string("font ") + c.family + " is not installed"})) << log.dump();
        }
    }
}

TEST(FontWarmUp, MayGoUnasked)
{
    // A start that ends before the window is built never asks; the reading
    // thread is still joined.
    FontWarmUp fonts(QStringLiteral("Liberation Sans"));
}

}  // namespace tarvel::test
