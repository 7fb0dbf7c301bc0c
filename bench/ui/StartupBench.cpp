// Time from process start to the first shown window: the full main window
// next to an empty Qt main window. Starts itself as a child for each run and
// measures until the child reports that its window has been painted.
//   bench_ui_startup [RUNS]     (STARTUP_STAGES=1: also each child's stages)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPaintEvent>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AboutOnDemand.h"
#include "AppFont.h"
#include "TFormHlav.h"
#include "about/TFormAbout.h"
#include "lang/LanguageChoice.h"
#include "log/LogCategories.h"
#include "resources/Artwork.h"

namespace {

// With STARTUP_STAGES=1 each child prints on standard error when it reached
// each stage of its start, in ms since it entered child(): where the time goes.
QElapsedTimer sinceChildStart;
void stage(const char* name)
{
    if (qEnvironmentVariableIsSet("STARTUP_STAGES"))
        std::fprintf(stderr, "  %-12s %5lld ms\n", name, static_cast<long long>(sinceChildStart.elapsed()));
}

// Reports the first paint of the window on stdout, then quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            stage("paint");
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool seen_ = false;
};

int child(bool full, int argc, char* argv[])
{
    sinceChildStart.start();
    QApplication app(argc, argv);
    stage("qapp");
    FirstPaint watcher;
    std::unique_ptr<QMainWindow> window;
    std::unique_ptr<tarvel::AboutOnDemand> about;
    if (full) {
        // As the program's main() starts.
        tarvel::ui::connectCoreLogToCategories();
        QApplication::setApplicationName(QStringLiteral("tarvel3"));
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(fusion);
        stage("style");
        QApplication::setFont(tarvel::AppFont::designFont());
        stage("font");
        QApplication::setWindowIcon(tarvel::ui::ProgramIcon());
        stage("icon");
        auto* form = new tarvel::TFormHlav();
        stage("ctor");
        form->FormCreate({}, QApplication::applicationDirPath());
        stage("formcreate");
        window.reset(form);
        about = std::make_unique<tarvel::AboutOnDemand>(
            [form] {
                return new tarvel::ui::TFormAbout([form] { return tarvel::ui::LanguageFromStored(form->language()); },
                                                  form);
            },
            form);
        form->setAboutBox(about.get());
        stage("about");
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(934, 772);
    }
    window->installEventFilter(&watcher);
    window->show();
    const int status = app.exec();
    about.reset();
    return status;
}

double runOnce(const char* self, const char* mode)
{
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl(self, self, mode, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    char buffer[16];
    const auto got = ::read(out[0], buffer, sizeof buffer);
    const auto shown = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (got <= 0)
        return -1;
    return std::chrono::duration<double, std::milli>(shown - start).count();
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
    if (argc > 1 && (std::strcmp(argv[1], "--child-full") == 0 || std::strcmp(argv[1], "--child-empty") == 0)) {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        return child(std::strcmp(argv[1], "--child-full") == 0, argc, argv);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir home;
    {
        QFile settings(QDir(home.path()).filePath(QStringLiteral("tarvel3")));
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write(silentSettings(home.path()));
    }
    qputenv("TARVEL3_HOME", home.path().toUtf8());
    std::vector<double> empty, full;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(runOnce("/proc/self/exe", "--child-empty"));
        full.push_back(runOnce("/proc/self/exe", "--child-full"));
    }
    std::printf("process start to first shown window, median of %d runs:\n", runs);
    std::printf("  empty Qt main window: %8.1f ms\n", median(empty));
    std::printf("  Tarvel 3 main window: %8.1f ms\n", median(full));
    std::printf("  ratio:                %8.2f\n", median(empty) > 0 ? median(full) / median(empty) : 0.0);
    return 0;
}
