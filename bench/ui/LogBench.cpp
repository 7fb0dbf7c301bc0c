// Figures of the data logs in the window:
//   bench_ui_logs [RECORDS] [SECONDS]
// 1. opening a log of RECORDS records (100,000) and drawing all its channels
//    in the chart window, until the picture is painted;
// 2. the CPU a replay at 8x takes in the whole window (offscreen), measured
//    over SECONDS (10) of the window's own timer.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include "LogController.h"
#include "ProgramStyle.h"
#include "SyntheticRide.h"
#include "TFormHlav.h"
#include "link/SimulatedUnitDevice.h"
#include "charts/ChannelChart.h"
#include "charts/ChartWindow.h"
#include "datalog/LogFile.h"

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    QApplication::setStyle(new tarvel::ProgramStyle());
    const std::size_t records = argc > 1 ? std::stoul(argv[1]) : 100000;
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 10;
    QTemporaryDir folder;
    qputenv("TARVEL3_HOME", folder.path().toUtf8());
    const std::string path = folder.filePath(QStringLiteral("ride.mlg")).toStdString();
    if (!tarvel::bench::writeSyntheticRide(path, records)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return 1;
    }

    // 1. Open and draw every channel.
    tarvel::ui::ChartWindow charts;
    charts.resize(1200, 700);
    charts.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    auto log = std::make_shared<tarvel::datalog::DataLog>(tarvel::datalog::readLogFile(path));
    const qint64 readMs = clock.elapsed();
    charts.showLog(log, QStringLiteral("ride.mlg"));
    QStringList all;
    for (const auto& field : log->fields())
        all << QString::fromStdString(field.name);
    charts.selectChannels(all);
    charts.repaint();
    const QImage picture = charts.grab().toImage();  // painted
    const qint64 drawMs = clock.elapsed();
    std::printf("open and draw: %zu records, %zu channels, %zu points drawn: read %lld ms, read+draw %lld ms "
                "(target < 1000 ms)\n",
                log->recordCount(), charts.channelChart()->channels().size(), charts.channelChart()->pointsDrawn(),
                static_cast<long long>(readMs), static_cast<long long>(drawMs));
    charts.hide();

    // 2. Replay at 8x in the window.
    // A unit that is not plugged in: no port of the machine is opened.
    auto device = std::make_unique<tarvel::link::SimulatedUnitDevice>();
    device->unplugged = true;
    tarvel::TFormHlav window(nullptr, std::move(device));
    window.FormCreate({}, QApplication::applicationDirPath());
    window.show();
    if (!window.logs().openReplay(QString::fromStdString(path))) {
        std::fprintf(stderr, "the replay did not open\n");
        return 1;
    }
    window.logs().replay()->setSpeed(8);
    window.logs().replay()->play(std::chrono::steady_clock::now());
    QApplication::processEvents();
    const double cpu0 = cpuSeconds();
    clock.restart();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double wall = static_cast<double>(clock.elapsed()) / 1000.0;
    const double cpu = cpuSeconds() - cpu0;
    std::printf("replay at 8x: %.1f s of the window, %.3f s CPU = %.1f %% of a core (target < 5 %%); "
                "reached record %zu of %zu\n",
                wall, cpu, 100.0 * cpu / wall, window.logs().replay()->position(), window.logs().replay()->size());
    window.FormClose();
    return 0;
}
