// Tarvel 3: configures the ZEVO ignition unit over a serial line.
#include <QApplication>
#include <QSessionManager>
#include <QStyleFactory>

#include "AppFont.h"
#include "ShutdownSignals.h"
#include "TFormHlav.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvel3"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvel 3"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(tarvel::AppFont::designFont());

    tarvel::TFormHlav window;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window.FormCreate(arguments, QApplication::applicationDirPath());

    // Asked to end by a signal or by the desktop session: close as Exit does,
    // so that the settings and the parameter image are saved.
    tarvel::ShutdownSignals shutdownSignals([&window] { window.close(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) { window.FormClose(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.FormClose(); });

    window.show();
    return app.exec();
}
