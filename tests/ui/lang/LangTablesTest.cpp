// The language tables as data: every row well formed, and the texts that are
// easy to get wrong exactly as the program must show them.
#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <tuple>

#include "QStringPrinter.h"
#include "model/Messages.h"
#include "ui/lang/CaptionTable.h"
#include "ui/lang/HintText.h"
#include "ui/lang/LanguageCaptions.h"
#include "ui/lang/LanguageChoice.h"

using namespace tarvel;
using namespace tarvel::ui;

namespace {

const CaptionRow* findRow(std::string_view target, CaptionKind kind, int listRow = -1)
{
    for (const CaptionRow& row : captionRows())
        if (row.target == target && row.kind == kind && row.listRow == listRow)
            return &row;
    return nullptr;
}

qsizetype characters(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).size();
}

}  // namespace

TEST(CaptionTable, EveryTargetAndKindIsWrittenOnceAndListRowsNameTheirRow)
{
    std::set<std::tuple<std::string_view, CaptionKind, int>> seen;
    for (const CaptionRow& row : captionRows()) {
        EXPECT_TRUE(seen.emplace(row.target, row.kind, row.listRow).second) << row.target;
        EXPECT_EQ(row.kind == CaptionKind::ListRow, row.listRow >= 0) << row.target;
        EXPECT_FALSE(row.text[0].empty()) << row.target;
        for (std::string_view text : row.text)
            EXPECT_TRUE(QString::fromUtf8(text.data(), qsizetype(text.size())).isValidUtf16()) << row.target;
    }
    EXPECT_EQ(seen.size(), captionRows().size());
}

TEST(CaptionTable, ExactTexts)
{
    struct Case {
        std::string_view target;
        CaptionKind kind;
        int listRow;
        Language language;
        std::string_view expected;
    };
    const Case cases[] = {
        {"MenuSave", CaptionKind::MenuItem, -1, Language::German, "&Speichern"},
        {"MenuSave", CaptionKind::MenuItem, -1, Language::French, "&Mèmoriser"},
        {"MenuCzech", CaptionKind::MenuItem, -1, Language::French, "&Tchèque"},
        {"MenuCzech", CaptionKind::MenuItem, -1, Language::Czech, "Če&sky"},
        {"ButtonRead", CaptionKind::Caption, -1, Language::Czech, "Čí&st"},
        {"MenuOpenExeDir", CaptionKind::MenuItem, -1, Language::French, "Open from exe dir"},
        {"LabelSpojeni", CaptionKind::Caption, -1, Language::French, "Pas de connection acec pc"},
        {"GroupBoxPalec3", CaptionKind::Caption, -1, Language::German, "Kanal 3"},
        {"CheckBoxInvInput2", CaptionKind::Caption, -1, Language::Czech, "Opačná polarita snímače 2"},
        {"LabelPilotLight", CaptionKind::Caption, -1, Language::French, "Témoin de passage [rpm]"},
        {"LabelKompenz", CaptionKind::Caption, -1, Language::Czech, "Kompenzace "},
        {"LabelAdvance2", CaptionKind::Caption, -1, Language::English, "Advance [°]"},
        {"ComboBoxBike", CaptionKind::ListRow, 11, Language::English, "Classic (1 lobe, 1 or 2 pick-up) "},
        {"ComboBoxBike", CaptionKind::ListRow, 31, Language::French, "Spécial ajustage"},
        {"ComboBoxSynchro", CaptionKind::ListRow, 5, Language::French, "2 short gaps between lobes (inserted lobe)"},
        {"ComboBoxNasobekPalcu", CaptionKind::ListRow, 3, Language::Czech, "1 zápal za 2 otáčky (vačkový hřídel)"},
        {"MenuGerman", CaptionKind::Hint, -1, Language::Czech, "Deutsches Menü"},
        {"LabelRpm1", CaptionKind::Hint, -1, Language::German, "Umdrehungen pro Minute"},
        {"BitBtnVerify", CaptionKind::Hint, -1, Language::English, "Compare set parametrs  with parametrs of ignition"},
        {"MenuCom", CaptionKind::Hint, -1, Language::Czech, "Nastavení čísla serivého portu (Com) "},
        {"SpeedButton6", CaptionKind::Hint, -1, Language::French, "Reprogramation des paramètres initial Dórigine"},
        {"CheckBoxProgHned", CaptionKind::Caption, -1, Language::French, "Sovegarde après modification"},
        {"SpeedButton7", CaptionKind::Hint, -1, Language::French, "Sauvegarder les paramètres"},
    };
    for (const Case& c : cases) {
        const CaptionRow* row = findRow(c.target, c.kind, c.listRow);
        ASSERT_NE(row, nullptr) << c.target;
        EXPECT_EQ(row->composed(c.language), c.expected) << c.target;
    }
}

TEST(CaptionTable, EveryCaptionHasATextInEveryLanguage)
{
    for (const CaptionRow& row : captionRows())
        for (int lang = 0; lang < kLanguageCount; ++lang)
            EXPECT_NE(row.composed(static_cast<Language>(lang)), "") << row.target << " " << lang;
    const CaptionRow* delay = findRow("LabelGasD", CaptionKind::Caption);
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->composed(Language::French), "Délai [ms]");
    const CaptionRow* buildUp = findRow("LabelRetardT", CaptionKind::Caption);
    ASSERT_NE(buildUp, nullptr);
    EXPECT_EQ(buildUp->composed(Language::French), "Temps de montée [ms]");
}

namespace {

// Whether a French system (Windows-1252) has every character of `utf8`: the
// Czech letters č and ŕ in a French text are the bytes of è and à read in the
// Central European code page.
bool inWestEuropeanCodePage(std::string_view utf8)
{
    static const QString extras = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    for (QChar c : QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))
        if (c.unicode() >= 0x80 && (c.unicode() < 0xA0 || c.unicode() > 0xFF) && !extras.contains(c))
            return false;
    return true;
}

}  // namespace

TEST(FrenchTexts, AreAsAFrenchSystemShowsThem)
{
    constexpr auto french = static_cast<std::size_t>(Language::French);
    constexpr auto czech = static_cast<std::size_t>(Language::Czech);
    for (const CaptionRow& row : captionRows()) {
        if (row.text[french] == row.text[czech])
            continue;  // a Czech text shown in every language ("Nastavit české menu")
        EXPECT_TRUE(inWestEuropeanCodePage(row.text[french])) << row.target << ": " << row.text[french];
    }
    for (const MessageRow& row : messageRows())
        EXPECT_TRUE(inWestEuropeanCodePage(row.text[french])) << row.text[0] << ": " << row.text[french];
}

TEST(FrenchTexts, TheGearShiftLightIsNotCalledIgnitionRetard)
{
    MessageTable messages;
    messages.loadAll(Language::French);
    EXPECT_EQ(messages[Msg::GearShiftLight].find("Retard"), std::string::npos);
    const CaptionRow* row = findRow("LabelPilotLight", CaptionKind::Caption);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->composed(Language::French).find("Retard"), std::string::npos);
}

TEST(CaptionTable, ControlsWithASingleTextAreNotInTheTable)
{
    for (std::string_view target : {"LabelTps1", "LabelTps10", "GroupBox4", "LabelStartLimiterMin", "LabelRpm1",
                                    "CheckBoxTpsMapa", "LabelGasRpmMin", "Label5"})
        EXPECT_EQ(findRow(target, CaptionKind::Caption), nullptr) << target;
    EXPECT_EQ(findRow("ComboBoxSynchro", CaptionKind::ListRow, 7), nullptr);  // "Harley"
    EXPECT_EQ(findRow("ComboBoxBike", CaptionKind::ListRow, 10), nullptr);
}

TEST(MessageTexts, PaddedPickUpErrorIsFortyCharactersInEveryLanguage)
{
    MessageTable messages;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        messages.loadAll(static_cast<Language>(lang));
        EXPECT_EQ(characters(messages[Msg::PickUpSystemError]), 40) << lang;
    }
}

TEST(MessageTexts, LanguageSpecificTexts)
{
    MessageTable messages;
    messages.setManualUrls("/doc/en.html", "/doc/cs.html");
    messages.loadAll(Language::Czech);
    EXPECT_EQ(messages[Msg::Disconnected], "  (Dočasně odpojeno bootloaderem)");
    EXPECT_EQ(messages[Msg::ManualOpenError], "Chyba při otevírání souboru /doc/cs.html !");
    messages.loadAll(Language::French);
    EXPECT_EQ(messages[Msg::Open], "Open");
    EXPECT_EQ(messages[Msg::GearShiftLight], "Témoin de passage");
    EXPECT_EQ(messages[Msg::ManualOpenError], "Erreur à l´ouvertur du Fichier /doc/en.html !");
    messages.loadAll(Language::German);
    EXPECT_EQ(messages[Msg::PrintDateTime], "Zeitpunkt des Ausdruckes   ");
    EXPECT_EQ(messages[Msg::ManualUrl], "/doc/en.html");
}

TEST(LanguageChoice, CommandLineWordIsExactAndCaseSensitive)
{
    const std::pair<std::string_view, std::optional<Language>> cases[] = {
        {"ENGLISH", Language::English}, {"DEUTSCH", Language::German},
        {"FRANCE", Language::French},   {"CESKY", Language::Czech},
        {"deutsch", std::nullopt},      {"FRENCH", std::nullopt},
        {"CESKY ", std::nullopt},       {"", std::nullopt},
        {"data.ign", std::nullopt},
    };
    for (const auto& [word, expected] : cases)
        EXPECT_EQ(LanguageFromArgument(word), expected) << word;
}

TEST(LanguageChoice, StoredLanguageOutsideTheFourFallsBackToEnglish)
{
    EXPECT_EQ(LanguageFromStored(3), Language::Czech);
    EXPECT_EQ(LanguageFromStored(1), Language::German);
    EXPECT_EQ(LanguageFromStored(4), Language::English);
    EXPECT_EQ(LanguageFromStored(255), Language::English);
    EXPECT_EQ(LanguageFromStored(-1), Language::English);
}

TEST(HintText, ShortAndLongParts)
{
    EXPECT_EQ(HintShortPart("Round per Minute|Speed - Round per Minute"), "Round per Minute");
    EXPECT_EQ(HintLongPart("Round per Minute|Speed - Round per Minute"), "Speed - Round per Minute");
    EXPECT_EQ(HintShortPart("Umdrehungen pro Minute"), "Umdrehungen pro Minute");
    EXPECT_EQ(HintLongPart("Umdrehungen pro Minute"), "Umdrehungen pro Minute");
    EXPECT_EQ(HintLongPart(""), "");
}

TEST(WindowTitle, PrefixSevenSpacesAndPathThenTheReleaseNote)
{
    EXPECT_EQ(ComposeWindowTitle("/home/jan/data.ign"), "  Tarvel 3       /home/jan/data.ign");
    EXPECT_EQ(ComposeWindowTitle("a.ign", "  (Disconnected by bootloader)"),
              "  Tarvel 3       a.ign  (Disconnected by bootloader)");
}
