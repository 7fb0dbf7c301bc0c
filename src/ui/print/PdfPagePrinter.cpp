#include "PdfPagePrinter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include "PageFit.h"

namespace tarvel::ui {

PdfPagePrinter::PdfPagePrinter(QString folder) : folder_(std::move(folder)) {}

bool PdfPagePrinter::printPage(const QImage& picture)
{
    lastError_.clear();
    ++attempts_;
    if (!available_ || (failFromJob_ > 0 && attempts_ >= failFromJob_)) {
        lastError_ = QStringLiteral("job %1 refused").arg(attempts_);
        return false;
    }
    const QString file = QDir(folder_).filePath(QStringLiteral("job-%1.pdf").arg(jobs_.size() + 1));
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    writer.setTitle(QStringLiteral("Tarvel 3"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        lastError_ = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    DrawPictureOnPage(painter, QRect(0, 0, writer.width(), writer.height()), picture);
    painter.end();
    jobs_.push_back({file, picture.size()});
    return true;
}

int PdfPagePrinter::countPages(const QString& file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(pdf.readAll());
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(text.count(pageObject));
}

}  // namespace tarvel::ui
