// The program itself, started as a process: asked to end by a signal it
// still runs its shut-down and saves the settings and the parameter image.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "model/Normalise.h"
#include "store/StateDump.h"

namespace tarvel::test {

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(Process, EndedBySignalSavesSettingsAndStateDump)
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        const QDir dir(home.path());
        // Automatic port selection over devices that do not exist: no message box.
        QByteArray settings = "[FORM_HLAV]\r\nComPort=21\r\nComPortAuto=1\r\n[PORTS]\r\n";
        for (int n = 1; n <= 20; ++n)
            settings +=
                "COM" + QByteArray::number(n) + "=" + dir.filePath(QStringLiteral("none%1").arg(n)).toUtf8() + "\r\n";
        {
            QFile file(dir.filePath(QStringLiteral("tarvel3")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(settings);
        }
        ParamImage image;
        image[fld::bikeCode] = 22;
        image[fld::channelCount] = 9;  // repaired to 4
        image.advance(3, 3) = 55;
        {
            QFile file(dir.filePath(QStringLiteral("_tarvel3")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(StateDumpText(image)));
        }

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TARVEL3_HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TARVEL3_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        // The loader socket appears at the end of the start-up.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("tarvel3-loader"))), 20000);
        ::kill(static_cast<pid_t>(program.processId()), sig);
        ASSERT_TRUE(program.waitForFinished(20000)) << sig;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << sig;
        EXPECT_EQ(program.exitCode(), 0) << sig;

        const QByteArray written = read(dir.filePath(QStringLiteral("tarvel3")));
        int keys = 0;
        for (const char* key : {"Left=", "Top=", "Height=", "Width=", "ComPort=21", "ComPortAuto=", "Language=0",
                                "File=", "IniDir=", "PageControl1->ActivePageIndex=0"})
            keys += written.contains(key) ? 1 : 0;
        EXPECT_EQ(keys, 10) << written.toStdString();

        ParamImage dumped;
        ASSERT_EQ(ReadStateDump(read(dir.filePath(QStringLiteral("_tarvel3"))).toStdString(), dumped), kBlockSize);
        EXPECT_EQ(dumped[fld::channelCount], 4) << sig;
        EXPECT_EQ(dumped.advance(3, 3), 55) << sig;
        ParamImage again = dumped;
        NormaliseImage(again);
        EXPECT_EQ(again, dumped) << "the dump is normalised";
    }
}

}  // namespace tarvel::test
