#include "LabelAutoSizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace tarvel {

namespace {
constexpr const char* kWatched = "autoSize";
constexpr const char* kParentWatched = "autoSizeParent";
constexpr const char* kRoomLeft = "autoSizeRoomLeft";
constexpr const char* kRoomRight = "autoSizeRoomRight";
constexpr const char* kDesignX = "autoSizeDesignX";
constexpr const char* kUnsized = "autoSizeUnsized";

// Fits a label with room: the design place if the text fits there, else
// moved left, else two lines as wide as the room.
void fitInRoom(QLabel* label, int left, int right)
{
    const int designX = label->property(kDesignX).toInt();
    label->setWordWrap(false);
    const QSize hint = label->sizeHint();
    const int width = hint.width();
    const int height = qMax(hint.height(), label->minimumHeight());
    if (designX + width - 1 <= right) {
        label->setGeometry(designX, label->y(), width, height);
    } else if (right - width + 1 >= left) {
        label->setGeometry(right - width + 1, label->y(), width, height);
    } else {
        label->setWordWrap(true);
        const int room = right - left + 1;
        label->setGeometry(left, label->y(), room, label->heightForWidth(room));
    }
}
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
    if (widget->isVisible())
        fit(widget);
    else
        widget->setProperty(kUnsized, true);
}

void LabelAutoSizer::setRoom(QWidget* label, int left, int right)
{
    label->setProperty(kRoomLeft, left);
    label->setProperty(kRoomRight, right);
    label->setProperty(kDesignX, label->x());
    if (!label->property(kUnsized).toBool())
        fit(label);
}

void LabelAutoSizer::fit(QWidget* widget)
{
    if (widget->property(kUnsized).isValid())
        widget->setProperty(kUnsized, QVariant());
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kRoomRight).isValid()) {
        fitInRoom(label, label->property(kRoomLeft).toInt(), label->property(kRoomRight).toInt());
        return;
    }
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
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || !widget->property(kWatched).toBool())
            continue;
        // A hidden one is sized when it is shown: sizing costs text layout,
        // and its font may not be loaded yet.
        if (widget->isVisible())
            fit(widget);
        else
            widget->setProperty(kUnsized, true);
    }
}

void LabelAutoSizer::ensureSized(QWidget* root)
{
    if (root->property(kUnsized).toBool())
        fit(root);
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (widget->property(kUnsized).toBool())
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
