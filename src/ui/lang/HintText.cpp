#include "HintText.h"

#include <QAction>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace tarvel::ui {

QString HintShortPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString HintLongPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QObject& target, const QString& hint)
{
    target.setProperty(kHintProperty, hint);
    const bool showTooltip = target.property(kShowHintProperty).toBool();
    if (auto* menu = qobject_cast<QMenu*>(&target)) {
        menu->menuAction()->setStatusTip(HintLongPart(hint));
        return;
    }
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setStatusTip(HintLongPart(hint));
        if (showTooltip)
            action->setToolTip(HintShortPart(hint));
        return;
    }
    if (auto* widget = qobject_cast<QWidget*>(&target)) {
        widget->setStatusTip(HintLongPart(hint));
        if (showTooltip)
            widget->setToolTip(HintShortPart(hint));
    }
}

}  // namespace tarvel::ui
