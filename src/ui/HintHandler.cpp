#include "HintHandler.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace tarvel {

void HintHandler::setHint(QObject* target, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(target))
        menu->menuAction()->setProperty(kHint, text);
    target->setProperty(kHint, text);
    if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->property(kShowHint).toBool())
        widget->setToolTip(shortPart(text));
    else if (widget && !widget->toolTip().isEmpty())
        widget->setToolTip(QString());
}

QString HintHandler::hint(const QObject* target)
{
    return target ? target->property(kHint).toString() : QString();
}

QString HintHandler::shortPart(const QString& hint)
{
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString HintHandler::longPart(const QString& hint)
{
    const auto bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

HintHandler::HintHandler(QWidget* window, QMenuBar* menus, QLabel* panel)
    : QObject(window), window_(window), panel_(panel)
{
    qApp->installEventFilter(this);
    connect(menus, &QMenuBar::hovered, this, [this](QAction* action) { showHintOf(action); });
    for (QMenu* menu : menus->findChildren<QMenu*>())
        connect(menu, &QMenu::hovered, this, [this](QAction* action) { showHintOf(action); });
}

HintHandler::~HintHandler()
{
    qApp->removeEventFilter(this);
}

QString HintHandler::currentHint() const
{
    return panel_ ? panel_->text() : QString();
}

bool HintHandler::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if ((type == QEvent::Enter || type == QEvent::Leave) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (window_ && (widget == window_ || window_->isAncestorOf(widget)))
            showHintOf(type == QEvent::Enter ? widget : widget->parentWidget());
    }
    return QObject::eventFilter(watched, event);
}

void HintHandler::showHintOf(const QWidget* widget)
{
    // The nearest control up the parent chain that has a hint gives it.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString text = hint(w);
        if (!text.isEmpty()) {
            show(text);
            return;
        }
        if (w == window_)
            break;
    }
    show(QString());
}

void HintHandler::showHintOf(const QAction* action)
{
    show(hint(action));
}

void HintHandler::show(const QString& fullHint)
{
    const QString text = longPart(fullHint);
    if (panel_ && panel_->text() != text)
        panel_->setText(text);
}

}  // namespace tarvel
