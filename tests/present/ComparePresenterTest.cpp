// The rows and the summary line of the comparison report, with the window
// replaced by a lookup that names a tab per field.
#include <gtest/gtest.h>

#include <cstring>

#include "present/ComparePresenter.h"

namespace tarvel::present {

namespace {

// Map cells on "Map", everything else on "Misc"; captions are the field names,
// except the map (no label of its own) and the lists.
class FakeWindow : public FieldLookup {
public:
    FieldPlace place(const ImageDiff::Row& row) const override
    {
        if (row.row >= 0)
            return {"Map", ""};
        if (row.field->kind == ControlKind::MultipleList)
            return {"Misc", ""};
        return {"Misc", row.field->name};
    }
    std::optional<std::string> valueText(const ImageDiff::Row& row, int value) const override
    {
        if (row.field->thousands)
            return "#" + std::to_string(value);
        return std::nullopt;
    }
};

int find(const ImageDiff& diff, const char* field)
{
    for (int i = 0; i < diff.count(); ++i)
        if (std::strcmp(diff.rows()[static_cast<std::size_t>(i)].field->name, field) == 0)
            return i;
    return -1;
}

}  // namespace

TEST(ComparePresenter, RowsCarryTabCaptionPositionAndShownValues)
{
    ParamImage a{};
    ParamImage b = a;
    b.advance(3, 6) = 9;
    b[fld::limiter] = 120;
    b[fld::servoRpm + 4] = 30;
    b[fld::maxAdvEdge2 + 1] = 1;
    b[fld::ignitionMultiple] = 2;
    const ImageDiff diff(a, b);
    const FakeWindow window;
    const ComparePresenter en(Language::English, window);

    struct Case {
        const char* field;
        CompareRowText shown;
    };
    const Case cases[] = {
        {"advance", {"Map", "Advance [°]", "row 4, column 7", "0", "9"}},
        {"limiter", {"Misc", "limiter", "", "#0", "#12000"}},
        {"servoRpm", {"Misc", "servoRpm", "column 5", "", ""}},     // values repaired by normalising
        {"maxAdvEdge2", {"Misc", "maxAdvEdge2", "", "No", "Yes"}},  // the channel is in the caption
        {"ignitionMultiple", {"Misc", "Ignitions per revolution", "", "0", "2"}},
    };
    for (const Case& c : cases) {
        const int i = find(diff, c.field);
        ASSERT_GE(i, 0) << c.field;
        const CompareRowText row = en.row(diff.rows()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(row.tab, c.shown.tab) << c.field;
        EXPECT_EQ(row.field, c.shown.field) << c.field;
        EXPECT_EQ(row.position, c.shown.position) << c.field;
        if (c.shown.valueA.empty())
            continue;
        EXPECT_EQ(row.valueA, c.shown.valueA) << c.field;
        EXPECT_EQ(row.valueB, c.shown.valueB) << c.field;
    }
    const ComparePresenter fr(Language::French, window);
    const CompareRowText cell = fr.row(diff.rows()[static_cast<std::size_t>(find(diff, "advance"))]);
    EXPECT_EQ(cell.position, "ligne 4, colonne 7");
    EXPECT_EQ(cell.field, "Avance [°]");
    EXPECT_EQ(fr.row(diff.rows()[static_cast<std::size_t>(find(diff, "maxAdvEdge2"))]).valueB, "Oui");
}

TEST(ComparePresenter, SummaryCountsPerTabInTheOrderSeen)
{
    ParamImage a{};
    ParamImage b = a;
    b[fld::limiter] = 120;
    b.advance(0, 0) = 3;
    b.advance(1, 0) = 3;
    const FakeWindow window;
    const ImageDiff diff(a, b);
    EXPECT_EQ(ComparePresenter(Language::English, window).summary(diff), "3 fields differ: Misc 1, Map 2");
    EXPECT_EQ(ComparePresenter(Language::French, window).summary(diff), "3 champs diffèrent : Misc 1, Map 2");
    EXPECT_EQ(ComparePresenter(Language::German, window).summary(ImageDiff(a, a)), "Keine Felder unterschiedlich");
}

TEST(ComparePresenter, CountsInEveryLanguage)
{
    struct Case {
        Language language;
        int count;
        const char* text;
    };
    for (const Case& c :
         {Case{Language::English, 1, "1 field differs"}, Case{Language::English, 0, "No fields differ"},
          Case{Language::German, 1, "1 Feld unterschiedlich"}, Case{Language::French, 2, "2 champs diffèrent"},
          Case{Language::Czech, 1, "1 položka se liší"}, Case{Language::Czech, 4, "4 položky se liší"},
          Case{Language::Czech, 5, "5 položek se liší"}, Case{Language::Czech, 0, "Žádná položka se neliší"}})
        EXPECT_EQ(fieldsDiffer(c.count, c.language), c.text) << c.count;
}

TEST(ComparePresenter, EveryTextExistsInEveryLanguage)
{
    for (int id = 0; id < static_cast<int>(CompareText::Count); ++id)
        for (int l = 0; l < kLanguageCount; ++l)
            EXPECT_FALSE(compareText(static_cast<CompareText>(id), static_cast<Language>(l)).empty()) << id << " " << l;
    EXPECT_EQ(fill(compareText(CompareText::AutosaveFailed, Language::French), "disque plein"),
              "Échec de la sauvegarde automatique : disque plein");
}

}  // namespace tarvel::present
