#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "HintHandler.h"
#include "WindowFixture.h"
#include "link/LoaderSocket.h"
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


// FIFOs named as the settings file and the state dump: the start-up used to
// wait in open() for a writer for ever. A watcher that would release it after
// a few seconds (by opening the writing ends) makes a regression fail rather
// than hang. The window starts on its defaults; the FIFOs stay as they are.
class FifoSettings : public WindowFixture {
protected:
    void prepareFolder() override
    {
        for (const char* name : {"tarvel3", "_tarvel3"})
            ::mkfifo(QDir(folder.path()).filePath(QString::fromLatin1(name)).toLocal8Bit().constData(), 0600);
        watcher_ = std::thread([this] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!started_.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                if (std::chrono::steady_clock::now() < deadline)
                    continue;
                for (const char* name : {"tarvel3", "_tarvel3"}) {
                    const QByteArray path = QDir(folder.path()).filePath(QString::fromLatin1(name)).toLocal8Bit();
                    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                    if (fd >= 0) {
                        stuck_ = true;
                        ::close(fd);
                    }
                }
            }
        });
    }
    void TearDown() override
    {
        started_ = true;
        if (watcher_.joinable())
            watcher_.join();
        WindowFixture::TearDown();
    }
    std::thread watcher_;
    std::atomic<bool> started_{false};
    std::atomic<bool> stuck_{false};
};

TEST_F(FifoSettings, NeitherBlockTheStartNorGetReplaced)
{
    started_ = true;
    watcher_.join();
    EXPECT_FALSE(stuck_.load()) << "the start-up blocked on a FIFO";
    EXPECT_EQ(window->language(), 0);
    window->close();
    for (const char* name : {"tarvel3", "_tarvel3"})
        EXPECT_FALSE(QFileInfo(QDir(folder.path()).filePath(QString::fromLatin1(name))).isFile()) << name;
}

// First run without XDG_RUNTIME_DIR and without the settings folder: the
// loader socket goes in that folder, which used to appear only at exit, so
// the firmware loader could not reach the program. Now the folder is created
// (private) at start.
class FirstRunWithoutRuntimeDir : public WindowFixture {
protected:
    void prepareFolder() override
    {
        hadRuntime_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        runtime_ = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        home_ = QDir(folder.path()).filePath(QStringLiteral("config/tarvel3"));
        qputenv("TARVEL3_HOME", home_.toUtf8());
    }
    void TearDown() override
    {
        WindowFixture::TearDown();
        if (hadRuntime_)
            qputenv("XDG_RUNTIME_DIR", runtime_);
    }
    QString home_;
    QByteArray runtime_;
    bool hadRuntime_ = false;
};

TEST_F(FirstRunWithoutRuntimeDir, TheLoaderSocketIsThereFromTheStart)
{
    const QString socket = QDir(home_).filePath(QStringLiteral("tarvel3-loader"));
    EXPECT_TRUE(QFileInfo::exists(socket));
    EXPECT_EQ(QFileInfo(home_).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                   QFileDevice::WriteUser | QFileDevice::ExeUser);
    std::string error;
    EXPECT_TRUE(link::sendLoaderMessage(socket.toStdString(), {3, link::kLoaderResetRelease}, &error)) << error;
}

}  // namespace tarvel::test
