#include <cerrno>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "HintHandler.h"
#include "WindowFixture.h"
#include "link/TransferMode.h"

namespace tarvel::test {

using Device = WindowFixture;

TEST_F(Device, ProgramVerifyAndReadFromMenuButtonsAndKeys)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("17"));
    edit(QStringLiteral("Edit140"))->setText(QStringLiteral("41"));  // typed, not yet committed

    QTest::keyClick(window.get(), Qt::Key_F9);
    ASSERT_TRUE(tickUntilStatus(QStringLiteral(": OK"))) << statusText().toStdString();
    EXPECT_EQ(unit->unit().stored()[fld::baseAdvance], 17);
    EXPECT_EQ(unit->unit().stored().advance(9, 0), 41);  // Program reads the controls first
    EXPECT_TRUE(find(QStringLiteral("LabelHlaseni"))->isVisible());

    // While the unit saves and the countdown runs, the idle ticks keep
    // showing the program result; wait until the status label goes.
    for (int i = 0; i < 2000 && !find(QStringLiteral("LabelHlaseni"))->isHidden(); ++i)
        tick();
    ASSERT_TRUE(find(QStringLiteral("LabelHlaseni"))->isHidden());
    find<QPushButton>(QStringLiteral("BitBtnVerify"))->click();
    ASSERT_TRUE(tickUntilStatus(QStringLiteral("Verify:: OK"))) << statusText().toStdString();

    // The unit changes behind the window's back; Read brings its pages in.
    unit->unit().stored()[fld::limiter] = 120;
    window->setCurrentFileName(QStringLiteral("/tmp/x.ign"));
    trigger(QStringLiteral("MenuRead"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    // A read ends with the verification of what it read.
    ASSERT_TRUE(tickUntilStatus(QStringLiteral("Verify:: OK"))) << statusText().toStdString();
    EXPECT_EQ(byte(fld::limiter), 120);
    EXPECT_EQ(edit(QStringLiteral("EditOmez2"))->text(), QStringLiteral("12,000"));
    EXPECT_FALSE(find<QLabel>(QStringLiteral("LabelVerze1"))->text().isEmpty());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelVerze2"))->text().size(), 10);
}

TEST_F(Device, LiveDataReachesTheLiveColumnAndTheHighlight)
{
    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    tick(40);
    EXPECT_TRUE(find(QStringLiteral("LabelSpojeni"))->isHidden());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelCom"))->text(), QStringLiteral("COM= COM1"));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("LabelRpm"))->text().contains(QLatin1Char('=')));
    EXPECT_NE(find<QLabel>(QStringLiteral("LabelRpm"))->text(), QStringLiteral("RPM = ---"));
    EXPECT_GT(window->deviceLink().monitorFrames(), 0u);

    // The lit row label is the operating point's row.
    const ToolPoint p = window->operatingPoint();
    const QColor lime(0, 255, 0);
    for (int t = 0; t < 10; ++t)
        EXPECT_EQ(window->tables().tpsRowLabels[t]->palette().color(QPalette::Window) == lime, t == p.tpsRow) << t;
}

TEST_F(Device, SilentLinkShowsTheConnectionLabelOnTheThirtyFirstTick)
{
    unit->unplugged = true;
    tick(30);
    EXPECT_TRUE(find(QStringLiteral("LabelSpojeni"))->isHidden());
    tick(1);
    EXPECT_FALSE(find(QStringLiteral("LabelSpojeni"))->isHidden());
}

TEST_F(Device, ProgrammedDataErrorShowsItsText)
{
    tick(40);
    EXPECT_TRUE(find(QStringLiteral("LabelEeDataErr"))->isHidden());
    unit->unit().options().dataError = true;
    tick(5);
    EXPECT_FALSE(find(QStringLiteral("LabelEeDataErr"))->isHidden());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelEeDataErr"))->text(), QStringLiteral("Programmed data error"));
    trigger(QStringLiteral("MenuGerman"));
    tick(5);
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelEeDataErr"))->text(), QStringLiteral("Programmed data error"));
    unit->unit().options().dataError = false;
    tick(5);
    EXPECT_TRUE(find(QStringLiteral("LabelEeDataErr"))->isHidden());
}

// While "No connection with PC" shows, the last values stay but greyed and
// without their signal colours; the next frame brings them back.
TEST_F(Device, LiveValuesGreyWhileNoFramesArrive)
{
    tick(40);
    auto* rpm = find<QLabel>(QStringLiteral("LabelRpm"));
    auto* pickup = find<QLabel>(QStringLiteral("LabelMonSnimac1"));
    const QColor lime(0, 255, 0);
    const QColor grey = QApplication::palette(rpm).color(QPalette::Disabled, QPalette::WindowText);
    ASSERT_TRUE(pickup->text().contains(QStringLiteral("is running")));
    ASSERT_EQ(pickup->palette().color(QPalette::Window), lime);
    const QColor normalText = rpm->palette().color(QPalette::WindowText);
    ASSERT_NE(normalText, grey);

    unit->unplugged = true;
    for (int i = 0; i < 60 && find(QStringLiteral("LabelSpojeni"))->isHidden(); ++i)
        tick();
    ASSERT_FALSE(find(QStringLiteral("LabelSpojeni"))->isHidden());
    const QString lastSpeed = rpm->text();
    EXPECT_TRUE(lastSpeed.startsWith(QStringLiteral("RPM = ")));
    EXPECT_EQ(rpm->palette().color(QPalette::WindowText), grey);
    EXPECT_TRUE(pickup->text().contains(QStringLiteral("is running")));
    EXPECT_NE(pickup->palette().color(QPalette::Window), lime);
    EXPECT_EQ(pickup->palette().color(QPalette::WindowText), grey);

    unit->unplugged = false;
    for (int i = 0; i < 40 && rpm->palette().color(QPalette::WindowText) == grey; ++i)
        tick();
    EXPECT_EQ(rpm->palette().color(QPalette::WindowText), normalText);
    EXPECT_EQ(pickup->palette().color(QPalette::Window), lime);
}

TEST_F(Device, PortItemsOpenTheirPortAndNameItsDevice)
{
    window->tables().portMenuItems[4]->trigger();
    EXPECT_EQ(window->portIndex(), 4);
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelCom"))->text(), QStringLiteral("COM= COM5"));
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(window->tables().portMenuItems[k]->isChecked(), k == 4);
    EXPECT_EQ(HintHandler::hint(window->tables().portMenuItems[4]), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(HintHandler::hint(window->tables().portMenuItems[0]), QStringLiteral("/dev/ttyS0"));
    trigger(QStringLiteral("MenuComAuto"));
    EXPECT_EQ(window->portIndex(), 20);
    EXPECT_TRUE(window->tables().portMenuItems[20]->isChecked());
}

TEST_F(Device, TicksGoOnWhileABoxOpenedByATickIsOpen)
{
    unit->unit() = link::SimulatedUnit(link::SimulatedUnitOptions{.formatVersion = 47});
    int ticksWhileShown = -1;
    dialogs->whileShown = [&] {
        const int before = window->ticksRun();
        QTest::qWait(600);
        ticksWhileShown = window->ticksRun() - before;
    };
    trigger(QStringLiteral("MenuRead"));
    window->timer1().start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksWhileShown >= 0; }, 10000));
    window->timer1().stop();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains(QStringLiteral("47"))) << dialogs->messages[0].toStdString();
    EXPECT_GE(ticksWhileShown, 3);  // about ten in 600 ms; none if the box held the tick up
}

TEST_F(Device, VersionMismatchBoxLeavesTheEngineIdleWhenItCloses)
{
    unit->unit() = link::SimulatedUnit(link::SimulatedUnitOptions{.formatVersion = 47});
    link::DeviceLink& link = window->deviceLink();
    const int port = window->portIndex() + 1;
    bool inside = false;
    dialogs->whileShown = [&] {
        inside = true;
        // Idle while the box is open; the status text still counts down.
        EXPECT_EQ(link.transferMode(), link::TransferMode::Idle);
        EXPECT_GT(link.status().messageTicks, 0);
        // The loader asks for a reset meanwhile: closing the box cancels it.
        link.loaderMessage(port, link::kLoaderResetRelease);
        EXPECT_EQ(link.transferMode(), link::TransferMode::ResetRelease);
    };
    trigger(QStringLiteral("MenuRead"));
    for (int i = 0; i < 20 && !inside; ++i) {
        tick();
        QApplication::processEvents();  // a box put off until after the tick
    }
    ASSERT_TRUE(inside);
    EXPECT_EQ(link.transferMode(), link::TransferMode::Idle);
    EXPECT_EQ(link.status().messageTicks, 0);
    unit->clearCommandsSent();
    tick(20);
    for (std::uint8_t command : unit->commandsSent())
        EXPECT_NE(command, 0x00) << "the cancelled reset went out";
    EXPECT_TRUE(link.port().attached());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    EXPECT_TRUE(find(QStringLiteral("LabelHlaseni"))->isHidden());
}

// The start-up finds no device behind the port: the box says so, with the
// device and the reason, and the watchdog keeps trying behind it.
class UnitPluggedInDuringTheStartUpBox : public WindowFixture {
protected:
    void beforeStart() override
    {
        unit->onlyPath = "/dev/tarvel-plugged-in-later";
        dialogs->whileShown = [this] {
            timerRan = QTest::qWaitFor([this] { return window->ticksRun() > 0; }, 2000);
            unit->onlyPath.clear();  // plugged in
            while (unit->opens == 0 && window->ticksRun() < 200)
                tick();
            openedOnTick = window->ticksRun();
            tick(12);
            framesWhileShown = window->deviceLink().monitorFrames();
        };
    }
    bool timerRan = false;
    int openedOnTick = 0;
    std::uint32_t framesWhileShown = 0;
};

TEST_F(UnitPluggedInDuringTheStartUpBox, IsFoundBeforeTheBoxCloses)
{
    ASSERT_EQ(dialogs->messages, QStringList{QStringLiteral("Com opening error!")});
    EXPECT_EQ(dialogs->messageDetails[0], QStringLiteral("/dev/ttyS0: No such file or directory"));
    EXPECT_TRUE(timerRan) << "no tick ran behind the box";
    EXPECT_EQ(openedOnTick, 60);  // the watchdog's first reopen of a silent start
    EXPECT_GT(framesWhileShown, 0u);
}

// The detail under the box is in the window's language like its main text;
// the device and the system's reason stay as the system gives them.
class PortInUseAtAGermanStartUp : public WindowFixture {
protected:
    QStringList arguments() const override { return {QStringLiteral("DEUTSCH")}; }
    void beforeStart() override
    {
        unit->onlyPath = "/dev/tarvel-elsewhere";
        unit->refusedStep = link::DeviceOpenFailure::Step::InUse;
        unit->refusedErrno = EWOULDBLOCK;
    }
};

TEST_F(PortInUseAtAGermanStartUp, BoxDetailIsGerman)
{
    ASSERT_FALSE(dialogs->messages.empty());
    EXPECT_EQ(dialogs->messages[0], QStringLiteral("Falscher COM-Anschlußes!"));
    EXPECT_EQ(dialogs->messageDetails[0], QStringLiteral("/dev/ttyS0: belegt: Resource temporarily unavailable"));
}

TEST_F(Device, UndoWithProgrammingAfterChangeProgramsTheUnit)
{
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("15"));
    box(QStringLiteral("CheckBoxProgHned"))->setChecked(true);
    window->SpeedButtonZpetClick();
    EXPECT_EQ(window->deviceLink().transferMode(), link::TransferMode::Program);
    ASSERT_TRUE(tickUntilStatus(QStringLiteral(": OK")));
    EXPECT_EQ(unit->unit().stored()[fld::baseAdvance], 10);
}

}  // namespace tarvel::test

namespace tarvel::test {

TEST_F(Device, FirmwareLoaderBorrowsThePortAndGivesItBack)
{
    const int port = window->portIndex() + 1;
    window->deviceLink().loaderMessage(port + 1, link::kLoaderResetRelease);  // another port: ignored
    tick(10);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));

    window->deviceLink().loaderMessage(port, link::kLoaderResetRelease);
    tick(10);
    // Seven blanks, the (empty) file name, three blanks, the note with its two leading blanks.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3            (Disconnected by bootloader)"));
    EXPECT_FALSE(window->deviceLink().port().attached());

    // A port chosen meanwhile is opened, and its item checked, when the port comes back.
    window->tables().portMenuItems[4]->trigger();
    EXPECT_EQ(window->portIndex(), 4);
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(window->tables().portMenuItems[k]->isChecked(), k == port - 1) << k;

    window->deviceLink().loaderMessage(5, link::kLoaderGiveBack);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    EXPECT_TRUE(window->deviceLink().port().attached());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelCom"))->text(), QStringLiteral("COM= COM5"));
    for (int k = 0; k < 21; ++k)
        EXPECT_EQ(window->tables().portMenuItems[k]->isChecked(), k == 4) << k;
}

}  // namespace tarvel::test
