#include "PageFit.h"

#include <QImage>
#include <QPainter>

namespace tarvel::ui {

QRect FitPicture(QSize picture, QRect page)
{
    if (picture.isEmpty() || page.isEmpty())
        return {page.topLeft(), QSize(0, 0)};
    const QSize scaled = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.topLeft(), scaled};
}

void DrawPictureOnPage(QPainter& painter, QRect page, const QImage& picture)
{
    const QRect target = FitPicture(picture.size(), page);
    if (target.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

}  // namespace tarvel::ui
