// Time from process start to the first shown window: the full main window
// next to an empty Qt main window (bench_ui_empty_window, a program that loads
// Qt Widgets alone). Starts itself and then the empty window as children, turn
// by turn, and measures until each child reports that its window has been
// painted: the wall time seen by the parent and the CPU time the child had
// used by then (less subject to other load on the machine). The main window
// fills the tab pages it does not show first after its first paint; the time
// until it has is printed too.
//   bench_ui_startup [RUNS]     (STARTUP_STAGES=1: also each child's stages)
// Set QT_QPA_PLATFORM=xcb and DISPLAY to measure on an X server (default:
// offscreen). For a profile of the start alone, run a child directly with
// STARTUP_END_AT_PAINT=1: it then ends at once at its first paint, e.g.
//   STARTUP_END_AT_PAINT=1 valgrind --tool=callgrind bench_ui_startup --child-full
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "AboutOnDemand.h"
#include "AppFont.h"
#include "FirstPaint.h"
#include "FontWarmUp.h"
#include "ProgramStart.h"
#include "TFormHlav.h"

namespace {

// With STARTUP_STAGES=1 each child prints on standard error when it reached
// each stage of its start, in ms since it entered child() and in CPU ms since
// the process began: where the time goes.
using tarvel::bench::processCpuMs;
QElapsedTimer sinceChildStart;
void stage(const char* name)
{
    if (qEnvironmentVariableIsSet("STARTUP_STAGES"))
        std::fprintf(stderr, "  %-12s %5lld ms  CPU %6.1f ms\n", name,
                     static_cast<long long>(sinceChildStart.elapsed()), processCpuMs());
}

// The program's start, in main()'s steps, up to the first paint.
int child(int argc, char* argv[])
{
    sinceChildStart.start();
    tarvel::FontWarmUp fonts(tarvel::AppFont::family());
    QApplication app(argc, argv);
    stage("qapp");
    tarvel::bench::FirstPaint watcher([] { stage("paint"); }, tarvel::bench::FirstPaint::Then::GoOn);
    tarvel::ProgramStart::setUpApplication(fonts.familyInstalled());
    stage("setup");
    tarvel::TFormHlav window(nullptr, nullptr, tarvel::WindowBuilder::Pages::FirstOnly);
    // The pages not shown first are filled after the first paint: when that is
    // done the window is whole ("complete CPU_MS"), and the child ends.
    QObject::connect(&window, &tarvel::TFormHlav::pagesCompleted, [] {
        stage("complete");
        std::fprintf(stdout, "complete %.3f\n", processCpuMs());
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    stage("ctor");
    window.FormCreate({}, QApplication::applicationDirPath());
    stage("formcreate");
    const auto about = tarvel::ProgramStart::attachAboutBox(window);
    window.installEventFilter(&watcher);
    window.show();
    stage("show");
    return app.exec();
}

struct Run {
    double wallMs = -1;
    double cpuMs = -1;
    // Until every tab page is filled (the full window only).
    double completeWallMs = -1;
    double completeCpuMs = -1;
};

Run runOnce(const char* program, const char* argument)
{
    int out[2];
    if (::pipe(out) != 0)
        return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl(program, program, argument, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    // "shown CPU_MS" at the first paint, then "complete CPU_MS" from the full
    // window; each is timed as it arrives.
    Run run;
    std::string said;
    char buffer[128];
    for (ssize_t got; (got = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        const auto now = std::chrono::steady_clock::now();
        said.append(buffer, static_cast<std::size_t>(got));
        const double ms = std::chrono::duration<double, std::milli>(now - start).count();
        if (run.wallMs < 0 && std::sscanf(said.c_str(), "shown %lf", &run.cpuMs) == 1)
            run.wallMs = ms;
        if (const auto at = said.find("complete ");
            at != std::string::npos && run.completeWallMs < 0 &&
            std::sscanf(said.c_str() + at, "complete %lf", &run.completeCpuMs) == 1)
            run.completeWallMs = ms;
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

// A settings folder for the children: automatic port selection over devices
// that do not exist, so that no "Com opening error!" box holds up the start.
QByteArray silentSettings(const QString& folder)
{
    QByteArray text = "[FORM_HLAV]\r\nComPort=21\r\n[PORTS]\r\n";
    for (int n = 1; n <= 20; ++n)
        text += "COM" + QByteArray::number(n) + "=" + folder.toUtf8() + "/none\r\n";
    return text;
}

int main(int argc, char* argv[])
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--child-full") == 0)
        return child(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir home;
    {
        QFile settings(QDir(home.path()).filePath(QStringLiteral("tarvel3")));
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write(silentSettings(home.path()));
    }
    qputenv("TARVEL3_HOME", home.path().toUtf8());
    std::vector<double> emptyWall, emptyCpu, fullWall, fullCpu, completeWall, completeCpu;
    for (int i = 0; i < runs; ++i) {
        const Run empty = runOnce(EMPTY_WINDOW_PROGRAM, nullptr);
        const Run full = runOnce("/proc/self/exe", "--child-full");
        if (empty.wallMs < 0 || full.wallMs < 0) {
            std::fputs("a child did not show its window\n", stderr);
            return 1;
        }
        emptyWall.push_back(empty.wallMs);
        emptyCpu.push_back(empty.cpuMs);
        fullWall.push_back(full.wallMs);
        fullCpu.push_back(full.cpuMs);
        completeWall.push_back(full.completeWallMs);
        completeCpu.push_back(full.completeCpuMs);
    }
    const auto ratio = [](double full, double empty) { return empty > 0 ? full / empty : 0.0; };
    std::printf("process start to first shown window, median of %d runs (%s):\n", runs,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("                            wall        CPU\n");
    std::printf("  empty Qt main window: %8.1f ms %8.1f ms\n", median(emptyWall), median(emptyCpu));
    std::printf("  Tarvel 3 main window: %8.1f ms %8.1f ms\n", median(fullWall), median(fullCpu));
    std::printf("    every tab filled:   %8.1f ms %8.1f ms   (after the first paint)\n", median(completeWall),
                median(completeCpu));
    std::printf("  ratio:                %8.2f    %8.2f\n", ratio(median(fullWall), median(emptyWall)),
                ratio(median(fullCpu), median(emptyCpu)));
    // Each pair ran back to back, under the same load; the median of the
    // pairs' ratios follows a load that drifts during the series less.
    std::vector<double> pairWall, pairCpu;
    for (std::size_t i = 0; i < fullWall.size(); ++i) {
        pairWall.push_back(ratio(fullWall[i], emptyWall[i]));
        pairCpu.push_back(ratio(fullCpu[i], emptyCpu[i]));
    }
    std::printf("  ratio, run by run:    %8.2f    %8.2f   (median of the %zu pairs)\n", median(pairWall),
                median(pairCpu), pairWall.size());
    return 0;
}
