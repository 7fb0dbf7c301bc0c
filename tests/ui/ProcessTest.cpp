// The program itself, started as a process: asked to end by a signal it
// still runs its shut-down and saves the settings and the parameter image.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <thread>

#include "link/PtySimulator.h"
#include "model/Normalise.h"
#include "store/StateDump.h"

namespace tarvel::test {

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

TEST(Process, EndedBySignalSavesSettingsAndStateDump)
{
    // The unit on a pseudo-terminal stands behind COM1, the port of a first run.
    link::PtySimulator simulator;
    std::string error;
    ASSERT_TRUE(simulator.open(&error)) << error;
    std::atomic<bool> stop{false};
    std::thread line([&] { simulator.run(stop); });

    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        const QDir dir(home.path());
        write(dir.filePath(QStringLiteral("tarvel3")),
              "[PORTS]\r\nCOM1=" + QByteArray::fromStdString(simulator.slavePath()) + "\r\n");
        ParamImage image;
        image[fld::bikeCode] = 22;
        image[fld::channelCount] = 9;  // repaired to 4
        image.advance(3, 3) = 55;
        write(dir.filePath(QStringLiteral("_tarvel3")), QByteArray::fromStdString(StateDumpText(image)));

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

        // The ten keys of a new section, in their order; the PORTS section stays.
        const QByteArray written = read(dir.filePath(QStringLiteral("tarvel3")));
        QStringList keys;
        bool inForm = false;
        for (const QByteArray& raw : written.split('\n')) {
            const QByteArray line = raw.trimmed();
            if (line.startsWith('['))
                inForm = line == "[FORM_HLAV]";
            else if (inForm && line.contains('='))
                keys << QString::fromLatin1(line.left(line.indexOf('=')));
        }
        EXPECT_EQ(keys, (QStringList{"Left", "Top", "Height", "Width", "ComPort", "ComPortAuto", "Language", "File",
                                     "IniDir", "PageControl1->ActivePageIndex"}))
            << written.toStdString();
        EXPECT_TRUE(written.contains("ComPort=1\r\n")) << sig;
        EXPECT_TRUE(written.contains("COM1=" + QByteArray::fromStdString(simulator.slavePath()))) << sig;

        ParamImage dumped;
        ASSERT_EQ(ReadStateDump(read(dir.filePath(QStringLiteral("_tarvel3"))).toStdString(), dumped), kBlockSize);
        EXPECT_EQ(dumped[fld::channelCount], 4) << sig;
        EXPECT_EQ(dumped.advance(3, 3), 55) << sig;
        ParamImage again = dumped;
        NormaliseImage(again);
        EXPECT_EQ(again, dumped) << "the dump is normalised";
    }
    stop = true;
    line.join();
}

}  // namespace tarvel::test
