// Shows the window in one of the states of the data logs and stays open, for
// a screenshot of the real window (shot.sh):
//   ui_log_pictures advance|charts|curves|menu [ARGS...]
// advance: the Advance Map tab with the curve while a replay runs at 4x;
// charts: the chart window over a whole log with the cursor placed;
// curves: the chart window's advance curves with the throttle map on;
// menu: the Log menu open, in German (or the language given as ARGS: CESKY).
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "ProgramLook.h"
#include "LogController.h"
#include "SyntheticRide.h"
#include "TFormHlav.h"
#include "link/SimulatedUnitDevice.h"
#include "charts/ChartWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = tarvel::bench::UseProgramLook();
    const QString mode = arguments.isEmpty() ? QStringLiteral("advance") : arguments.takeFirst();
    if (mode == QLatin1String("menu") && arguments.isEmpty())
        arguments << QStringLiteral("DEUTSCH");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ride-2026-12-10.mlg"));
    tarvel::bench::writeSyntheticRide(path.toStdString(), 6000);

    // A unit that is not plugged in: no port of the machine is opened.
    auto device = std::make_unique<tarvel::link::SimulatedUnitDevice>();
    device->unplugged = true;
    tarvel::TFormHlav window(nullptr, std::move(device));
    window.FormCreate(arguments, QApplication::applicationDirPath());
    window.show();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tarvel::LogController& logs = window.logs();
    logs.openReplay(path);
    if (mode == QLatin1String("advance")) {
        pages->setCurrentIndex(2);
        logs.replay()->setSpeed(4);
        logs.seekReplay(300);
        logs.replay()->play(std::chrono::steady_clock::now());
    } else if (mode == QLatin1String("charts") || mode == QLatin1String("curves")) {
        if (mode == QLatin1String("curves"))
            window.findChild<QCheckBox*>(QStringLiteral("CheckBoxTpsMapa"))->click();
        logs.seekReplay(1400);
        logs.showCharts();
        tarvel::ui::ChartWindow* charts = logs.charts();
        charts->selectChannels({QStringLiteral("RPM"), QStringLiteral("TPS"), QStringLiteral("Advance 1"),
                                QStringLiteral("Supply")});
        charts->setReplayTime(logs.replay()->log().time(1400));
        if (mode == QLatin1String("curves"))
            charts->findChild<QTabWidget*>()->setCurrentIndex(1);
    } else if (mode == QLatin1String("menu")) {
        logs.closeReplay();
        QTimer::singleShot(300, &window, [&window] {
            QMenu* menu = window.findChild<QMenu*>(QStringLiteral("MenuLog"));
            window.menuBar()->setActiveAction(menu->menuAction());
        });
    }
    return app.exec();
}
