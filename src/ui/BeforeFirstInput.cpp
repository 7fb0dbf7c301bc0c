#include "BeforeFirstInput.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarvel {

BeforeFirstInput::BeforeFirstInput(std::function<void()> first, QObject* parent)
    : QObject(parent), first_(std::move(first))
{
    QCoreApplication::instance()->installEventFilter(this);
}

BeforeFirstInput::~BeforeFirstInput()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool BeforeFirstInput::isInput(const QEvent& event)
{
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::DragEnter:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
    }
}

bool BeforeFirstInput::eventFilter(QObject*, QEvent* event)
{
    if (first_ && isInput(*event)) {
        // Once: the function may well destroy this watcher.
        const auto first = std::move(first_);
        first_ = nullptr;
        QCoreApplication::instance()->removeEventFilter(this);
        first();
    }
    return false;
}

}  // namespace tarvel
