#include "SystemPagePrinter.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "PageFit.h"
#include "model/LogSink.h"

namespace tarvel::ui {

namespace {

QPrinterInfo chosenPrinter()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty())
            info = all.first();
    }
    return info;
}

}  // namespace

bool SystemPagePrinter::available() const
{
    return !chosenPrinter().isNull();
}

bool SystemPagePrinter::printPage(const QImage& picture)
{
    lastError_.clear();
    const QPrinterInfo info = chosenPrinter();
    if (info.isNull()) {
        lastError_ = QStringLiteral("no printer");
        log::write(log::Area::Ui, "cannot print: no printer");
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tarvel 3"));
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer)) {
        lastError_ = info.printerName();
        log::write(log::Area::Ui, "cannot print: printer " + lastError_.toStdString() + " does not start the job");
        return false;
    }
    DrawPictureOnPage(painter, QRect(0, 0, printer.width(), printer.height()), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        lastError_ = info.printerName();
        log::write(log::Area::Ui, "cannot print: printer " + lastError_.toStdString() + " failed the job");
        return false;
    }
    return true;
}

}  // namespace tarvel::ui
