// Apply captions and Load messages on a window tree: captions of every kind,
// list rows without touching the selection, check marks, title, live labels
// left alone, and hints in the status bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "QStringPrinter.h"
#include "ShownCaption.h"
#include "StandInWindow.h"
#include "model/Messages.h"
#include "ui/lang/CaptionWriter.h"
#include "ui/lang/HintText.h"
#include "ui/lang/LanguageCaptions.h"
#include "ui/lang/LanguageChoice.h"

using namespace tarvel;
using namespace tarvel::ui;
using namespace tarvel::ui::test;

namespace {

class ApplyCaptionsTest : public ::testing::Test {
protected:
    StandInWindow window;
    MessageTable messages;
    // Made with the window, as the main window makes its own: a target
    // deleted later is skipped.
    CaptionWriter captions{window};

    LanguageItems languageItems() const
    {
        LanguageItems items{};
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i] = window.findChild<QAction*>(QString::fromLatin1(
                kLanguageMenuItems[i].data(), static_cast<qsizetype>(kLanguageMenuItems[i].size())));
        return items;
    }
    void apply(Language language)
    {
        ApplyCaptions(window, captions, languageItems(), language, messages, QStringLiteral("/work/data.ign"));
    }
    QString label(const char* name) const { return window.get<QLabel>(name)->text(); }
};

}  // namespace

TEST_F(ApplyCaptionsTest, EveryRowReachesItsTargetInEveryLanguage)
{
    EXPECT_EQ(CaptionWriter(window).unplacedTargets(), QStringList());
    window.get<QWidget>("LabelSpojeni")->hide();  // a unit is connected: no placeholders over the captions
    for (int lang : {1, 2, 3, 0}) {
        const auto language = static_cast<Language>(lang);
        apply(language);
        for (const CaptionRow& row : captionRows())
            EXPECT_EQ(shownCaption(window, row), expectedCaption(window, row, language))
                << row.target << " in language " << lang;
    }
}

TEST_F(ApplyCaptionsTest, MissingTargetsAndShortListsAreReported)
{
    delete window.get<QLabel>("LabelBaseAdv");
    auto* bikes = window.get<QComboBox>("ComboBoxBike");
    while (bikes->count() > 20)
        bikes->removeItem(bikes->count() - 1);
    const QStringList unplaced = CaptionWriter(window).unplacedTargets();
    EXPECT_EQ(unplaced, QStringList({"ComboBoxBike row 31", "LabelBaseAdv"}));
    apply(Language::German);  // writes what it can, and does not grow the list
    EXPECT_EQ(bikes->count(), 20);
    EXPECT_EQ(bikes->itemText(11), "Klassisch (1 Leitst. 1 od. 2 Geber)");
}

TEST_F(ApplyCaptionsTest, ListRowsChangeTextButKeepTheSelection)
{
    auto* bikes = window.get<QComboBox>("ComboBoxBike");
    auto* synchro = window.get<QComboBox>("ComboBoxSynchro");
    auto* multiple = window.get<QComboBox>("ComboBoxNasobekPalcu");
    bikes->setCurrentIndex(31);
    synchro->setCurrentIndex(5);
    multiple->setCurrentIndex(3);
    apply(Language::Czech);
    EXPECT_EQ(bikes->currentIndex(), 31);
    EXPECT_EQ(bikes->currentText(), "Speciální nastavení");
    EXPECT_EQ(synchro->currentIndex(), 5);
    EXPECT_EQ(multiple->currentIndex(), 3);
    EXPECT_EQ(bikes->itemText(0), "row 0");  // rows not in the table keep their text
    EXPECT_EQ(synchro->itemText(7), "row 7");
}

TEST_F(ApplyCaptionsTest, OnlyTheCurrentLanguageIsCheckedAndTheTitleIsTheSameInEveryLanguage)
{
    const char* items[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        apply(static_cast<Language>(lang));
        for (int i = 0; i < kLanguageCount; ++i)
            EXPECT_EQ(window.get<QAction>(items[i])->isChecked(), i == lang) << items[i];
        EXPECT_EQ(window.windowTitle(), "  Tarvel 3       /work/data.ign");
    }
}

TEST_F(ApplyCaptionsTest, LiveLabelsKeepTheirValuesWhileAUnitIsConnected)
{
    window.get<QWidget>("LabelSpojeni")->hide();
    window.get<QLabel>("LabelAdvance1")->setText("Advance 1 = 23 [°]");
    window.get<QLabel>("LabelAdvance3")->setText("Advance 3 = 21 [°]");
    window.get<QLabel>("LabelMonPilotLight")->setText("Gear Shift Light - ON");
    window.get<QLabel>("LabelPriveraMer")->setText("Servo measured= 1200");
    apply(Language::German);
    EXPECT_EQ(label("LabelAdvance1"), "Vorzündung [°]");  // the caption, until the next monitor frame
    EXPECT_EQ(label("LabelAdvance2"), "Vorzündung [°]");
    EXPECT_EQ(label("LabelAdvance3"), "Advance 3 = 21 [°]");
    EXPECT_EQ(label("LabelMonPilotLight"), "Gear Shift Light - ON");
    EXPECT_EQ(label("LabelPriveraMer"), "Servo measured= 1200");
    EXPECT_EQ(messages[Msg::Yes], "JA");  // the table is refilled all the same
    EXPECT_EQ(messages[Msg::MotorOff], "Motor off");
}

TEST_F(ApplyCaptionsTest, HintsCarryTheLongPartForTheStatusBar)
{
    auto* rpm = window.get<QLabel>("LabelRpm1");
    auto longPart = [&] { return HintLongPart(rpm->property(kHintProperty).toString()); };
    apply(Language::English);
    EXPECT_EQ(longPart(), "Speed - Round per Minute");
    apply(Language::German);
    EXPECT_EQ(longPart(), "Umdrehungen pro Minute");
    apply(Language::Czech);
    EXPECT_EQ(longPart(), "Rychlost - Otáčky za minutu");
}

TEST_F(ApplyCaptionsTest, TooltipsOnlyOnControlsThatShowTheirHints)
{
    auto* verze = window.get<QLabel>("LabelVerze1");
    verze->setProperty(kShowHintProperty, true);
    auto* rpm = window.get<QLabel>("LabelRpm1");
    rpm->setToolTip("designed");
    apply(Language::English);
    EXPECT_EQ(verze->toolTip(), "Version of program in ignition");
    EXPECT_EQ(rpm->toolTip(), "");
    EXPECT_EQ(window.get<QAction>("MenuExit")->property(kHintProperty), "End of program");
    EXPECT_EQ(window.get<QMenu>("MenuLanguage")->menuAction()->property(kHintProperty),
              "Set English or German or French or Czech ");
}

TEST_F(ApplyCaptionsTest, ALabelShowsItsAcceleratorOnlyWithABuddy)
{
    auto* bike = window.get<QLabel>("LabelBike");
    apply(Language::French);
    EXPECT_EQ(bike->text(), "Motocycle type");
    bike->setBuddy(window.get<QComboBox>("ComboBoxBike"));
    apply(Language::French);
    EXPECT_EQ(bike->text(), "&Motocycle type");
    EXPECT_EQ(WithoutAccelerator("Tom && Jerry &x&"), "Tom & Jerry x&");
}

TEST_F(ApplyCaptionsTest, QtsOwnDialogsSpeakTheChosenLanguage)
{
    struct Case {
        Language language;
        QString yes, no, cancel, fileType;
    };
    const Case cases[] = {
        {Language::German, "&Ja", "&Nein", "Abbrechen", "Dateien des Typs:"},
        {Language::French, "&Oui", "&Non", "Annuler", "Fichiers de type :"},
        {Language::Czech, "&Ano", "&Ne", "Zrušit", "Soubory typu:"},
        {Language::English, "&Yes", "&No", "Cancel", "Files of type:"},
    };
    for (const Case& c : cases) {
        apply(c.language);
        QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), c.yes) << int(c.language);
        EXPECT_EQ(box.button(QMessageBox::No)->text(), c.no) << int(c.language);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), c.cancel) << int(c.language);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        auto* type = files.findChild<QLabel*>("fileTypeLabel");
        ASSERT_TRUE(type);
        EXPECT_EQ(type->text(), c.fileType) << int(c.language);
    }
}
