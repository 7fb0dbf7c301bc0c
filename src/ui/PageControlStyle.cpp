#include "PageControlStyle.h"

#include <QStyleOption>

namespace tarvel {

QRect PageControlStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    const QRect whole = option->rect;
    switch (element) {
        case SE_TabWidgetTabBar: {
            QRect bar = QProxyStyle::subElementRect(element, option, widget);
            bar.moveTopLeft(QPoint(whole.left() + 2, whole.top()));
            bar.setHeight(kTabStripHeight);
            bar.setWidth(qMin(bar.width(), whole.width() - 4));
            return bar;
        }
        case SE_TabWidgetTabPane:
            return whole.adjusted(0, kTabStripHeight - 1, 0, 0);
        case SE_TabWidgetTabContents:
            return whole.adjusted(kPageLeft, kPageTop, -kPageLeft, -kPageLeft);
        default:
            return QProxyStyle::subElementRect(element, option, widget);
    }
}

}  // namespace tarvel
