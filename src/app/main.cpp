// Tarvel 3: configures the ZEVO ignition unit over a serial line.
#include <QApplication>
#include <QSessionManager>

#include <csignal>

#include "AboutOnDemand.h"
#include "AppFont.h"
#include "FontWarmUp.h"
#include "ProgramStart.h"
#include "ShutdownSignals.h"
#include "TFormHlav.h"

int main(int argc, char* argv[])
{
    // Past a file size limit a write then fails with EFBIG and the save fails
    // as on a full disk, instead of the signal ending the program mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
    tarvel::FontWarmUp fonts(tarvel::AppFont::family());
    QApplication app(argc, argv);
    tarvel::ProgramStart::setUpApplication(fonts.familyInstalled());

    // The tab pages not shown at first are filled right after the first paint.
    tarvel::TFormHlav window(nullptr, nullptr, tarvel::WindowBuilder::Pages::FirstOnly);

    // Asked to end by a signal or by the desktop session: close as Exit does,
    // so that the settings and the parameter image are saved; the program then
    // ends with its last window. A message box that is open (at start-up too)
    // is closed first.
    const auto closeAll = [&window] {
        while (QWidget* modal = QApplication::activeModalWidget())
            if (!modal->close())
                break;
        window.close();
    };
    tarvel::ShutdownSignals shutdownSignals(closeAll);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&closeAll](QSessionManager&) { closeAll(); });

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window.FormCreate(arguments, QApplication::applicationDirPath());
    if (window.closedForGood())
        return 0;
    const auto about = tarvel::ProgramStart::attachAboutBox(window);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.FormClose(); });

    window.show();
    return app.exec();
}
