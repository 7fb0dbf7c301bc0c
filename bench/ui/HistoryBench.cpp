// The tune history dialog with a full history (200 entries) on the full
// window: time from the menu command to the dialog shown and painted, which
// includes reading every entry and counting its differences from the window.
//   bench_ui_history                 prints the figures
//   bench_ui_history --show WHAT [LANGUAGE]
//                                    keeps WHAT (history, report) open for a
//                                    screenshot; LANGUAGE as on the program's
//                                    command line (DEUTSCH, FRANCE, CESKY)
#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "ProgramLook.h"
#include "TFormHlav.h"
#include "compare/TuneTools.h"
#include "link/SimulatedUnitDevice.h"
#include "store/IgnFileWriter.h"
#include "store/TuneHistory.h"

namespace {

// 200 programs an hour apart, each one with a few fields of its own.
void fillHistory(tarvel::TFormHlav& window)
{
    const tarvel::TuneHistory history(window.paths().historyFolder());
    const auto start = std::chrono::system_clock::now() - std::chrono::hours(24 * 30);
    const char* bikes[] = {"Yamaha R1", "Honda CBR 9P", "Suzuki SV 650", "Kawasaki ZX9R 00"};
    for (int i = 0; i < tarvel::TuneHistory::kKeep; ++i) {
        tarvel::ParamImage image = window.image();
        image.advance(i % 10, (i / 10) % 10) = static_cast<std::uint8_t>(10 + i % 30);
        image[tarvel::fld::limiter] = static_cast<std::uint8_t>(100 + i % 40);
        history.record(image,
                       tarvel::TuneRecord{start + std::chrono::hours(i), bikes[i % 4], "ZEV48", " 5.01.2026", "07:05"});
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = tarvel::bench::UseProgramLook();
    QString show;
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--show")) {
        show = arguments[1];
        arguments = arguments.mid(2);
    }

    QTemporaryDir home;
    qputenv("TARVEL3_HOME", home.path().toUtf8());
    // A simulated unit on the port: no port message box holds up the start.
    tarvel::TFormHlav window(nullptr, std::make_unique<tarvel::link::SimulatedUnitDevice>());
    window.FormCreate(arguments, QApplication::applicationDirPath());
    window.show();
    QApplication::processEvents();
    window.ReadControls();
    window.CommitChange();  // the window holds what its controls show, as after any edit
    fillHistory(window);
    tarvel::ui::TuneTools& tools = *window.tuneTools();

    if (show == QLatin1String("history")) {
        tools.showHistory();
        return QApplication::exec();
    }
    if (show == QLatin1String("report")) {
        tools.showHistory();
        auto* history = tools.historyDialog();
        history->hide();
        history->selectEntry(3);
        emit history->compareRequested(3);
        return QApplication::exec();
    }

    std::vector<double> ms;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer clock;
        clock.start();
        tools.showHistory();
        tarvel::ui::HistoryDialog* dialog = tools.historyDialog();
        dialog->repaint();
        QApplication::processEvents();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (run == 0)
            std::printf("entries listed: %d\n", dialog->table().rowCount());
        dialog->reject();
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("history dialog with %d entries opens in: median %.1f ms, worst %.1f ms (target < 200 ms)\n",
                tarvel::TuneHistory::kKeep, ms[ms.size() / 2], ms.back());
    window.FormClose();
    return 0;
}
