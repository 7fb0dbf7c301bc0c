// The comparison report, the tune history and the autosave as the user meets
// them in the window: menu items, dialog rows as shown, the one commit that
// applies a choice, the record of a good Program, the dump after a commit.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include "BikeListRows.h"
#include "WindowFixture.h"
#include "compare/CompareDialog.h"
#include "compare/HistoryDialog.h"
#include "compare/TuneTools.h"
#include "store/IgnFileWriter.h"
#include "store/StateDump.h"
#include "store/TuneHistory.h"

namespace tarvel::test {

namespace {

class Tune : public WindowFixture {
protected:
    ui::TuneTools& tools() const { return *window->tuneTools(); }

    // Runs what the window queued after a tick (a dialog opens after it).
    static void settleEvents() { QApplication::processEvents(); }

    QString writeIgn(const QString& name, const ParamImage& image) const
    {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(IgnFileText(image)));
        return path;
    }

    ui::CompareDialog* compareWithFile(const ParamImage& other)
    {
        dialogs->openNames.push_back(writeIgn(QStringLiteral("other.ign"), other));
        trigger(QStringLiteral("MenuCompareFile"));
        return tools().compareDialog();
    }

    int rowOf(ui::CompareDialog& dialog, const QString& field, const QString& position = {}) const
    {
        for (int i = 0; i < dialog.table().rowCount(); ++i) {
            const QStringList texts = dialog.rowTexts(i);
            if (texts[1] == field && texts[2] == position)
                return i;
        }
        return -1;
    }

    // `beforeTick` runs before every tick once the program has started.
    bool programToOk(const std::function<void()>& beforeTick = {})
    {
        trigger(QStringLiteral("MenuProgram"));
        for (int i = 0; i < 3000; ++i) {
            if (beforeTick)
                beforeTick();
            tick();
            if (statusText().endsWith(QStringLiteral(": OK")) &&
                window->deviceLink().transferMode() == link::TransferMode::Idle &&
                statusText().startsWith(QString::fromStdString(window->messages()[Msg::ProgramDevice])))
                return true;
            if (statusText().contains(QStringLiteral("error"), Qt::CaseInsensitive))
                return false;
        }
        return false;
    }

    // How many steps undo can go back now.
    int undoSteps() const
    {
        UndoHistory copy = window->undoHistory();
        int steps = 0;
        while (copy.undo())
            ++steps;
        return steps;
    }

    std::vector<TuneEntry> history() const
    {
        return TuneHistory(window->paths().historyFolder()).list(window->image());
    }
};

}  // namespace

TEST_F(Tune, MenuItemsSpeakTheWindowsLanguage)
{
    EXPECT_EQ(action(QStringLiteral("MenuCompareFile"))->text(), QStringLiteral("Compare with file..."));
    EXPECT_EQ(action(QStringLiteral("MenuTuneHistory"))->text(), QStringLiteral("Tune history..."));
    EXPECT_EQ(action(QStringLiteral("MenuCompareUnit"))->text(), QStringLiteral("Compare with unit"));
    window->MenuLanguageClick(2);
    tools().retranslate();
    EXPECT_EQ(action(QStringLiteral("MenuCompareFile"))->text(), QStringLiteral("Comparer avec un fichier..."));
    EXPECT_EQ(action(QStringLiteral("MenuTuneHistory"))->text(), QStringLiteral("Historique des réglages..."));
}

TEST_F(Tune, FileReportShowsCaptionsTabsPositionsAndValuesAsOnScreen)
{
    settle();
    ParamImage other = window->image();
    other[fld::limiter] = static_cast<std::uint8_t>(window->image()[fld::limiter] - 20);
    other.advance(3, 6) = static_cast<std::uint8_t>(window->image().advance(3, 6) + 5);
    other[fld::gasDelay] = static_cast<std::uint8_t>(window->image()[fld::gasDelay] + 1);
    other[fld::retardDelay] = static_cast<std::uint8_t>(window->image()[fld::retardDelay] + 1);
    other[fld::maxAdvEdge2 + 1] = window->image()[fld::maxAdvEdge2 + 1] ? 0 : 1;
    ui::CompareDialog* dialog = compareWithFile(other);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Differences: window and other.ign"));
    EXPECT_EQ(dialog->table().rowCount(), 5);
    EXPECT_TRUE(dialog->summaryText().startsWith(QStringLiteral("5 fields differ: ")))
        << dialog->summaryText().toStdString();
    EXPECT_TRUE(dialog->summaryText().contains(QStringLiteral("Miscellaneous 1")));
    EXPECT_TRUE(dialog->summaryText().contains(QStringLiteral("N2O Controller 2")));
    EXPECT_TRUE(dialog->summaryText().contains(QStringLiteral("Advance Map 1")));
    EXPECT_TRUE(dialog->summaryText().contains(QStringLiteral("Bike 1")));

    const int limiter = rowOf(*dialog, QStringLiteral("Limiter [rpm]"));
    ASSERT_GE(limiter, 0);
    const QStringList row = dialog->rowTexts(limiter);
    EXPECT_EQ(row[0], QStringLiteral("Miscellaneous"));
    EXPECT_EQ(row[3], edit(QStringLiteral("EditOmez2"))->text());  // as the window shows it
    const int cell = rowOf(*dialog, QStringLiteral("Advance [°]"), QStringLiteral("row 4, column 7"));
    ASSERT_GE(cell, 0);
    EXPECT_EQ(dialog->rowTexts(cell)[3], edit(QStringLiteral("Edit86"))->text());
    // Two "Delay [ms]" labels: their groups tell them apart.
    EXPECT_GE(rowOf(*dialog, QStringLiteral("N2O: Delay [ms]")), 0);
    EXPECT_GE(rowOf(*dialog, QStringLiteral("Retard: Delay [ms]")), 0);
    const int edge = rowOf(*dialog, QStringLiteral("Channel 2: Maximum advance, 2nd Edge"));
    ASSERT_GE(edge, 0);
    EXPECT_EQ(dialog->rowTexts(edge)[0], QStringLiteral("Bike"));
    EXPECT_TRUE((QStringList{QStringLiteral("Yes"), QStringLiteral("No")}).contains(dialog->rowTexts(edge)[4]));
    dialog->reject();
}

TEST_F(Tune, ReportRowsInCzechAndGerman)
{
    settle();
    ParamImage other = window->image();
    other[fld::limiter] = static_cast<std::uint8_t>(window->image()[fld::limiter] - 20);
    other.advance(0, 0) = static_cast<std::uint8_t>(window->image().advance(0, 0) + 3);
    window->MenuLanguageClick(3);
    ui::CompareDialog* dialog = compareWithFile(other);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->summaryText().startsWith(QStringLiteral("2 položky se liší: ")))
        << dialog->summaryText().toStdString();
    EXPECT_GE(rowOf(*dialog, QStringLiteral("Předstih [°]"), QStringLiteral("řádek 1, sloupec 1")), 0);
    EXPECT_EQ(dialog->table().horizontalHeaderItem(ui::CompareDialog::OtherColumn)->text(), QStringLiteral("Soubor"));
    dialog->reject();
    window->MenuLanguageClick(1);
    dialog = compareWithFile(other);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->summaryText().startsWith(QStringLiteral("2 Felder unterschiedlich: ")));
    EXPECT_GE(rowOf(*dialog, QStringLiteral("Vorzündung [°]"), QStringLiteral("Zeile 1, Spalte 1")), 0);
    dialog->reject();
}

TEST_F(Tune, ChoicesApplyAsOneUndoableCommit)
{
    settle();
    const ParamImage before = window->image();
    const int stepsBefore = undoSteps();
    ParamImage other = before;
    other[fld::limiter] = static_cast<std::uint8_t>(before[fld::limiter] - 20);
    other[fld::gas1] = static_cast<std::uint8_t>(before[fld::gas1] + 7);
    other.advance(9, 9) = static_cast<std::uint8_t>(before.advance(9, 9) + 2);
    ui::CompareDialog* dialog = compareWithFile(other);
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->table().rowCount(), 3);
    EXPECT_FALSE(dialog->applyButton()->isEnabled()) << "nothing chosen yet";

    // Take all, then keep one: two of three values come over.
    dialog->findChild<QPushButton*>(QStringLiteral("CompareTakeAll"))->click();
    const int gas = rowOf(*dialog, QStringLiteral("N2O: N2O 1 [%]"));
    ASSERT_GE(gas, 0);
    dialog->setTake(gas, false);
    dialog->applyButton()->click();
    settleEvents();
    EXPECT_EQ(byte(fld::limiter), other[fld::limiter]);
    EXPECT_EQ(window->image().advance(9, 9), other.advance(9, 9));
    EXPECT_EQ(byte(fld::gas1), before[fld::gas1]);
    EXPECT_EQ(edit(QStringLiteral("Edit149"))->text().toInt(), window->image().advance(9, 9));

    // One undo step brings back all of it.
    trigger(QStringLiteral("MenuZpet"));
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(undoSteps(), stepsBefore);
    trigger(QStringLiteral("MenuZnovu"));
    EXPECT_EQ(byte(fld::limiter), other[fld::limiter]);
}

TEST_F(Tune, KeepAllAndCancelChangeNothing)
{
    settle();
    const ParamImage before = window->image();
    const int stepsBefore = undoSteps();
    ParamImage other = before;
    other[fld::limiter] = static_cast<std::uint8_t>(before[fld::limiter] - 20);
    ui::CompareDialog* dialog = compareWithFile(other);
    ASSERT_TRUE(dialog);
    dialog->takeAll();
    dialog->findChild<QPushButton*>(QStringLiteral("CompareKeepAll"))->click();
    EXPECT_FALSE(dialog->applyButton()->isEnabled());
    dialog->takeAll();
    dialog->findChild<QPushButton*>(QStringLiteral("CompareClose"))->click();
    settleEvents();
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(undoSteps(), stepsBefore);
}

TEST_F(Tune, CompareWithAnUnreadableOrForeignFileSaysSo)
{
    dialogs->openNames.push_back(QDir(folder.path()).filePath(QStringLiteral("missing.ign")));
    trigger(QStringLiteral("MenuCompareFile"));
    EXPECT_EQ(tools().compareDialog(), nullptr);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].toStdString(), window->messages()[Msg::OpenFileError]);
}

TEST_F(Tune, CompareWithUnitLeavesTheWindowImageAlone)
{
    settle();
    tick(5);
    const ParamImage before = window->image();
    const int stepsBefore = undoSteps();
    unit->unit().stored() = before;
    unit->unit().stored()[fld::limiter] = static_cast<std::uint8_t>(before[fld::limiter] - 30);
    unit->unit().stored().advance(2, 2) = static_cast<std::uint8_t>(before.advance(2, 2) + 4);
    const QString shownLimiter = edit(QStringLiteral("EditOmez2"))->text();

    trigger(QStringLiteral("MenuCompareUnit"));
    EXPECT_EQ(window->deviceLink().transferMode(), link::TransferMode::Read);
    for (int i = 0; i < 400 && tools().comparingWithUnit(); ++i)
        tick();
    settleEvents();
    ASSERT_FALSE(tools().comparingWithUnit());
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(edit(QStringLiteral("EditOmez2"))->text(), shownLimiter);
    EXPECT_EQ(undoSteps(), stepsBefore);

    ui::CompareDialog* dialog = tools().compareDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Differences: window and ignition"));
    EXPECT_EQ(dialog->table().horizontalHeaderItem(ui::CompareDialog::OtherColumn)->text(), QStringLiteral("Ignition"));
    EXPECT_EQ(dialog->table().rowCount(), 2);
    const int limiter = rowOf(*dialog, QStringLiteral("Limiter [rpm]"));
    ASSERT_GE(limiter, 0);
    EXPECT_EQ(dialog->rowTexts(limiter)[3], shownLimiter);
    dialog->takeAll();
    dialog->applyButton()->click();
    settleEvents();
    EXPECT_EQ(byte(fld::limiter), unit->unit().stored()[fld::limiter]);
    EXPECT_EQ(window->image().advance(2, 2), unit->unit().stored().advance(2, 2));
}

TEST_F(Tune, CompareWithASilentUnitOpensNoReport)
{
    settle();
    const ParamImage before = window->image();
    unit->unplugged = true;
    trigger(QStringLiteral("MenuCompareUnit"));
    for (int i = 0; i < 400 && tools().comparingWithUnit(); ++i)
        tick();
    settleEvents();
    EXPECT_FALSE(tools().comparingWithUnit());
    EXPECT_EQ(tools().compareDialog(), nullptr);
    EXPECT_EQ(statusText().toStdString(), window->messages()[Msg::ReadError]);
    EXPECT_EQ(window->image(), before);
}

TEST_F(Tune, ProgramThatEndsOkIsRecordedAndAFailedOneIsNot)
{
    settle();
    tick(5);
    ASSERT_TRUE(programToOk()) << statusText().toStdString();
    tick(5);  // the result stays on show for a while: still one entry
    std::vector<TuneEntry> entries = history();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].image, window->image());
    EXPECT_EQ(entries[0].record.bike, combo(QStringLiteral("ComboBoxBike"))->currentText().trimmed().toStdString());
    EXPECT_EQ(entries[0].record.unitFirmware, window->deviceLink().identTexts().firmware);
    EXPECT_FALSE(entries[0].record.unitDate.empty());

    // A unit that stops answering in the middle: the program fails, no entry.
    for (int i = 0; i < 400 && window->deviceLink().transferMode() != link::TransferMode::Idle; ++i)
        tick();
    for (int i = 0; i < 2000 && !find(QStringLiteral("LabelHlaseni"))->isHidden(); ++i)
        tick();
    unit->unit() = link::SimulatedUnit(link::SimulatedUnitOptions{.dropEvery = 1});
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("12"));
    trigger(QStringLiteral("MenuProgram"));
    for (int i = 0; i < 400 && window->deviceLink().transferMode() != link::TransferMode::Idle; ++i)
        tick();
    EXPECT_EQ(statusText().toStdString(), window->messages()[Msg::ProgramError]);
    tick(40);
    EXPECT_EQ(history().size(), 1u);
}

TEST_F(Tune, HistoryNamesTheBikeOfTheImageWhateverTheListShows)
{
    settle();
    tick(5);
    window->MenuLanguageClick(1);
    QComboBox* bikes = combo(QStringLiteral("ComboBoxBike"));
    bikes->setCurrentIndex(12);
    window->ReadControls();
    ASSERT_EQ(bikeListPosition(window->image()[fld::bikeCode]), 12);
    // The list shows another bike than the image holds while the program runs.
    ASSERT_TRUE(programToOk([&] { bikes->setCurrentIndex(3); })) << statusText().toStdString();
    const std::vector<TuneEntry> entries = history();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].record.bike, "Klassisch (2 Leitst. pro Umdreh. 1 od. 2 Geber)");
}

TEST_F(Tune, BikeListRowsAreTheListsRowsInEveryLanguage)
{
    const QComboBox* bikes = combo(QStringLiteral("ComboBoxBike"));
    for (int lang : {1, 2, 3, 0}) {
        window->MenuLanguageClick(lang);
        const auto language = static_cast<Language>(lang);
        ASSERT_EQ(bikes->count(), ui::BikeListRows::designedRows().size());
        for (int row = 0; row < bikes->count(); ++row)
            EXPECT_EQ(ui::BikeListRows::rowText(row, language), bikes->itemText(row)) << lang << " row " << row;
        EXPECT_EQ(ui::BikeListRows::rowText(-1, language), QString());
        EXPECT_EQ(ui::BikeListRows::rowText(bikes->count(), language), QString());
    }
    // A bike code without a row has no name.
    ParamImage image = window->image();
    image[fld::bikeCode] = 0xFF;
    EXPECT_EQ(ui::BikeListRows::bikeName(image, Language::English), "");
}

TEST_F(Tune, HistoryListsEntriesComparesAndLoadsAsOneCommitWithoutSending)
{
    settle();
    const ParamImage programmed = window->image();
    TuneHistory store(window->paths().historyFolder());
    const auto when = std::chrono::system_clock::now() - std::chrono::hours(1);
    ASSERT_TRUE(store.record(programmed, TuneRecord{when, "Yamaha R1", "ABC07", "01.02.2026", "10:20"}));
    typeAndLeave(QStringLiteral("EditBaseAdv"),
                 QString::number(edit(QStringLiteral("EditBaseAdv"))->text().toInt() + 3));
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("9,000"));
    const ParamImage edited = window->image();
    ASSERT_NE(edited, programmed);
    unit->clearCommandsSent();

    trigger(QStringLiteral("MenuTuneHistory"));
    ui::HistoryDialog* dialog = tools().historyDialog();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->table().rowCount(), 1);
    const QStringList row = dialog->rowTexts(0);
    EXPECT_EQ(row[ui::HistoryDialog::DateColumn], ui::HistoryDialog::dateText(TuneRecord{when, {}, {}, {}, {}}));
    EXPECT_EQ(row[ui::HistoryDialog::BikeColumn], QStringLiteral("Yamaha R1"));
    EXPECT_EQ(row[ui::HistoryDialog::UnitColumn], QStringLiteral("ABC07 01.02.2026 10:20"));
    EXPECT_EQ(row[ui::HistoryDialog::DifferencesColumn], QStringLiteral("2"));

    dialog->findChild<QPushButton*>(QStringLiteral("HistoryCompare"))->click();
    ui::CompareDialog* compare = tools().compareDialog();
    ASSERT_TRUE(compare);
    EXPECT_EQ(compare->table().rowCount(), 2);
    EXPECT_EQ(compare->table().horizontalHeaderItem(ui::CompareDialog::OtherColumn)->text(), QStringLiteral("History"));
    compare->reject();
    settleEvents();

    dialog->findChild<QPushButton*>(QStringLiteral("HistoryLoad"))->click();
    settleEvents();
    EXPECT_EQ(window->image(), programmed);
    EXPECT_EQ(tools().historyDialog(), nullptr);
    trigger(QStringLiteral("MenuZpet"));
    EXPECT_EQ(window->image(), edited) << "the load was one commit";
    EXPECT_TRUE(unit->commandsSent().empty() || window->deviceLink().transferMode() == link::TransferMode::Idle);
    for (std::uint8_t command : unit->commandsSent())
        EXPECT_EQ(command & 0xF0, 0xB0) << "only monitor requests";
}

TEST_F(Tune, HistoryThatCannotBeWrittenGivesOneNote)
{
    settle();
    tick(5);
    // A file where the history folder should be: the folder cannot be made.
    QFile blocker(QString::fromStdString(window->paths().historyFolder()));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    ASSERT_TRUE(programToOk()) << statusText().toStdString();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Tune history not written: ")))
        << window->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(readFile(QStringLiteral("history")), QByteArray("not a folder"));
}

TEST_F(Tune, CommitIsInTheDumpWithoutAnExit)
{
    settle();
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("11,000"));
    tools().autosave().waitIdle();
    tick();  // a second commit within the second waits for the next free write
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("7"));
    for (int i = 0; i < 60 && tools().autosave().pending(); ++i) {
        tick();
        QTest::qWait(25);
    }
    tools().autosave().waitIdle();
    ParamImage dumped;
    ASSERT_EQ(ReadStateDump(readFile(QStringLiteral("_tarvel3")).toStdString(), dumped), kBlockSize);
    EXPECT_EQ(dumped[fld::limiter], byte(fld::limiter));
    EXPECT_EQ(dumped[fld::baseAdvance], byte(fld::baseAdvance));
    EXPECT_EQ(dumped, window->image());
}

TEST_F(Tune, AutosaveThatCannotWriteGivesOneNoteAndKeepsGoing)
{
    settle();
    const QString dump = QDir(folder.path()).filePath(QStringLiteral("_tarvel3"));
    QFile::remove(dump);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("_tarvel3")));  // cannot be replaced by a file
    typeAndLeave(QStringLiteral("EditOmez2"), QStringLiteral("11,000"));
    tools().autosave().waitIdle();
    tick();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Autosave failed: ")))
        << window->statusBar()->currentMessage().toStdString();
    window->statusBar()->clearMessage();
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("7"));
    for (int i = 0; i < 30; ++i) {
        tick();
        QTest::qWait(40);
    }
    tools().autosave().waitIdle();
    tick();
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty()) << "one note per run of failures";
    EXPECT_TRUE(QFileInfo(dump).isDir());
}

}  // namespace tarvel::test
