// The program itself, started as a process: asked to end by a signal it
// still runs its shut-down and saves the settings and the parameter image.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "SimulatorOnPty.h"
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

// This machine's environment for a started program, but without the desktop
// session bus: Qt asks it at start (for a desktop-wide menu and accessibility)
// and waits for an answer, so a stuck bus on the test machine would hold up
// the start. A bus that is not there is given up at once.
QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/tarvel-test-bus"));
    return env;
}

// Runs a short helper program and gives its output without the final line break.
QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
            int timeoutMs = 5000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(timeoutMs);
    QString output = QString::fromUtf8(process.readAllStandardOutput());
    if (output.endsWith(QLatin1Char('\n')))
        output.chop(1);
    return output;
}

// What is known of a program whose window did not show: its exit or its
// threads' stacks, its error output, and the windows the X server has.
QString whyNoWindow(QProcess& program, const QString& xdotool, const QProcessEnvironment& env)
{
    QString why;
    if (program.state() == QProcess::NotRunning) {
        why += QStringLiteral("ended with status %1\n").arg(program.exitCode());
    } else {
        const QString pid = QString::number(program.processId());
        why += QStringLiteral("still running, waiting in %1\n")
                   .arg(QString::fromLatin1(read(QStringLiteral("/proc/%1/wchan").arg(pid))));
        const QString gdb = QStandardPaths::findExecutable(QStringLiteral("gdb"));
        if (!gdb.isEmpty())
            why += run(gdb, {QStringLiteral("-batch"), QStringLiteral("-p"), pid, QStringLiteral("-ex"),
                             QStringLiteral("thread apply all bt 25")},
                       env, 30000);
    }
    why += QStringLiteral("\nerror output:\n") + QString::fromLocal8Bit(program.readAllStandardError());
    why += QStringLiteral("\nwindows with a name:\n");
    const QStringList windows = run(xdotool, {QStringLiteral("search"), QStringLiteral("--name"), QString()}, env)
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : windows)
        why += id + QLatin1Char(' ') + run(xdotool, {QStringLiteral("getwindowpid"), id}, env) + QLatin1Char(' ')
               + run(xdotool, {QStringLiteral("getwindowname"), id}, env) + QLatin1Char('\n');
    return why;
}

// A fresh settings folder whose settings file puts `unit` behind COM1.
class HomeWithUnit {
public:
    explicit HomeWithUnit(const SimulatorOnPty& unit)
    {
        if (folder_.isValid())
            write(file(QStringLiteral("tarvel3")),
                  "[PORTS]\r\nCOM1=" + QByteArray::fromStdString(unit.path()) + "\r\n");
    }
    bool isValid() const { return folder_.isValid(); }
    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return QDir(folder_.path()).filePath(name); }

private:
    QTemporaryDir folder_;
};

// The environment of a program with its settings in `home` (and the loader
// socket there too, unless `runtime` names a folder for it), off screen.
QProcessEnvironment environmentIn(const QString& home, const QString& runtime = {})
{
    QProcessEnvironment env = programEnvironment();
    env.insert(QStringLiteral("TARVEL3_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (runtime.isEmpty())
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    else
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    return env;
}

// The program with its settings in `home`; see environmentIn().
void startProgram(QProcess& program, const QString& home, const QString& runtime = {})
{
    program.setProcessEnvironment(environmentIn(home, runtime));
    program.start(QStringLiteral(TARVEL3_PROGRAM), {});
}

// Ends the program by SIGTERM; true when it ended normally with status 0.
bool endProgram(QProcess& program)
{
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    return program.waitForFinished(20000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The loader socket appears in `home` at the end of the start-up.
bool startedUp(const HomeWithUnit& home)
{
    return QTest::qWaitFor([&] { return QFile::exists(home.file(QStringLiteral("tarvel3-loader"))); }, 20000);
}

}  // namespace

TEST(Process, EndedBySignalSavesSettingsAndStateDump)
{
    // The unit on a pseudo-terminal stands behind COM1, the port of a first run.
    SimulatorOnPty unit;
    ASSERT_TRUE(unit.start()) << unit.error();

    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        HomeWithUnit home(unit);
        ASSERT_TRUE(home.isValid());
        ParamImage image;
        image[fld::bikeCode] = 22;
        image[fld::channelCount] = 9;  // repaired to 4
        image.advance(3, 3) = 55;
        write(home.file(QStringLiteral("_tarvel3")), QByteArray::fromStdString(StateDumpText(image)));

        QProcess program;
        startProgram(program, home.path());
        ASSERT_TRUE(program.waitForStarted(10000));
        ASSERT_TRUE(startedUp(home));
        ::kill(static_cast<pid_t>(program.processId()), sig);
        ASSERT_TRUE(program.waitForFinished(20000)) << sig;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << sig;
        EXPECT_EQ(program.exitCode(), 0) << sig;

        // The ten keys of a new section, in their order; the PORTS section stays.
        const QByteArray written = read(home.file(QStringLiteral("tarvel3")));
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
        EXPECT_TRUE(written.contains("COM1=" + QByteArray::fromStdString(unit.path()))) << sig;

        ParamImage dumped;
        ASSERT_EQ(ReadStateDump(read(home.file(QStringLiteral("_tarvel3"))).toStdString(), dumped), kBlockSize);
        EXPECT_EQ(dumped[fld::channelCount], 4) << sig;
        EXPECT_EQ(dumped.advance(3, 3), 55) << sig;
        ParamImage again = dumped;
        NormaliseImage(again);
        EXPECT_EQ(again, dumped) << "the dump is normalised";
    }
}

// A FIFO named as the state dump: the start-up used to wait in open() for a
// writer for ever (and SIGTERM no longer ended it). Now it reaches its end
// (the loader socket appears), SIGTERM ends it, and the FIFO is left as it is.
// (A FIFO as the settings file is the window test Settings.FifosAsSettingsFiles:
// without the settings there is no unit behind COM1 here.)
TEST(Process, AFifoAsTheStateDumpDoesNotHoldUpTheStart)
{
    SimulatorOnPty unit;
    ASSERT_TRUE(unit.start()) << unit.error();
    HomeWithUnit home(unit);
    ASSERT_TRUE(home.isValid());
    ASSERT_EQ(::mkfifo(home.file(QStringLiteral("_tarvel3")).toLocal8Bit().constData(), 0600), 0);

    QProcess program;
    startProgram(program, home.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_TRUE(startedUp(home)) << "the start-up did not finish";
    EXPECT_TRUE(endProgram(program)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(entries(home.path()), (QStringList{"_tarvel3", "tarvel3"}));
    EXPECT_FALSE(QFileInfo(home.file(QStringLiteral("_tarvel3"))).isFile());
}

// Under a file size limit smaller than the state dump the dump cannot be
// written at exit: the program used to be killed by SIGXFSZ (status 153, a
// temporary file left). Now the save fails like on a full disk: the program
// ends normally, the previous dump stays whole and nothing is left behind.
TEST(Process, AFileSizeLimitFailsTheSaveNotTheProgram)
{
    SimulatorOnPty unit;
    ASSERT_TRUE(unit.start()) << unit.error();
    HomeWithUnit home(unit);
    ASSERT_TRUE(home.isValid());
    const QByteArray previous = QByteArray::fromStdString(StateDumpText(ParamImage{}));
    ASSERT_GT(previous.size(), 1024);
    write(home.file(QStringLiteral("_tarvel3")), previous);

    QProcess program;
    program.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    startProgram(program, home.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    ASSERT_TRUE(startedUp(home));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(read(home.file(QStringLiteral("_tarvel3"))), previous);
    EXPECT_TRUE(read(home.file(QStringLiteral("tarvel3"))).contains("[FORM_HLAV]"));
    EXPECT_EQ(entries(home.path()), (QStringList{"_tarvel3", "tarvel3"}));
}

// Two instances of one user share the loader socket's place: the second says
// on its standard error that the socket belongs to the other one.
TEST(Process, ASecondInstanceSaysTheLoaderSocketIsTaken)
{
    SimulatorOnPty firstUnit, secondUnit;
    ASSERT_TRUE(firstUnit.start() && secondUnit.start());
    HomeWithUnit firstHome(firstUnit), secondHome(secondUnit);
    QTemporaryDir runtime;
    ASSERT_TRUE(firstHome.isValid() && secondHome.isValid() && runtime.isValid());
    const QString socket = QDir(runtime.path()).filePath(QStringLiteral("tarvel3-loader"));

    QProcess first, second;
    startProgram(first, firstHome.path(), runtime.path());
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 20000));
    startProgram(second, secondHome.path(), runtime.path());
    ASSERT_TRUE(second.waitForStarted(10000));
    QByteArray errors;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            second.waitForReadyRead(100);  // no event loop here to read the pipe
            errors += second.readAllStandardError();
            return errors.contains("belongs to another instance");
        },
        20000))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(socket.toLocal8Bit())) << errors.toStdString();
    EXPECT_TRUE(endProgram(second));
    EXPECT_TRUE(QFile::exists(socket)) << "the second instance removed the first one's socket";
    EXPECT_TRUE(endProgram(first));
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
    QProcessEnvironment env = programEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(displayNumber.trimmed()));

    SimulatorOnPty unit;  // behind COM1, so that no "Com opening error!" box comes first
    ASSERT_TRUE(unit.start()) << unit.error();
    HomeWithUnit home(unit);

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
    const bool shown = QTest::qWaitFor(
        [&] {
            if (program.state() == QProcess::NotRunning)
                return true;
            window = run(xdotool, search, env).section(QLatin1Char('\n'), 0, 0);
            return !window.isEmpty();
        },
        60000);
    ASSERT_TRUE(shown && !window.isEmpty()) << "display " << displayNumber.toStdString() << ": "
                                            << whyNoWindow(program, xdotool, env).toStdString();
    const QString title = run(xdotool, {QStringLiteral("getwindowname"), window}, env);
    EXPECT_EQ(title, QStringLiteral("  Tarvel 3       ")) << title.toStdString();

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(20000));
    server.terminate();
    server.waitForFinished(5000);
}

}  // namespace tarvel::test

namespace tarvel::test {

// Committed changes reach the state dump while the program runs: killed with
// SIGKILL (no shut-down, nothing saved at exit) it leaves both commits, the
// second made within the second after the first, in a complete dump.
TEST(Process, CommitsSurviveASigkill)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QDir dir(home.path());
    QProcess child;
    child.setProcessEnvironment(environmentIn(home.path()));
    child.start(QStringLiteral(AUTOSAVE_CHILD), {QStringLiteral("9,300"), QStringLiteral("17")});
    ASSERT_TRUE(child.waitForStarted(10000));
    while (!child.canReadLine() && child.waitForReadyRead(20000)) {
    }
    ASSERT_TRUE(child.canReadLine()) << child.readAllStandardError().toStdString();
    const QList<QByteArray> words = child.readLine().trimmed().split(' ');
    ASSERT_EQ(words.size(), 3);
    const int limiter = words[1].toInt();
    const int baseAdvance = words[2].toInt();
    EXPECT_EQ(limiter, 93);

    // The last commit is written within the autosave's second (and a tick).
    const QString dump = dir.filePath(QStringLiteral("_tarvel3"));
    ParamImage dumped;
    auto holdsBoth = [&] {
        dumped = ParamImage{};
        return ReadStateDump(read(dump).toStdString(), dumped) == kBlockSize && dumped[fld::limiter] == limiter &&
               dumped[fld::baseAdvance] == baseAdvance;
    };
    EXPECT_TRUE(QTest::qWaitFor(holdsBoth, 5000));
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    ASSERT_TRUE(holdsBoth()) << read(dump).toStdString();
    ParamImage again = dumped;
    NormaliseImage(again);
    EXPECT_EQ(again[fld::limiter], dumped[fld::limiter]);
}

}  // namespace tarvel::test
