#include "ArrowPair.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace tarvel {

ArrowPair::ArrowPair(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    connect(&repeatTimer_, &QTimer::timeout, this, &ArrowPair::repeat);
}

void ArrowPair::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool down = (i == 0 && held_ > 0) || (i == 1 && held_ < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        const int side = qMax(3, qMin(halves[i].width(), halves[i].height()) - 3);
        arrow.rect = QRect(0, 0, side, side);
        arrow.rect.moveCenter(halves[i].center() + (down ? QPoint(1, 1) : QPoint()));
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter,
                               this);
    }
}

void ArrowPair::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    held_ = event->position().y() < height() / 2 ? +1 : -1;
    update();
    repeatTimer_.start(kFirstRepeatMs);
    emit stepped(held_);
}

void ArrowPair::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stop();
}

void ArrowPair::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stop();
    QWidget::changeEvent(event);
}

void ArrowPair::hideEvent(QHideEvent* event)
{
    stop();
    QWidget::hideEvent(event);
}

void ArrowPair::repeat()
{
    if (held_ == 0) {
        repeatTimer_.stop();
        return;
    }
    repeatTimer_.setInterval(kRepeatMs);
    emit stepped(held_);
}

void ArrowPair::stop()
{
    repeatTimer_.stop();
    if (held_ != 0) {
        held_ = 0;
        update();
    }
}

}  // namespace tarvel
