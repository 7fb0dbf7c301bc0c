// Saves a picture of the main window with each of its five tabs open:
//   ui_screenshots OUTPUT_FOLDER [--all] [ARGS...]
// --all switches on every optional group (throttle map, manual keying with
// four channels and a second pick-up, servo, N2O, test mode) so that every
// control is on the picture. Runs on any Qt platform (offscreen included);
// used to compare the layout with the design positions.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "ProgramLook.h"
#include "TFormHlav.h"
#include "link/SimulatedUnitDevice.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = tarvel::bench::UseProgramLook();
    const QString folder = arguments.isEmpty() ? QStringLiteral(".") : arguments.takeFirst();
    QDir().mkpath(folder);
    const bool all = !arguments.isEmpty() && arguments.constFirst() == QLatin1String("--all");
    if (all)
        arguments.removeFirst();

    // With --all a simulated unit answers, held at one speed and throttle:
    // its identification and the lit operating point are on the pictures.
    std::unique_ptr<tarvel::link::SimulatedUnitDevice> device;
    tarvel::link::SimulatedUnitDevice* unit = nullptr;
    if (all) {
        device = std::make_unique<tarvel::link::SimulatedUnitDevice>();
        unit = device.get();
    }
    tarvel::TFormHlav window(nullptr, std::move(device));
    window.FormCreate(arguments, QApplication::applicationDirPath());
    auto tick = [&window, &unit] {
        unit->nowMs += tarvel::TFormHlav::kTimerMs;
        window.Timer1Timer();
    };
    if (all) {
        window.timer1().stop();
        tarvel::ParamImage unitPages{};
        window.deviceLink().startReadInto(unitPages);
        using Result = tarvel::link::TransferEngine::ReadIntoResult;
        for (int i = 0; i < 400 && window.deviceLink().engine().readIntoResult() == Result::Running; ++i)
            tick();
        tarvel::ParamImage& image = window.image();
        image[tarvel::fld::bikeCode] = tarvel::kSpecialBikeCode;
        image[tarvel::fld::syncMode] = 4;
        image[tarvel::fld::channelCount] = 4;
        image[tarvel::fld::tpsMap] = 1;
        image[tarvel::fld::servoEnable] = 1;
        image[tarvel::fld::n2oEnable] = 1;
        image[tarvel::fld::noReading] = 1;
        window.setTestMode(true);
        window.ShowImage();
        for (const char* name :
             {"LabelTest1", "LabelTest8", "LabelEeDataErr", "LabelVersion", "LabelHlaseni", "CGaugeProgram"})
            if (QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(name)))
                w->show();
        // Map column 5, throttle row 4 (20 %).
        unit->unit().options().heldRpm = image[tarvel::fld::mapRpm + 5] * 100;
        const tarvel::ParamImage& stored = unit->unit().stored();
        const int tps0Mv = stored[tarvel::fld::tps0] * 10;
        const int tps100Mv = stored[tarvel::fld::tps100] * 10 + 2500;
        unit->unit().options().heldTpsMv = tps0Mv + (tps100Mv - tps0Mv) * tarvel::kTpsBreakpoints[4] / 100;
        const auto frames = window.deviceLink().monitorFrames();
        for (int i = 0; i < 20 && window.deviceLink().monitorFrames() == frames; ++i)
            tick();
    }
    window.show();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        QApplication::processEvents();
        QApplication::processEvents();
        const QString file =
            QDir(folder).filePath(QStringLiteral("tab%1-%2.png").arg(tab + 1).arg(pages->widget(tab)->objectName()));
        window.grab().save(file);
        qInfo("saved %s", qPrintable(file));
    }
    return 0;
}
