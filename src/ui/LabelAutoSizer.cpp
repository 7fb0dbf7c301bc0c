#include "LabelAutoSizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace tarvel {

namespace {

// Fits a label with room: the design place if the text fits there, else
// moved left, else two lines as wide as the room.
void fitInRoom(QLabel* label, int designX, int left, int right)
{
    // Setting the wrap posts a layout request to the parent even when it
    // does not change, and that request fits the labels again.
    if (label->wordWrap())
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

LabelAutoSizer::Sizing& LabelAutoSizer::sizing(QWidget* widget)
{
    auto found = table_.find(widget);
    if (found == table_.end()) {
        found = table_.insert(widget, Sizing{});
        // A later widget may be given the same address.
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { table_.remove(gone); });
    }
    return *found;
}

const LabelAutoSizer::Sizing* LabelAutoSizer::find(const QObject* object) const
{
    const auto found = table_.constFind(object);
    return found == table_.constEnd() ? nullptr : &*found;
}

void LabelAutoSizer::watch(QWidget* widget)
{
    LabelAutoSizer* sizer = instance();
    sizer->sizing(widget).watched = true;
    widget->installEventFilter(sizer);
    if (QWidget* parent = widget->parentWidget()) {
        Sizing& parentSizing = sizer->sizing(parent);
        if (!parentSizing.parentWatched) {
            parentSizing.parentWatched = true;
            parent->installEventFilter(sizer);
        }
    }
    if (widget->isVisible())
        fit(widget);
    else
        sizer->sizing(widget).unsized = true;
}

void LabelAutoSizer::setRoom(QWidget* label, int left, int right)
{
    Sizing& sizing = instance()->sizing(label);
    sizing.hasRoom = true;
    sizing.roomLeft = left;
    sizing.roomRight = right;
    sizing.designX = label->x();
    sizing.fittedGeometry = QRect();
    if (!sizing.unsized)
        fit(label);
}

void LabelAutoSizer::fit(QWidget* widget)
{
    Sizing& sizing = instance()->sizing(widget);
    sizing.unsized = false;
    if (auto* label = qobject_cast<QLabel*>(widget); label && sizing.hasRoom) {
        // A label fitted to this text stays as it is: a wrapped one would
        // otherwise be unwrapped and wrapped again on every layout request
        // of its parent, each of which posts the next one.
        if (label->text() == sizing.fittedText && label->font() == sizing.fittedFont &&
            label->geometry() == sizing.fittedGeometry)
            return;
        fitInRoom(label, sizing.designX, sizing.roomLeft, sizing.roomRight);
        Sizing& fitted = instance()->sizing(widget);  // the events of the fit may have grown the table
        fitted.fittedText = label->text();
        fitted.fittedFont = label->font();
        fitted.fittedGeometry = label->geometry();
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
    LabelAutoSizer* sizer = instance();
    for (QObject* child : parent->children()) {
        const Sizing* sizing = sizer->find(child);
        auto* widget = qobject_cast<QWidget*>(child);
        if (!sizing || !sizing->watched || !widget)
            continue;
        // A hidden one is sized when it is shown: sizing costs text layout,
        // and its font may not be loaded yet.
        if (widget->isVisible())
            fit(widget);
        else
            sizer->sizing(widget).unsized = true;
    }
}

void LabelAutoSizer::ensureSized(QWidget* root)
{
    LabelAutoSizer* sizer = instance();
    const auto unsized = [sizer](const QWidget* widget) {
        const Sizing* sizing = sizer->find(widget);
        return sizing && sizing->unsized;
    };
    if (unsized(root))
        fit(root);
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (unsized(widget))
            fit(widget);
}

bool LabelAutoSizer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::LayoutRequest:
            if (auto* widget = qobject_cast<QWidget*>(watched))
                fitChildren(widget);
            break;
        case QEvent::Show:
        case QEvent::FontChange:
            if (const Sizing* sizing = find(watched); sizing && sizing->watched)
                if (auto* widget = qobject_cast<QWidget*>(watched))
                    fit(widget);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvel
