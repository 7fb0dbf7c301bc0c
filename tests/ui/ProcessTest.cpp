// The program itself, started as a process: asked to end by a signal it
// still runs its shut-down and saves the settings and the parameter image.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
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

// The simulated unit on a pseudo-terminal, answering on a thread of its own
// for as long as the object lives (also when a test stops at an assertion).
class UnitOnPty {
public:
    UnitOnPty()
    {
        if (simulator_.open(&error_))
            line_ = std::thread([this] { simulator_.run(stop_); });
    }
    ~UnitOnPty()
    {
        stop_ = true;
        if (line_.joinable())
            line_.join();
    }
    bool running() const { return line_.joinable(); }
    const std::string& error() const { return error_; }
    QByteArray devicePath() const { return QByteArray::fromStdString(simulator_.slavePath()); }
    // A settings file whose PORTS section puts the unit behind COM1.
    QByteArray portsSection() const { return "[PORTS]\r\nCOM1=" + devicePath() + "\r\n"; }

private:
    link::PtySimulator simulator_;
    std::string error_;
    std::atomic<bool> stop_{false};
    std::thread line_;
};

// Runs a short helper program and gives its output without the final line break.
QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(5000);
    QString output = QString::fromUtf8(process.readAllStandardOutput());
    if (output.endsWith(QLatin1Char('\n')))
        output.chop(1);
    return output;
}

}  // namespace

TEST(Process, EndedBySignalSavesSettingsAndStateDump)
{
    // The unit on a pseudo-terminal stands behind COM1, the port of a first run.
    UnitOnPty unit;
    ASSERT_TRUE(unit.running()) << unit.error();

    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        const QDir dir(home.path());
        write(dir.filePath(QStringLiteral("tarvel3")), unit.portsSection());
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
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QFile::exists(dir.filePath(QStringLiteral("tarvel3-loader"))); }, 20000));
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
        EXPECT_TRUE(written.contains("COM1=" + unit.devicePath())) << sig;

        ParamImage dumped;
        ASSERT_EQ(ReadStateDump(read(dir.filePath(QStringLiteral("_tarvel3"))).toStdString(), dumped), kBlockSize);
        EXPECT_EQ(dumped[fld::channelCount], 4) << sig;
        EXPECT_EQ(dumped.advance(3, 3), 55) << sig;
        ParamImage again = dumped;
        NormaliseImage(again);
        EXPECT_EQ(again, dumped) << "the dump is normalised";
    }
}

// What the desktop shows as the title is the composed title and nothing more
// (an application display name would be appended to it on X11).
TEST(Process, TheDesktopShowsTheWindowTitleAsComposed)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfb.isEmpty() || xdotool.isEmpty())
        GTEST_SKIP() << "needs Xvfb and xdotool (scripts/deps.sh run)";

    QProcess server;
    server.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted(5000));
    QByteArray displayNumber;
    while (!displayNumber.contains('\n') && server.waitForReadyRead(10000))
        displayNumber += server.readAllStandardOutput();
    ASSERT_TRUE(displayNumber.contains('\n')) << "Xvfb told no display";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(displayNumber.trimmed()));

    UnitOnPty unit;  // behind COM1, so that no "Com opening error!" box comes first
    ASSERT_TRUE(unit.running()) << unit.error();
    QTemporaryDir home;
    write(QDir(home.path()).filePath(QStringLiteral("tarvel3")), unit.portsSection());

    QProcess program;
    QProcessEnvironment programEnv = env;
    programEnv.insert(QStringLiteral("TARVEL3_HOME"), home.path());
    programEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // No OpenGL probing on the bare X server: under the sanitizers Mesa's first
    // start alone can take longer than the wait below.
    programEnv.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    program.setProcessEnvironment(programEnv);
    program.start(QStringLiteral(TARVEL3_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QString pid = QString::number(program.processId());
    QString window;
    const QStringList search = {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                pid};
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !(window = run(xdotool, search, env).section(QLatin1Char('\n'), 0, 0)).isEmpty(); }, 60000))
        << "display " << displayNumber.toStdString() << ": " << program.readAllStandardError().toStdString();
    const QString title = run(xdotool, {QStringLiteral("getwindowname"), window}, env);
    EXPECT_EQ(title, QStringLiteral("  Tarvel 3       ")) << title.toStdString();

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(20000));
    server.terminate();
    server.waitForFinished(5000);
}

}  // namespace tarvel::test
