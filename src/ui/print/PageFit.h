// Placing the window's picture on a page: as large as fits, proportions kept,
// at the top left of the printable area.
#pragma once

#include <QRect>
#include <QSize>

class QImage;
class QPainter;

namespace tarvel::ui {

QRect FitPicture(QSize picture, QRect page);

void DrawPictureOnPage(QPainter& painter, QRect page, const QImage& picture);

}  // namespace tarvel::ui
