#include "SystemPagePrinter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "PageFit.h"
#include "model/LogSink.h"

namespace tarvel::ui {

SystemPagePrinter::SystemPagePrinter(QWidget* dialogParent, Chooser chooser)
    : dialogParent_(dialogParent), chooser_(std::move(chooser))
{
}

SystemPagePrinter::~SystemPagePrinter() = default;

bool SystemPagePrinter::ShowPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool SystemPagePrinter::choose(int pages)
{
    lastError_.clear();
    pages_.clear();
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QStringLiteral("Tarvel 3"));
        printer_->setCreator(QStringLiteral("Tarvel 3"));
    }
    return chooser_ ? chooser_(*printer_, pages) : ShowPrintDialog(*printer_, dialogParent_);
}

bool SystemPagePrinter::printPage(const QImage& picture)
{
    // Drawn in finish(): the copies of a printer that cannot make them itself
    // (a PDF file) are drawn here, collated as the dialog asked.
    pages_.push_back(picture);
    return true;
}

bool SystemPagePrinter::finish()
{
    if (!printer_ || pages_.isEmpty())
        return true;
    const int copies = printer_->supportsMultipleCopies() ? 1 : qMax(1, printer_->copyCount());
    QVector<const QImage*> order;
    for (int copy = 0; copy < copies && printer_->collateCopies(); ++copy)
        for (const QImage& page : pages_)
            order.push_back(&page);
    for (const QImage& page : pages_)
        for (int copy = 0; copy < copies && !printer_->collateCopies(); ++copy)
            order.push_back(&page);

    QPainter painter;
    bool ok = painter.begin(printer_.get());
    for (qsizetype i = 0; ok && i < order.size(); ++i) {
        if (i > 0)
            ok = printer_->newPage();
        if (ok)
            DrawPictureOnPage(painter, QRect(0, 0, printer_->width(), printer_->height()), *order[i]);
    }
    if (painter.isActive())
        ok = painter.end() && ok;
    pages_.clear();
    if (!ok || printer_->printerState() == QPrinter::Error) {
        lastError_ = printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
        log::write(log::Area::Ui, "cannot print: " + lastError_.toStdString() + " failed the job");
        return false;
    }
    return true;
}

}  // namespace tarvel::ui
