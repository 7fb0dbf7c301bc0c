#include "LabelAutoSizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace tarvel {

namespace {
constexpr const char* kWatched = "autoSize";
constexpr const char* kParentWatched = "autoSizeParent";
}  // namespace

LabelAutoSizer* LabelAutoSizer::instance()
{
    static LabelAutoSizer* sizer = new LabelAutoSizer(QCoreApplication::instance());
    return sizer;
}

void LabelAutoSizer::watch(QWidget* widget)
{
    widget->setProperty(kWatched, true);
    widget->installEventFilter(instance());
    if (QWidget* parent = widget->parentWidget(); parent && !parent->property(kParentWatched).toBool()) {
        parent->setProperty(kParentWatched, true);
        parent->installEventFilter(instance());
    }
    fit(widget);
}

void LabelAutoSizer::fit(QWidget* widget)
{
    const QSize hint = widget->sizeHint();
    if (!hint.isValid())
        return;
    const QSize wanted(hint.width(), qMax(hint.height(), widget->minimumHeight()));
    if (wanted == widget->size())
        return;
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && (label->alignment() & Qt::AlignRight)) {
        const int right = widget->geometry().right();
        widget->setGeometry(right - wanted.width() + 1, widget->y(), wanted.width(), wanted.height());
    } else {
        widget->resize(wanted);
    }
}

void LabelAutoSizer::fitChildren(QWidget* parent)
{
    for (QObject* child : parent->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->property(kWatched).toBool())
            fit(widget);
}

bool LabelAutoSizer::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget) {
        switch (event->type()) {
            case QEvent::LayoutRequest:
                fitChildren(widget);
                break;
            case QEvent::Show:
            case QEvent::FontChange:
                if (widget->property(kWatched).toBool())
                    fit(widget);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvel
