#include <QDir>
#include <QFile>
#include <QLabel>

#include <sys/stat.h>

#include "WindowFixture.h"
#include "store/IgnFileWriter.h"

namespace tarvel::test {

class FileCommands : public WindowFixture {
protected:
    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    void showStatus()
    {
        window->deviceLink().status().setNote(link::StatusNote::VerifyOk);
        window->deviceLink().status().messageTicks = 200;
        window->deviceLink().status().setGaugeVisible(true);
        tick();
    }
    bool statusShown() const { return !find(QStringLiteral("LabelHlaseni"))->isHidden(); }
};

TEST_F(FileCommands, OpenLoadsCommitsAndNamesTheFile)
{
    writeFile(QStringLiteral("base.ign"), "KORVANEX_KEY  48 \r\n\r\nBASE_ADV       12 ");
    dialogs->openNames.push_back(path(QStringLiteral("base.ign")));
    const ParamImage before = window->image();
    trigger(QStringLiteral("MenuOpen"));
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(byte(fld::baseAdvance), 12);
    for (int i = 0; i < kBlockSize; ++i)
        if (i != fld::baseAdvance) {
            ASSERT_EQ(byte(i), before[i]) << "byte " << i;  // fields the file lacks keep their values
        }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       ") + path(QStringLiteral("base.ign")));
    EXPECT_EQ(window->lastFilePath(), path(QStringLiteral("base.ign")));
    EXPECT_TRUE(window->undoHistory().canUndo());

    // Both dialogs now propose the opened file.
    trigger(QStringLiteral("MenuSave"));
    ASSERT_EQ(dialogs->proposedSave.size(), 1);
    EXPECT_EQ(dialogs->proposedSave[0], path(QStringLiteral("base.ign")));
    trigger(QStringLiteral("MenuOpen"));
    ASSERT_EQ(dialogs->proposedOpen.size(), 2);
    EXPECT_EQ(dialogs->proposedOpen[1], path(QStringLiteral("base.ign")));
}

TEST_F(FileCommands, OpenFailuresChangeNothingAndTellWhy)
{
    writeFile(QStringLiteral("old.ign"), "KORVANEX_KEY  47 \r\n\r\nBASE_ADV       12 ");
    window->setCurrentFileName(QStringLiteral("/before.ign"));
    const ParamImage before = window->image();
    struct Case {
        QString file;
        const char* message;
        QString detail;  // the path and the system's reason
        Dialogs::Kind kind;
    } cases[] = {
        {path(QStringLiteral("missing.ign")), "Open file error!",
         path(QStringLiteral("missing.ign")) + QStringLiteral(": No such file or directory"), Dialogs::Kind::Error},
        {folder.path(), "Open file error!", folder.path() + QStringLiteral(": Is a directory"), Dialogs::Kind::Error},
        {path(QStringLiteral("old.ign")), "Unmatched version of *.ign file!", path(QStringLiteral("old.ign")),
         Dialogs::Kind::Warning}};
    for (const Case& c : cases) {
        showStatus();
        dialogs->messages.clear();
        dialogs->messageDetails.clear();
        dialogs->messageKinds.clear();
        dialogs->openNames.push_back(c.file);
        trigger(QStringLiteral("MenuOpen"));
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_EQ(dialogs->messages[0], QString::fromLatin1(c.message));
        EXPECT_EQ(dialogs->messageDetails[0].toStdString(), c.detail.toStdString());
        EXPECT_EQ(dialogs->messageKinds[0], c.kind);
        EXPECT_EQ(window->image(), before);
        EXPECT_EQ(window->currentFileName(), QStringLiteral("/before.ign"));
        EXPECT_FALSE(statusShown());
    }
    EXPECT_FALSE(window->undoHistory().canUndo());

    showStatus();
    trigger(QStringLiteral("MenuOpen"));  // cancelled: still hides the status
    EXPECT_FALSE(statusShown());
    showStatus();
    trigger(QStringLiteral("MenuSave"));  // cancelled: hides nothing
    EXPECT_TRUE(statusShown());
}

TEST_F(FileCommands, SaveWritesWhatTheControlsShowAndNamesTheFile)
{
    edit(QStringLiteral("EditOmez2"))->setText(QStringLiteral("12300"));  // typed, not committed
    dialogs->saveNames.push_back(path(QStringLiteral("tune.ign")));
    trigger(QStringLiteral("MenuSave"));
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(byte(fld::limiter), 123);
    EXPECT_EQ(readFile(QStringLiteral("tune.ign")), QByteArray::fromStdString(IgnFileText(window->image())));
    EXPECT_EQ(window->currentFileName(), path(QStringLiteral("tune.ign")));
    EXPECT_FALSE(window->undoHistory().canUndo());  // saving takes no snapshot

    // Both dialogs now propose the saved file.
    trigger(QStringLiteral("MenuOpen"));
    EXPECT_EQ(dialogs->proposedOpen.back(), path(QStringLiteral("tune.ign")));
    trigger(QStringLiteral("MenuSave"));
    EXPECT_EQ(dialogs->proposedSave.back(), path(QStringLiteral("tune.ign")));
}

TEST_F(FileCommands, FailedSaveKeepsThePreviousFile)
{
    writeFile(QStringLiteral("locked.ign"), "previous tune");
    ::chmod(path(QStringLiteral("locked.ign")).toLocal8Bit().constData(), 0444);
    window->setCurrentFileName(QStringLiteral("/before.ign"));
    edit(QStringLiteral("EditOmez2"))->setText(QStringLiteral("12300"));
    const std::pair<QString, QString> cases[] = {
        {path(QStringLiteral("locked.ign")), QStringLiteral(": Permission denied")},
        {path(QStringLiteral("no/such/folder.ign")), QStringLiteral(": No such file or directory")}};
    for (const auto& [target, reason] : cases) {
        dialogs->messages.clear();
        dialogs->messageDetails.clear();
        dialogs->saveNames.push_back(target);
        trigger(QStringLiteral("MenuSave"));
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_EQ(dialogs->messages[0], QStringLiteral("Open file error!"));
        // Main line as before; the detail names the file and the system's reason.
        EXPECT_TRUE(dialogs->messageDetails[0].endsWith(reason)) << dialogs->messageDetails[0].toStdString();
        EXPECT_TRUE(dialogs->messageDetails[0].startsWith(folder.path())) << dialogs->messageDetails[0].toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("locked.ign")), QByteArray("previous tune"));
    EXPECT_EQ(window->currentFileName(), QStringLiteral("/before.ign"));
    EXPECT_EQ(byte(fld::limiter), 110);  // the controls are not read when the file cannot be opened
}

TEST_F(FileCommands, ExeDirCommandsProposeDataIgnInTheProgramFolder)
{
    const QString dataIgn = path(QStringLiteral("data.ign"));
    EXPECT_EQ(window->exeDirFile(), dataIgn);
    dialogs->saveNames.push_back(dataIgn);
    trigger(QStringLiteral("MenuSaveExeDir"));
    EXPECT_EQ(dialogs->proposedSave.back(), dataIgn);
    EXPECT_FALSE(readFile(QStringLiteral("data.ign")).isEmpty());
    trigger(QStringLiteral("MenuOpenExeDir"));
    EXPECT_EQ(dialogs->proposedOpen.back(), dataIgn);
}

}  // namespace tarvel::test
