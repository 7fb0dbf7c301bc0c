#include "DeferredIconEngine.h"

#include <QPainter>

namespace tarvel::ui {

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> make) : state_(std::make_shared<State>())
{
    state_->make = std::move(make);
}

const QIcon& DeferredIconEngine::icon()
{
    if (!state_->made) {
        state_->made = true;
        state_->icon = state_->make();
        state_->make = nullptr;
    }
    return state_->icon;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

bool DeferredIconEngine::isNull()
{
    return icon().isNull();
}

QIconEngine* DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(*this);
}

}  // namespace tarvel::ui
