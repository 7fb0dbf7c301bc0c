#include <QLabel>
#include <QTabWidget>

#include "HintHandler.h"
#include "WindowFixture.h"
#include "store/StateDump.h"

namespace tarvel::test {

using FirstRun = WindowFixture;

TEST_F(FirstRun, StartsOnCom1InEnglishWithTheR6Keying)
{
    EXPECT_EQ(window->portIndex(), 0);  // the missing key gives COM1
    EXPECT_EQ(window->scanIndex(), 0);  // 255, repaired
    EXPECT_EQ(window->language(), 0);
    EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->currentIndex(), 0);
    EXPECT_EQ(byte(fld::bikeCode), 20);
    EXPECT_FALSE(window->testMode());
    EXPECT_TRUE(find(QStringLiteral("LabelTest1"))->isHidden());
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelCom"))->text(), QStringLiteral("COM= COM1"));
}

TEST_F(FirstRun, ShutDownWritesTenKeysInOrderAndTheNormalisedImage)
{
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
    edit(QStringLiteral("EditBaseAdv"))->setText(QStringLiteral("21"));  // typed only: read at close
    window->image()[fld::mapRpm + 5] = 0;                                // repaired at close
    window->close();
    ASSERT_TRUE(window->closedForGood());

    const QList<QByteArray> lines = readFile(QStringLiteral("tarvel3")).split('\n');
    QStringList keys;
    for (const QByteArray& line : lines)
        if (line.contains('='))
            keys << QString::fromLatin1(line.left(line.indexOf('=')));
    EXPECT_EQ(keys, (QStringList{"Left", "Top", "Height", "Width", "ComPort", "ComPortAuto", "Language", "File",
                                 "IniDir", "PageControl1->ActivePageIndex"}));
    EXPECT_TRUE(readFile(QStringLiteral("tarvel3")).contains("PageControl1->ActivePageIndex=3"));
    EXPECT_TRUE(readFile(QStringLiteral("tarvel3")).contains("ComPort=1\r\n"));

    ParamImage dumped;
    ASSERT_EQ(ReadStateDump(readFile(QStringLiteral("_tarvel3")).toStdString(), dumped), kBlockSize);
    EXPECT_EQ(dumped[fld::baseAdvance], 21);
    EXPECT_EQ(dumped, window->image());
    EXPECT_GT(dumped[fld::mapRpm + 5], dumped[fld::mapRpm + 4]);
}

class SavedRun : public WindowFixture {
protected:
    void prepareFolder() override
    {
        writeFile(QStringLiteral("tarvel3"),
                  "[FORM_HLAV]\r\nComPort=21\r\nComPortAuto=6\r\nLanguage=3\r\nFile=/work/a.ign\r\n"
                  "PageControl1->ActivePageIndex=2\r\n[PORTS]\r\nCOM6=/dev/simulated6\r\n");
        ParamImage image;
        image[fld::bikeCode] = 24;
        image[fld::syncMode] = 4;
        image[fld::lobeCount] = 11;
        image[fld::tpsMap] = 1;
        image.advance(0, 0) = 44;
        image[kImageSize + 3] = 9;  // a spare byte travels with the dump
        writeFile(QStringLiteral("_tarvel3"), QByteArray::fromStdString(StateDumpText(image)));
        writeFile(QStringLiteral("test_verdol.txt"), "x PROBE_ALLOW y");
    }
    QStringList arguments() const override { return {QStringLiteral("DEUTSCH")}; }
};

TEST_F(SavedRun, StartsWhereTheLastRunEnded)
{
    EXPECT_EQ(window->portIndex(), 20);
    EXPECT_EQ(window->scanIndex(), 5);
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelCom"))->text(), QStringLiteral("COM= COM6"));
    EXPECT_EQ(HintHandler::hint(window->tables().portMenuItems[5]), QStringLiteral("/dev/simulated6"));
    EXPECT_EQ(window->language(), 1);  // the command-line word wins over the settings
    EXPECT_TRUE(action(QStringLiteral("MenuGerman"))->isChecked());
    EXPECT_EQ(window->currentFileName(), QStringLiteral("/work/a.ign"));
    EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->currentIndex(), 2);
    EXPECT_EQ(byte(fld::bikeCode), 24);
    EXPECT_EQ(byte(fld::advance), 44);
    EXPECT_EQ(byte(kImageSize + 3), 9);
    EXPECT_EQ(byte(fld::mapRpm), 3);  // the dump's zero axis was normalised
    EXPECT_TRUE(shown(QStringLiteral("Edit50")));
    EXPECT_TRUE(window->testMode());
    EXPECT_FALSE(find(QStringLiteral("LabelTest1"))->isHidden());
    EXPECT_TRUE(shown(QStringLiteral("EditKompenz1")));
    EXPECT_FALSE(window->undoHistory().canUndo());

    window->close();
    EXPECT_TRUE(readFile(QStringLiteral("tarvel3")).contains("Language=1"));
    EXPECT_TRUE(readFile(QStringLiteral("tarvel3")).contains("COM6=/dev/simulated6"));  // never rewritten
}

class LowerCaseWord : public WindowFixture {
protected:
    void prepareFolder() override { writeFile(QStringLiteral("tarvel3"), "[FORM_HLAV]\r\nLanguage=3\r\n"); }
    QStringList arguments() const override { return {QStringLiteral("deutsch")}; }
};

TEST_F(LowerCaseWord, LeavesTheLanguageOfTheSettings)
{
    EXPECT_EQ(window->language(), 3);
}

}  // namespace tarvel::test
