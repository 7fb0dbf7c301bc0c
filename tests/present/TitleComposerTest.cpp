#include <gtest/gtest.h>

#include "present/TitleComposer.h"

using namespace tarvel;
using namespace tarvel::present;

TEST(TitleComposer, ProductFileAndLoaderNote)
{
    MessageTable german;
    german.loadAll(Language::German);
    MessageTable english;
    english.loadAll(Language::English);
    struct Case {
        std::string file;
        std::string note;
        std::string title;
    };
    const Case cases[] = {
        {"", "", "  Tarvel 3       "},
        {"/home/jan/data.ign", "", "  Tarvel 3       /home/jan/data.ign"},
        {"a.ign", loaderNote(true, english), "  Tarvel 3       a.ign   " + english[Msg::Disconnected]},
        {"a.ign", loaderNote(false, german), "  Tarvel 3       a.ign"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowTitle(c.file, c.note), c.title);
    EXPECT_FALSE(english[Msg::Disconnected].empty());
}
