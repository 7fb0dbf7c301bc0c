#include <QApplication>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "WindowFixture.h"

namespace tarvel::test {

using Binding = WindowFixture;

TEST_F(Binding, InvalidTextIsIgnoredAndShownBackAsTheStoredValue)
{
    const std::uint8_t before = byte(fld::advance + 7);
    for (const char* text : {"75", "3.5", "abc", "-3"}) {
        typeAndLeave(QStringLiteral("Edit57"), QString::fromLatin1(text));
        EXPECT_EQ(byte(fld::advance + 7), before) << text;
        EXPECT_EQ(edit(QStringLiteral("Edit57"))->text(), QString::number(before)) << text;
    }
    typeAndLeave(QStringLiteral("Edit57"), QStringLiteral("44"));
    EXPECT_EQ(byte(fld::advance + 7), 44);
}

TEST_F(Binding, ScaledValuesAreTruncatedToTheFieldStepAndShownWithThousands)
{
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("15050"));
    EXPECT_EQ(byte(fld::limiter), 150);
    EXPECT_EQ(edit(QStringLiteral("EditOmez2"))->text(), QStringLiteral("15,000"));
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("12,300"));
    EXPECT_EQ(byte(fld::limiter), 123);
    typeAndLeave(QStringLiteral("EditNapPriv3"), QStringLiteral("2,230"));
    EXPECT_EQ(byte(fld::servoMv + 2), 111);
    EXPECT_EQ(edit(QStringLiteral("EditNapPriv3"))->text(), QStringLiteral("2,220"));
}

TEST_F(Binding, ValuesOutsideTheControlRangeShowAtItsEndAndAreStoredSoNextTime)
{
    struct Case {
        int offset;
        std::uint8_t stored;
        const char* edit;
        const char* shown;
        std::uint8_t afterCommit;
    } cases[] = {
        {fld::tachoCorrection, 30, "EditRpmKorekce", "-60", 40},
        {fld::tachoCorrection, 200, "EditRpmKorekce", "60", 160},
        {fld::tps100, 240, "EditTps100", "4,750", 225},
        {fld::tps0, 10, "EditTps0", "250", 25},
        {fld::limiter, 5, "EditOmez2", "999", 9},
    };
    for (const Case& c : cases) {
        window->image()[c.offset] = c.stored;
        window->ShowImage();
        EXPECT_EQ(edit(QString::fromLatin1(c.edit))->text(), QString::fromLatin1(c.shown)) << c.edit;
        EXPECT_EQ(byte(c.offset), c.stored) << "showing does not write back";
        window->EditGasRpmMinExit();  // any commit reads every control
        EXPECT_EQ(byte(c.offset), c.afterCommit) << c.edit;
    }
}

TEST_F(Binding, ListsConvertPositionsAndKeepWhatTheyCannotShow)
{
    window->image()[fld::syncMode] = 9;
    window->image()[fld::bikeCode] = 40;
    window->ShowImage();
    EXPECT_EQ(combo(QStringLiteral("ComboBoxSynchro"))->currentIndex(), -1);
    EXPECT_EQ(combo(QStringLiteral("ComboBoxBike"))->currentIndex(), 28);  // still Yamaha R6
    window->ReadControls();
    EXPECT_EQ(byte(fld::syncMode), 255);
    EXPECT_EQ(byte(fld::bikeCode), 20);

    window->image()[fld::ignitionMultiple] = 0;
    window->ShowImage();
    EXPECT_EQ(combo(QStringLiteral("ComboBoxNasobekPalcu"))->currentIndex(), 3);
}

TEST_F(Binding, CompensationIsReadOnlyInTestMode)
{
    for (int i = 0; i < 4; ++i)
        window->image()[fld::compensation + i] = static_cast<std::uint8_t>(40 + i);
    window->ShowImage();
    EXPECT_EQ(edit(QStringLiteral("EditKompenz2"))->text(), QStringLiteral("41"));
    window->ReadControls();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(byte(fld::compensation + i), 11);

    window->setTestMode(true);
    window->ShowImage();
    EXPECT_TRUE(shown(QStringLiteral("EditKompenz1")));
    typeAndLeave(QStringLiteral("EditKompenz3"), QStringLiteral("200"));
    EXPECT_EQ(byte(fld::compensation + 2), 200);
}

TEST_F(Binding, ShowingTheImageCommitsNothing)
{
    QSignalSpy programs(window.get(), &TFormHlav::programmingRequested);
    box(QStringLiteral("CheckBoxProgHned"))->setChecked(true);
    window->image()[fld::noReading] = 1;
    window->image()[fld::advance] = 33;
    window->image()[fld::bikeCode] = 24;
    window->ShowImage();
    EXPECT_TRUE(box(QStringLiteral("CheckBoxZakazCteni"))->isChecked());
    EXPECT_EQ(box(QStringLiteral("CheckBoxZakazCteni"))->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_FALSE(window->undoHistory().canUndo());
    EXPECT_EQ(programs.count(), 0);
    EXPECT_EQ(byte(fld::advance), 33);  // the image is not overwritten while showing
}

TEST_F(Binding, AnEditThatLosesTheFocusWhileTheImageIsShownCommitsNothing)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    choose(QStringLiteral("ComboBoxBike"), 31);  // manual keying: the lobe edits may be edited
    clickBox(QStringLiteral("CheckBoxProgHned"));
    window->EditGasRpmMinExit();  // armed: from now on every commit programs
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    QLineEdit* lobe = edit(QStringLiteral("EditPalec1Zac"));
    lobe->setFocus();
    ASSERT_TRUE(lobe->hasFocus());

    // An image with a preset keying arrives (as a read from the unit brings it):
    // showing it greys the lobe edit, which loses the focus.
    QSignalSpy programs(window.get(), &TFormHlav::programmingRequested);
    const bool couldUndo = window->undoHistory().canUndo();
    ParamImage read = window->image();
    read[fld::bikeCode] = 24;
    read[fld::baseAdvance] = 33;
    window->image() = read;
    window->ShowImage();
    EXPECT_FALSE(lobe->isEnabled());
    EXPECT_FALSE(lobe->hasFocus());
    EXPECT_EQ(programs.count(), 0);
    EXPECT_EQ(window->undoHistory().currentSnapshot().image[fld::baseAdvance], 10);
    EXPECT_EQ(window->undoHistory().canUndo(), couldUndo);
}

TEST_F(Binding, EnterCommitsAndMovesToTheNextControl)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    QLineEdit* clutch = edit(QStringLiteral("EditClutchTime"));
    clutch->setFocus();
    clutch->setText(QStringLiteral("120"));
    QTest::keyClick(clutch, Qt::Key_5);  // any other key only edits
    EXPECT_EQ(byte(fld::clutchTime), 10);
    QTest::keyClick(clutch, Qt::Key_Return);
    EXPECT_EQ(byte(fld::clutchTime), 120);  // 1205 ms, truncated to 1200 and stored /10
    EXPECT_FALSE(clutch->hasFocus());
    EXPECT_TRUE(window->undoHistory().canUndo());

    QCheckBox* gas = box(QStringLiteral("CheckBoxGas"));
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(4);
    gas->setFocus();
    gas->setChecked(true);
    QTest::keyClick(gas, Qt::Key_Enter);
    EXPECT_EQ(byte(fld::n2oEnable), 1);
}

TEST_F(Binding, ProgrammingAfterChangeArmsOnTheFirstCommit)
{
    settle();
    QSignalSpy programs(window.get(), &TFormHlav::programmingRequested);
    clickBox(QStringLiteral("CheckBoxProgHned"));  // its own commit changes nothing: arms only
    EXPECT_EQ(programs.count(), 0);
    EXPECT_TRUE(window->autoProgramArmed());
    window->EditGasRpmMinExit();  // even a commit that changes nothing programs now
    EXPECT_EQ(programs.count(), 1);
    clickBox(QStringLiteral("CheckBoxProgHned"));  // unticked: disarmed
    window->EditGasRpmMinExit();
    EXPECT_EQ(programs.count(), 1);
    EXPECT_FALSE(window->autoProgramArmed());

    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("12"));
    box(QStringLiteral("CheckBoxProgHned"))->setChecked(true);
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("13"));  // a changing commit programs at once
    EXPECT_EQ(programs.count(), 2);
}

TEST_F(Binding, ClosingBoxesCommitTheirBits)
{
    window->image()[fld::closingActive] = 0xFF;
    window->ShowImage();
    clickBox(QStringLiteral("CheckBoxAktClutch"));
    EXPECT_EQ(byte(fld::closingActive), 0x3B);  // bit 2 cleared, bits 6 and 7 never stored
}

}  // namespace tarvel::test

namespace tarvel::test {

// Showing what was read and reading it again changes nothing: the conversion
// both ways is the same table's. (The first read lifts values outside a
// control's range to its end, such as the unused channels' lobe numbers.)
TEST_F(Binding, ReadingWhatWasShownGivesTheSameImage)
{
    for (int method : {0, 4, 8, 200}) {
        window->image()[fld::syncMode] = static_cast<std::uint8_t>(method);
        window->ShowImage();
        window->ReadControls();
        const ParamImage read = window->image();
        window->ShowImage();
        window->ReadControls();
        EXPECT_EQ(window->image(), read) << method;
    }
}

}  // namespace tarvel::test
