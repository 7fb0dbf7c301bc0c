#include "BarGauge.h"

#include <QPainter>

#include <algorithm>

namespace tarvel {

BarGauge::BarGauge(QWidget* parent) : QWidget(parent) {}

void BarGauge::setRange(int minimum, int maximum)
{
    if (minimum == minimum_ && maximum == maximum_)
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void BarGauge::setProgress(int progress)
{
    if (progress == progress_)
        return;
    progress_ = progress;
    update();
}

void BarGauge::setForeColor(const QColor& color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    update();
}

void BarGauge::setShowText(bool show)
{
    if (show == showText_)
        return;
    showText_ = show;
    update();
}

int BarGauge::percentDone() const
{
    if (maximum_ <= minimum_)
        return 0;
    const long long done = std::clamp<long long>(progress_ - minimum_, 0, maximum_ - minimum_);
    return static_cast<int>(done * 100 / (maximum_ - minimum_));
}

void BarGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), Qt::white);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    if (maximum_ > minimum_) {
        const long long done = std::clamp<long long>(progress_ - minimum_, 0, maximum_ - minimum_);
        const int width = static_cast<int>(done * inner.width() / (maximum_ - minimum_));
        painter.fillRect(QRect(inner.left(), inner.top(), width, inner.height()), foreColor_);
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
    if (showText_) {
        painter.setPen(Qt::black);
        painter.drawText(inner, Qt::AlignCenter, QString::number(percentDone()) + QLatin1Char('%'));
    }
}

}  // namespace tarvel
