// Tarvel 3: configures the ZEVO ignition unit over a serial line.
#include <QApplication>
#include <QSessionManager>
#include <QStyleFactory>

#include <csignal>

#include "AboutOnDemand.h"
#include "AppFont.h"
#include "FontWarmUp.h"
#include "ShutdownSignals.h"
#include "TFormHlav.h"
#include "about/TFormAbout.h"
#include "lang/LanguageChoice.h"
#include "log/LogCategories.h"
#include "resources/Artwork.h"

int main(int argc, char* argv[])
{
    // Past a file size limit a write then fails with EFBIG and the save fails
    // as on a full disk, instead of the signal ending the program mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
    tarvel::FontWarmUp fonts(tarvel::AppFont::family());
    QApplication app(argc, argv);
    tarvel::ui::connectCoreLogToCategories();
    // No display name: X11 would append it to every window title, which is
    // composed exactly.
    QApplication::setApplicationName(QStringLiteral("tarvel3"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(tarvel::AppFont::designFont(fonts.familyInstalled()));
    QApplication::setWindowIcon(tarvel::ui::ProgramIcon());

    tarvel::TFormHlav window;

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
    tarvel::AboutOnDemand about(
        [&window] {
            return new tarvel::ui::TFormAbout(
                [&window] { return tarvel::ui::LanguageFromStored(window.language()); }, &window);
        },
        &window);
    window.setAboutBox(&about);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.FormClose(); });

    window.show();
    return app.exec();
}
