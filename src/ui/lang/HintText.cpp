#include "HintText.h"

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
    if (auto* menu = qobject_cast<QMenu*>(&target))
        menu->menuAction()->setProperty(kHintProperty, hint);
    auto* widget = qobject_cast<QWidget*>(&target);
    if (!widget)
        return;
    if (widget->property(kShowHintProperty).toBool())
        widget->setToolTip(HintShortPart(hint));
    else if (!widget->toolTip().isEmpty())
        widget->setToolTip(QString());
}

}  // namespace tarvel::ui
