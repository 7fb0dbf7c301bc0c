#include "ToolGlyphs.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarvel {

QIcon ToolGlyphs::icon(const QString& name)
{
    const QString resource = QStringLiteral(":/toolbar/%1.png").arg(name);
    if (QFile::exists(resource))
        return QIcon(resource);
    return QIcon(drawn(name));
}

QPixmap ToolGlyphs::drawn(const QString& name)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(40, 40, 40), 1);
    p.setPen(outline);
    if (name == QLatin1String("new")) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(10.5, 1.5), QPointF(13.5, 4.5), QPointF(13.5, 14.5),
                                 QPointF(3.5, 14.5)}));
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
        p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
    } else if (name == QLatin1String("open")) {
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
    } else if (name == QLatin1String("save")) {
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
    } else if (name == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    } else {
        const bool undo = name == QLatin1String("undo");
        QPainterPath arrow;
        arrow.moveTo(3, 8);
        arrow.lineTo(8, 3);
        arrow.lineTo(8, 6);
        arrow.lineTo(13, 6);
        arrow.lineTo(13, 10);
        arrow.lineTo(8, 10);
        arrow.lineTo(8, 13);
        arrow.closeSubpath();
        if (!undo)
            arrow = QTransform(-1, 0, 0, 1, 16, 0).map(arrow);
        p.setBrush(undo ? QColor(30, 130, 60) : QColor(30, 90, 170));
        p.drawPath(arrow);
    }
    return pixmap;
}

}  // namespace tarvel
