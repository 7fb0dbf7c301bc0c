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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = tarvel::bench::UseProgramLook();
    const QString folder = arguments.isEmpty() ? QStringLiteral(".") : arguments.takeFirst();
    QDir().mkpath(folder);
    const bool all = !arguments.isEmpty() && arguments.constFirst() == QLatin1String("--all");
    if (all)
        arguments.removeFirst();

    tarvel::TFormHlav window;
    window.FormCreate(arguments, QApplication::applicationDirPath());
    if (all) {
        tarvel::ParamImage& image = window.image();
        image[tarvel::fld::bikeCode] = tarvel::kSpecialBikeCode;
        image[tarvel::fld::syncMode] = 4;
        image[tarvel::fld::channelCount] = 4;
        image[tarvel::fld::tpsMap] = 1;
        image[tarvel::fld::servoEnable] = 1;
        image[tarvel::fld::n2oEnable] = 1;
        image[tarvel::fld::noReading] = 1;
        window.setTestMode(true);
        window.setIdentTexts({QStringLiteral("ZEV48"), QStringLiteral(" 5. 1.2009"), QStringLiteral("07:05")});
        window.ShowImage();
        for (const char* name :
             {"LabelTest1", "LabelTest8", "LabelEeDataErr", "LabelVersion", "LabelHlaseni", "CGaugeProgram"})
            if (QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(name)))
                w->show();
        window.setOperatingPoint(tarvel::ToolPoint{.tpsRow = 4, .rpmColumn = 5, .servoColumn = 3, .belowMap = false});
        window.applyHighlight();
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
