// Saves a picture of the main window with each of its five tabs open:
//   ui_screenshots OUTPUT_FOLDER [ARGS...]
// Runs on any Qt platform (offscreen included); used to compare the layout
// with the design positions.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStyleFactory>
#include <QTabWidget>

#include "../../src/app/AppFont.h"
#include "TFormHlav.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(tarvel::AppFont::designFont());
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString folder = arguments.isEmpty() ? QStringLiteral(".") : arguments.takeFirst();
    QDir().mkpath(folder);

    tarvel::TFormHlav window;
    window.FormCreate(arguments, QApplication::applicationDirPath());
    window.show();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        QApplication::processEvents();
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(QStringLiteral("tab%1-%2.png").arg(tab + 1).arg(pages->widget(tab)->objectName()));
        window.grab().save(file);
        qInfo("saved %s", qPrintable(file));
    }
    return 0;
}
