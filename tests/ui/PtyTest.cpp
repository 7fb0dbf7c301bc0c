// Read, Program and Verify through the window against the simulated unit on a
// pseudo-terminal, mapped to COM2 through the PORTS section of the settings,
// with the window's own 55 ms timer driving the link.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "SimulatorOnPty.h"
#include "TFormHlav.h"
#include "WindowFixture.h"

namespace tarvel::test {

TEST(PseudoTerminal, ReadProgramAndVerifyThroughTheWindow)
{
    SimulatorOnPty simulator;
    simulator.unit().stored()[fld::baseAdvance] = 19;
    // Lobe numbers of unused channels as the window's controls store them (at least 1),
    // so that what the window reads it also verifies.
    for (int c = 2; c < 4; ++c)
        simulator.unit().stored()[fld::maxAdvLobe + c] = simulator.unit().stored()[fld::startAdvLobe + c] = 1;
    ASSERT_TRUE(simulator.start()) << simulator.error();

    QTemporaryDir home;
    {
        QFile settings(QDir(home.path()).filePath(QStringLiteral("tarvel3")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[FORM_HLAV]\r\nComPort=2\r\n[PORTS]\r\nCOM2=" + QByteArray::fromStdString(simulator.path()) +
                       "\r\n");
    }
    qputenv("TARVEL3_HOME", home.path().toUtf8());
    auto window = std::make_unique<TFormHlav>();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* answers = dialogs.get();
    window->setDialogs(std::move(dialogs));
    window->FormCreate({}, home.path());
    auto* status = window->findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
    auto waitFor = [&](const QString& text) {
        return QTest::qWaitFor([&] { return status->text() == text && !status->isHidden(); }, 15000);
    };

    // Live data arrives on its own.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->deviceLink().monitorFrames() > 3; }, 10000));
    EXPECT_TRUE(answers->messages.isEmpty());

    // Read brings the unit's pages in and verifies them.
    window->image()[fld::baseAdvance] = 5;
    window->ShowImage();
    window->MenuReadClick();
    EXPECT_TRUE(waitFor(QStringLiteral("Verify:: OK")));
    EXPECT_EQ(window->image()[fld::baseAdvance], 19);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("EditBaseAdv"))->text(), QStringLiteral("19"));

    window->MenuVerifyClick();
    EXPECT_TRUE(waitFor(QStringLiteral("Verify:")));
    EXPECT_TRUE(waitFor(QStringLiteral("Verify:: OK")));

    window->image()[fld::baseAdvance] = 23;
    window->ShowImage();
    window->MenuProgramClick();
    EXPECT_TRUE(waitFor(QStringLiteral("Program device:: OK")));
    EXPECT_TRUE(answers->messages.isEmpty());

    window->close();
    window.reset();
    simulator.halt();
    EXPECT_EQ(simulator.unit().stored()[fld::baseAdvance], 23);
}

}  // namespace tarvel::test
