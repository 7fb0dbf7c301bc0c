#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "SpinButton.h"
#include "WindowFixture.h"

namespace tarvel::test {

using Editing = WindowFixture;

TEST_F(Editing, NothingToUndoOrRedoRightAfterStartUp)
{
    EXPECT_FALSE(action(QStringLiteral("MenuZpet"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("MenuZnovu"))->isEnabled());
    EXPECT_FALSE(find(QStringLiteral("SpeedButtonZpet"))->isEnabled());
    EXPECT_EQ(byte(fld::bikeCode), 20);
    EXPECT_EQ(combo(QStringLiteral("ComboBoxBike"))->currentText(), QStringLiteral("Yamaha R6"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
}

TEST_F(Editing, PresetChoiceIsOneUndoStep)
{
    typeAndLeave(QStringLiteral("Edit50"), QStringLiteral("44"));
    const ParamImage edited = window->image();
    choose(QStringLiteral("ComboBoxBike"), 8);  // Honda VFR 750
    EXPECT_EQ(byte(fld::bikeCode), 24);
    EXPECT_EQ(byte(fld::syncMode), 4);
    EXPECT_EQ(byte(fld::lobeCount), 11);
    EXPECT_EQ(byte(fld::channelCount), 4);
    EXPECT_EQ(byte(fld::advance), 10);  // the default map is back
    EXPECT_EQ(upDown(QStringLiteral("UpDownPocPalcu"))->position(), 11);

    window->SpeedButtonZpetClick();
    EXPECT_EQ(window->image(), edited);
    EXPECT_EQ(combo(QStringLiteral("ComboBoxBike"))->currentText(), QStringLiteral("Yamaha R6"));
}

TEST_F(Editing, SpecialSettingKeepsEverythingButTheCodeAndMethod)
{
    typeAndLeave(QStringLiteral("Edit50"), QStringLiteral("44"));
    combo(QStringLiteral("ComboBoxSynchro"))->setCurrentIndex(3);  // changed by program: no report
    choose(QStringLiteral("ComboBoxBike"), 31);
    EXPECT_EQ(byte(fld::bikeCode), 22);
    EXPECT_EQ(byte(fld::syncMode), 3);
    EXPECT_EQ(byte(fld::advance), 44);
}

TEST_F(Editing, NewAskedAndAnsweredNoChangesNothing)
{
    typeAndLeave(QStringLiteral("Edit50"), QStringLiteral("44"));
    window->setCurrentFileName(QStringLiteral("/tmp/a.ign"));
    const ParamImage before = window->image();
    for (auto answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        dialogs->answers.push_back(answer);
        trigger(QStringLiteral("MenuNew"));
        EXPECT_EQ(window->image(), before);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       /tmp/a.ign"));
    }
    ASSERT_EQ(dialogs->questions.size(), 2);
    EXPECT_EQ(dialogs->questions[0], QStringLiteral("Do you want default setting?"));

    dialogs->answers.push_back(Dialogs::Answer::Yes);
    trigger(QStringLiteral("MenuNew"));
    EXPECT_EQ(byte(fld::advance), 10);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    EXPECT_TRUE(window->currentFileName().isEmpty());
    window->SpeedButtonZpetClick();  // "New" is one undo step
    EXPECT_EQ(byte(fld::advance), 44);
}

TEST_F(Editing, UndoAndRedoBringBackTheTabOfTheSnapshot)
{
    auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(2);
    typeAndLeave(QStringLiteral("Edit50"), QStringLiteral("40"));
    pages->setCurrentIndex(3);
    typeAndLeave(QStringLiteral("EditNapPriv1"), QStringLiteral("3000"));
    EXPECT_TRUE(action(QStringLiteral("MenuZpet"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("MenuZnovu"))->isEnabled());

    window->SpeedButtonZpetClick();
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(byte(fld::advance), 40);
    EXPECT_NE(byte(fld::servoMv), 150);
    EXPECT_TRUE(action(QStringLiteral("MenuZnovu"))->isEnabled());

    window->SpeedButtonZnovuClick();
    EXPECT_EQ(pages->currentIndex(), 3);
    EXPECT_EQ(byte(fld::servoMv), 150);
    EXPECT_EQ(edit(QStringLiteral("EditNapPriv1"))->text(), QStringLiteral("3,000"));

    window->SpeedButtonZpetClick();
    typeAndLeave(QStringLiteral("Edit51"), QStringLiteral("20"));  // a new change drops the redo states
    EXPECT_FALSE(action(QStringLiteral("MenuZnovu"))->isEnabled());
}

TEST_F(Editing, UndoWithProgrammingAfterChangeProgramsAtOnce)
{
    typeAndLeave(QStringLiteral("Edit50"), QStringLiteral("40"));
    box(QStringLiteral("CheckBoxProgHned"))->setChecked(true);
    QSignalSpy programs(window.get(), &TFormHlav::programmingRequested);
    window->SpeedButtonZpetClick();
    EXPECT_EQ(programs.count(), 1);
    window->SpeedButtonZpetClick();  // nothing left to undo: nothing happens
    EXPECT_EQ(programs.count(), 1);
    window->SpeedButtonZnovuClick();
    EXPECT_EQ(programs.count(), 2);
}

TEST_F(Editing, MenuShortcutsWorkInsideAnEditBox)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("20"));
    QLineEdit* cell = edit(QStringLiteral("EditOmez2"));
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    cell->setFocus();
    ASSERT_TRUE(cell->hasFocus());
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(byte(fld::baseAdvance), 10);  // undone, not the edit's own text undo
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(byte(fld::baseAdvance), 20);
    QTest::keyClick(cell, Qt::Key_F5);  // advance plus: no live data, no cell moves, still commits
    EXPECT_EQ(byte(fld::baseAdvance), 20);
    dialogs->answers.push_back(Dialogs::Answer::No);
    QTest::keyClick(cell, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(dialogs->questions.size(), 1);
}

TEST_F(Editing, AdvanceToolsAtTheOperatingPointOrTheWholeMap)
{
    ParamImage& image = window->image();
    image.advance(9, 3) = 30;
    image.advance(0, 0) = 0;
    image.advance(5, 5) = 60;
    window->ShowImage();

    window->BitBtnAdvPlusClick();  // no live data yet: below the map
    EXPECT_EQ(image.advance(9, 3), 30);

    // The engine runs at the speed of map column 3; the map ignores the throttle.
    unit->unit().options().heldRpm = image[fld::mapRpm + 3] * 100;
    tickUntilFrame();
    const ToolPoint point = window->operatingPoint();
    ASSERT_FALSE(point.belowMap);
    ASSERT_EQ(point.tpsRow, 9);
    ASSERT_EQ(point.rpmColumn, 3);
    trigger(QStringLiteral("AdvancePlus"));
    EXPECT_EQ(image.advance(9, 3), 31);
    EXPECT_EQ(edit(QStringLiteral("Edit143"))->text(), QStringLiteral("31"));
    find<QPushButton>(QStringLiteral("BitBtnAdvMinus"))->click();
    EXPECT_EQ(image.advance(9, 3), 30);

    // A value typed but not committed is read first.
    edit(QStringLiteral("Edit52"))->setText(QStringLiteral("17"));
    clickBox(QStringLiteral("CheckBoxIgnAll"));
    EXPECT_FALSE(window->undoHistory().canRedo());
    window->BitBtnAdvMinusClick();
    EXPECT_EQ(image.advance(0, 2), 16);
    EXPECT_EQ(image.advance(0, 0), 0);
    EXPECT_EQ(image.advance(9, 3), 29);
    window->BitBtnAdvPlusClick();
    window->BitBtnAdvPlusClick();
    EXPECT_EQ(image.advance(5, 5), 60);
    EXPECT_EQ(image.advance(0, 0), 2);
}

TEST_F(Editing, ColumnSpinButtonsMoveOneColumn)
{
    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    ParamImage& image = window->image();
    const std::uint8_t before[2] = {image.advance(0, 9), image.advance(4, 8)};
    auto* spin = find<SpinButton>(QStringLiteral("CSpinButton10"));
    emit spin->upClick();
    for (int t = 0; t < 10; ++t)
        EXPECT_EQ(image.advance(t, 9), t == 0 ? before[0] + 1 : image.advance(t, 9));
    EXPECT_EQ(image.advance(0, 9), before[0] + 1);
    EXPECT_EQ(image.advance(4, 8), before[1]);
    emit find<SpinButton>(QStringLiteral("CSpinButton9"))->downClick();
    EXPECT_EQ(image.advance(4, 8), before[1] - 1);
}

TEST_F(Editing, ServoToolsAndThrottleCaptures)
{
    ParamImage& image = window->image();
    // The engine runs at the speed of servo point 4.
    unit->unit().options().heldRpm = image[fld::servoRpm + 4] * 100;
    tickUntilFrame();
    ASSERT_EQ(window->operatingPoint().servoColumn, 4);
    const std::uint8_t point = image[fld::servoMv + 4];
    window->BitBtnServoPlusClick();
    EXPECT_EQ(image[fld::servoMv + 4], point + 1);
    clickBox(QStringLiteral("CheckBoxServoAll"));
    window->BitBtnServoMinusClick();
    EXPECT_EQ(image[fld::servoMv + 4], point);
    EXPECT_EQ(image[fld::servoMv], 99);

    QSignalSpy programs(window.get(), &TFormHlav::programmingRequested);
    clickBox(QStringLiteral("CheckBoxProgHned"));  // armed
    auto throttleAt = [this](int mv) {
        unit->unit().options().heldTpsMv = mv;
        tickUntilFrame();
        ASSERT_EQ(window->deviceLink().liveValues().liveTpsMv, mv);
    };
    throttleAt(2600);
    window->BitBtnTps0Click();  // outside its window: no commit, no programming
    EXPECT_EQ(image[fld::tps0], 70);
    EXPECT_EQ(programs.count(), 0);
    throttleAt(950);
    edit(QStringLiteral("EditOmez2"))->setText(QStringLiteral("12000"));  // not read by a capture
    window->BitBtnTps0Click();
    EXPECT_EQ(image[fld::tps0], 95);
    EXPECT_EQ(image[fld::limiter], 110);
    EXPECT_EQ(edit(QStringLiteral("EditOmez2"))->text(), QStringLiteral("11,000"));
    EXPECT_EQ(programs.count(), 1);
    throttleAt(4900);
    window->BitBtnTps100Click();
    EXPECT_EQ(image[fld::tps100], 240);
    EXPECT_EQ(edit(QStringLiteral("EditTps100"))->text(), QStringLiteral("4,750"));
}

TEST_F(Editing, PortItemsCarryOneCheckMark)
{
    EXPECT_EQ(window->portIndex(), 0);  // no settings yet: COM1
    trigger(QStringLiteral("MenuComAuto"));
    EXPECT_EQ(window->portIndex(), 20);
    window->tables().portMenuItems[2]->trigger();
    EXPECT_EQ(window->portIndex(), 2);
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(window->tables().portMenuItems[k]->isChecked(), k == 2);
}

TEST_F(Editing, ANumberOutOfRangeNamesTheRangeInTheStatusBar)
{
    auto* panel = find<QLabel>(QStringLiteral("StatusBarPanel"));
    const struct {
        std::uint8_t language;
        const char* note;
    } cases[] = {
        {0, "Allowed values: 0 to 60"},
        {1, "Zulässige Werte: 0 bis 60"},
        {2, "Valeurs permises : 0 à 60"},
        {3, "Povolené hodnoty: 0 až 60"},
    };
    for (const auto& c : cases) {
        window->MenuLanguageClick(c.language);
        panel->clear();
        QLineEdit* cell = edit(QStringLiteral("Edit50"));
        cell->setFocus();
        cell->selectAll();
        QTest::keyClicks(cell, QStringLiteral("7"));
        EXPECT_TRUE(panel->text().isEmpty()) << "7 lies in the range";
        QTest::keyClicks(cell, QStringLiteral("5"));  // 75
        EXPECT_EQ(panel->text(), QString::fromUtf8(c.note));
        panel->clear();
        window->EditGasRpmMinExit();  // left: the old value comes back, the note stays
        EXPECT_EQ(panel->text(), QString::fromUtf8(c.note));
        EXPECT_EQ(cell->text(), QString::number(byte(fld::advance)));
    }
    // Fields with thousands name their ends as they show them.
    UpDown* limiter = upDown(QStringLiteral("UpDownOmez2"));
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("99999"));
    EXPECT_TRUE(panel->text().endsWith(limiter->format(limiter->maximum()))) << panel->text().toStdString();
}

}  // namespace tarvel::test
