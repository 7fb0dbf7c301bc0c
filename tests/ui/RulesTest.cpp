#include <QLabel>
#include <QStatusBar>

#include "LabelAutoSizer.h"
#include "WindowFixture.h"

namespace tarvel::test {

using Rules = WindowFixture;

namespace {
constexpr int kSpecialRow = 31;

// The share of a widget's rendered pixels that are pure red.
double redShare(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    return double(red) / (image.width() * image.height());
}
}  // namespace

TEST_F(Rules, ThrottleMapOffShowsOneRowInThePlaceOfTheFirst)
{
    EXPECT_EQ(byte(fld::tpsMap), 0);
    for (int r = 0; r < 10; ++r) {
        EXPECT_TRUE(shown(QStringLiteral("Edit%1").arg(140 + r)));
        EXPECT_EQ(edit(QStringLiteral("Edit%1").arg(140 + r))->y(), 69);
        EXPECT_EQ(upDown(QStringLiteral("UpDown%1").arg(140 + r))->y(), 69);
        EXPECT_FALSE(shown(QStringLiteral("Edit%1").arg(50 + r)));
        EXPECT_FALSE(shown(QStringLiteral("LabelTps%1").arg(r + 1)));
        EXPECT_FALSE(shown(QStringLiteral("CSpinButton%1").arg(r + 1)));
    }
    EXPECT_FALSE(find(QStringLiteral("LabelTpsMon"))->isEnabled());

    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    EXPECT_EQ(byte(fld::tpsMap), 1);
    EXPECT_EQ(edit(QStringLiteral("Edit140"))->y(), 366);
    EXPECT_EQ(upDown(QStringLiteral("UpDown149"))->y(), 366);
    int cells = 0;
    for (int n = 50; n < 150; ++n)
        cells += shown(QStringLiteral("Edit%1").arg(n)) ? 1 : 0;
    EXPECT_EQ(cells, 100);
    EXPECT_TRUE(shown(QStringLiteral("LabelTps1")));
    EXPECT_TRUE(shown(QStringLiteral("CSpinButton4")));
    EXPECT_TRUE(shown(QStringLiteral("CGaugeTps")));
    EXPECT_TRUE(find(QStringLiteral("LabelTpsMon"))->isEnabled());
}

TEST_F(Rules, PresetKeyingLocksTheSynchronisationGroup)
{
    EXPECT_FALSE(find(QStringLiteral("GroupBoxSpecial"))->isEnabled());
    EXPECT_FALSE(find(QStringLiteral("ComboBoxSynchro"))->isEnabled());
    EXPECT_FALSE(find(QStringLiteral("LabelLobe"))->isEnabled());
    EXPECT_FALSE(shown(QStringLiteral("UpDownPocPalcu")));
    EXPECT_FALSE(shown(QStringLiteral("UpDownPocKanalu")));
    EXPECT_FALSE(shown(QStringLiteral("UpDownPalec1Zac")));
    EXPECT_FALSE(shown(QStringLiteral("LabelAdvance2")));  // one live advance line for a preset
}

TEST_F(Rules, ManualKeyingPerMethod)
{
    choose(QStringLiteral("ComboBoxBike"), kSpecialRow);
    ASSERT_EQ(byte(fld::bikeCode), 22);
    EXPECT_TRUE(find(QStringLiteral("GroupBoxSpecial"))->isEnabled());

    struct Case {
        int method;
        bool lobeEdits;  // lobe edits enabled, their up-downs shown
        bool lobeCountArrows;
        bool channelArrows;
        bool channelGroup1;
        bool secondPickup;  // "2nd Pick-up" boxes and pick-up 2 polarity
        bool pickup2Label;
    } cases[] = {
        {0, false, false, true, true, true, true},    {1, true, true, true, true, false, false},
        {4, true, true, true, true, true, true},      {6, true, true, true, true, false, true},
        {7, true, false, false, false, false, false}, {8, true, true, true, true, false, false},
    };
    for (const Case& c : cases) {
        choose(QStringLiteral("ComboBoxSynchro"), c.method);
        ASSERT_EQ(byte(fld::syncMode), c.method);
        EXPECT_EQ(edit(QStringLiteral("EditPalec1Zac"))->isEnabled(), c.lobeEdits) << c.method;
        EXPECT_EQ(edit(QStringLiteral("EditPocPalcu"))->isEnabled(), c.lobeEdits) << c.method;
        EXPECT_EQ(!upDown(QStringLiteral("UpDownPalec2End"))->isHidden(), c.lobeEdits) << c.method;
        EXPECT_EQ(shown(QStringLiteral("UpDownPocPalcu")), c.lobeCountArrows) << c.method;
        EXPECT_EQ(shown(QStringLiteral("UpDownPocKanalu")), c.channelArrows) << c.method;
        EXPECT_TRUE(edit(QStringLiteral("EditPocKanalu"))->isEnabled());
        EXPECT_EQ(shown(QStringLiteral("GroupBoxPalec1")), c.channelGroup1) << c.method;
        EXPECT_EQ(shown(QStringLiteral("CheckBoxPalec1ZacP2")), c.secondPickup) << c.method;
        EXPECT_EQ(shown(QStringLiteral("CheckBoxInvInput2")), c.pickup2Label) << c.method;
        EXPECT_EQ(shown(QStringLiteral("LabelMonSnimac2")), c.pickup2Label) << c.method;
    }
}

TEST_F(Rules, ChannelCountShowsChannelGroupsAndLiveLines)
{
    choose(QStringLiteral("ComboBoxBike"), kSpecialRow);
    choose(QStringLiteral("ComboBoxSynchro"), 3);
    for (int count : {0, 1, 2, 3, 4, 7}) {
        window->image()[fld::channelCount] = static_cast<std::uint8_t>(count);
        window->ApplyRules();
        for (int c = 1; c <= 4; ++c) {
            const bool group = c == 1 || count >= c;
            EXPECT_EQ(shown(QStringLiteral("GroupBoxPalec%1").arg(c)), group) << count << " " << c;
            if (c > 1) {
                EXPECT_EQ(shown(QStringLiteral("LabelAdvance%1").arg(c)), count >= c) << count << " " << c;
            }
        }
        EXPECT_TRUE(shown(QStringLiteral("LabelAdvance1")));
    }
}

TEST_F(Rules, LongGapMethodTiesEverySecondEdgeFlagToChannelOne)
{
    choose(QStringLiteral("ComboBoxBike"), kSpecialRow);
    choose(QStringLiteral("ComboBoxSynchro"), 8);
    for (int round = 0; round < 2; ++round) {
        clickBox(QStringLiteral("CheckBoxPalec1ZacH2"));
        const bool on = box(QStringLiteral("CheckBoxPalec1ZacH2"))->isChecked();
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(byte(fld::maxAdvEdge2 + c), on ? 1 : 0) << c;
            EXPECT_EQ(byte(fld::startAdvEdge2 + c), on ? 1 : 0) << c;
            EXPECT_EQ(window->tables().startAdvEdge2Boxes[c]->isChecked(), on);
            EXPECT_EQ(window->tables().maxAdvEdge2Boxes[c]->isChecked(), on);
            EXPECT_EQ(window->tables().maxAdvEdge2Boxes[c]->isEnabled(), c == 0);
            EXPECT_FALSE(window->tables().startAdvEdge2Boxes[c]->isEnabled());
        }
    }
}

TEST_F(Rules, UndoFromTheLongGapMethodKeepsTheSecondEdgeFlagsOfTheRestoredState)
{
    // State A: method 4, "No Reading" on, second-edge flags that differ per channel.
    choose(QStringLiteral("ComboBoxBike"), kSpecialRow);
    choose(QStringLiteral("ComboBoxSynchro"), 4);
    clickBox(QStringLiteral("CheckBoxZakazCteni"));
    clickBox(QStringLiteral("CheckBoxPalec1ZacH2"));  // the R6 keying had it set, as those of channel 2
    const ParamImage stateA = window->image();
    ASSERT_EQ(stateA[fld::noReading], 1);
    ASSERT_EQ(stateA[fld::maxAdvEdge2], 0);
    ASSERT_EQ(stateA[fld::maxAdvEdge2 + 1], 1);
    ASSERT_EQ(stateA[fld::startAdvEdge2], 1);

    // State B: "No Reading" off, then method 8 ties every flag to channel 1's (0).
    clickBox(QStringLiteral("CheckBoxZakazCteni"));
    choose(QStringLiteral("ComboBoxSynchro"), 8);
    ASSERT_EQ(byte(fld::noReading), 0);
    ASSERT_EQ(byte(fld::maxAdvEdge2 + 1), 0);

    // Showing A flips "No Reading" while the list still shows method 8: the
    // flags of A must not be tied to channel 1 on the way.
    window->SpeedButtonZpetClick();
    EXPECT_EQ(window->image(), stateA);
    EXPECT_FALSE(box(QStringLiteral("CheckBoxPalec1ZacH2"))->isChecked());
    EXPECT_TRUE(box(QStringLiteral("CheckBoxPalec2ZacH2"))->isChecked());
    EXPECT_TRUE(box(QStringLiteral("CheckBoxPalec1EndH2"))->isChecked());
}

TEST_F(Rules, ServoAndN2oShowTheirGroupsAndKeepTheirValues)
{
    EXPECT_FALSE(shown(QStringLiteral("GroupBoxPrivera")));
    EXPECT_FALSE(shown(QStringLiteral("GroupBoxGas")));
    EXPECT_FALSE(shown(QStringLiteral("UpDownN2O_Repeat")));
    clickBox(QStringLiteral("CheckBoxPrivEnable"));
    clickBox(QStringLiteral("CheckBoxGas"));
    for (const char* name : {"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer", "GroupBoxGas", "GroupBoxRetard",
                             "EditGasRpmMin", "LabelN2O_TPSmin", "UpDownN2O_Repeat"})
        EXPECT_TRUE(shown(QString::fromLatin1(name))) << name;
    typeAndLeave(QStringLiteral("EditN2O_TPSmin"), QStringLiteral("70"));
    clickBox(QStringLiteral("CheckBoxGas"));
    EXPECT_FALSE(shown(QStringLiteral("GroupBoxRetard")));
    EXPECT_FALSE(shown(QStringLiteral("EditN2O_TPSmin")));
    EXPECT_TRUE(shown(QStringLiteral("CheckBoxGas")));
    EXPECT_EQ(byte(fld::n2oTpsMin), 70);
}

TEST_F(Rules, PrintingHidesTheEditingAids)
{
    choose(QStringLiteral("ComboBoxBike"), 11);  // "Classic": method 0 shows the second pick-up
    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    window->setPrinting(true);
    window->ApplyRules();
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
    for (const char* name : {"StatusBar1", "GroupBoxToolBar", "CheckBoxProgHned", "UpDown55", "UpDown145",
                             "UpDownRpmAdv3", "UpDownNapPriv2", "UpDownOmez2", "CSpinButton1", "CGaugeTps", "CGaugeRpm",
                             "LabelMonSnimac1", "CheckBoxIgnAll", "BitBtnTps0", "LabelPocetProgramovani"})
        EXPECT_FALSE(shown(QString::fromLatin1(name))) << name;
    for (const char* name : {"UpDownStartLimiterMin", "UpDownClutchTime", "Edit55", "LabelMonSnimac2", "LabelTps3"})
        EXPECT_TRUE(shown(QString::fromLatin1(name))) << name;

    window->setPrinting(false);
    window->ApplyRules();
    EXPECT_NE(window->palette().color(QPalette::Window), QColor(Qt::white));
    for (const char* name : {"StatusBar1", "GroupBoxToolBar", "UpDown55", "CSpinButton1", "LabelMonSnimac1"})
        EXPECT_TRUE(shown(QString::fromLatin1(name))) << name;
}

TEST_F(Rules, SwitchesTurnRedWhenOn)
{
    // The whole box, text area included, is red, not only the tick square's
    // outline; the text and the tick stay readable on it. The window is not
    // shown: its boxes are sized to their texts as a show would.
    LabelAutoSizer::ensureSized(window.get());
    for (const char* name : {"CheckBoxProgHned", "CheckBoxZakazCteni"}) {
        QCheckBox* target = box(QString::fromLatin1(name));
        EXPECT_LT(redShare(target), 0.05) << name;
        clickBox(QString::fromLatin1(name));
        EXPECT_EQ(target->palette().color(QPalette::Window), QColor(Qt::red)) << name;
        EXPECT_GT(redShare(target), 0.6) << name;
        const QImage image = target->grab().toImage();
        EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() / 2), QColor(Qt::red)) << name;
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red)) << name;
    }
    clickBox(QStringLiteral("CheckBoxProgHned"));
    EXPECT_LT(redShare(box(QStringLiteral("CheckBoxProgHned"))), 0.05);
    // The unit's identification, read with its pages, shows in the version labels.
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelVerze2"))->text(), QString());
    window->MenuReadClick();
    ASSERT_TRUE(tickUntilStatus(QStringLiteral(": OK"))) << statusText().toStdString();
    const link::IdentTexts& ident = window->deviceLink().identTexts();
    ASSERT_FALSE(ident.date.empty());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelVerze1"))->text(), QString::fromStdString(ident.firmware));
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelVerze2"))->text(), QString::fromStdString(ident.date));
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelVerze3"))->text(), QString::fromStdString(ident.time));
}

}  // namespace tarvel::test
