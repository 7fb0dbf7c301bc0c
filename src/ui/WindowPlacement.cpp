#include "WindowPlacement.h"

#include <algorithm>

namespace tarvel {

namespace {

// The whole window, frame included, whose frame corner is wanted's corner.
QRect frameRect(const QRect& wanted, const QMargins& frame)
{
    return QRect(wanted.topLeft(), wanted.size().grownBy(frame));
}

}  // namespace

QRect PlaceWindow(const QRect& wanted, const QList<QRect>& screens, const QMargins& frame, int scrollBar)
{
    if (screens.isEmpty())
        return wanted;
    // The screen that holds most of the window; none: the primary one.
    const QRect wantedFrame = frameRect(wanted, frame);
    int best = -1;
    int bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect common = screens[i].intersected(wantedFrame);
        const int area = common.isEmpty() ? 0 : common.width() * common.height();
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    const QRect area = screens[std::max(best, 0)];

    const QSize room = area.size().shrunkBy(frame);
    QSize size = wanted.size().boundedTo(room);
    // Where one direction scrolls, its scroll bar takes room from the other.
    if (size.height() < wanted.height())
        size.setWidth(std::min(wanted.width() + scrollBar, room.width()));
    if (size.width() < wanted.width())
        size.setHeight(std::min(wanted.height() + scrollBar, room.height()));
    size = size.expandedTo(QSize(1, 1));
    const QSize outer = size.grownBy(frame);
    QPoint corner = wanted.topLeft();
    if (best < 0)
        corner =
            QPoint(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
    corner.setX(std::clamp(corner.x(), area.left(), area.left() + area.width() - outer.width()));
    corner.setY(std::clamp(corner.y(), area.top(), area.top() + area.height() - outer.height()));
    return QRect(corner, size);
}

}  // namespace tarvel
