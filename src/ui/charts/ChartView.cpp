#include "charts/ChartView.h"

#include <QGraphicsLineItem>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>
#include <QWheelEvent>

#include <cmath>
#include <limits>

namespace tarvel::ui {

ChartView::ChartView(QChart* chart, QWidget* parent)
    : QChartView(chart, parent), cursor_(std::numeric_limits<double>::quiet_NaN())
{
    setRenderHint(QPainter::Antialiasing, false);
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    band_->hide();
    cursorLine_ = new QGraphicsLineItem();
    // Black and dashed: no curve colour is black, and a dashed line stands out
    // across a solid curve that it crosses.
    cursorLine_->setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    cursorLine_->setZValue(1000);
    cursorLine_->hide();
    chart->scene()->addItem(cursorLine_);
    connect(chart, &QChart::plotAreaChanged, this, [this] { drawCursor(); });
}

void ChartView::setFullSpan(double from, double to)
{
    fullFrom_ = from;
    fullTo_ = to > from ? to : from + 1;
}

void ChartView::showSpan(double from, double to)
{
    if (!timeAxis_ || !(to > from))
        return;
    timeAxis_->setRange(from, to);
    drawCursor();
}

void ChartView::zoomTime(double factor, double at)
{
    if (!timeAxis_)
        return;
    const double from = timeAxis_->min(), to = timeAxis_->max();
    double a = at - (at - from) * factor, b = at + (to - at) * factor;
    // Never wider than the whole span, never narrower than a millisecond.
    const double full = fullTo_ - fullFrom_;
    if (b - a > full) {
        a = fullFrom_;
        b = fullTo_;
    }
    if (b - a < 0.001)
        return;
    showSpan(a, b);
}

double ChartView::timeAt(QPointF viewPos) const
{
    const QPointF scenePos = mapToScene(viewPos.toPoint());
    const QPointF chartPos = chart()->mapFromScene(scenePos);
    return chart()->mapToValue(chartPos).x();
}

void ChartView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomTime(std::pow(0.8, steps), timeAt(event->position()));
    event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QChartView::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    pressAt_ = event->position().toPoint();
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressed_) {
        QChartView::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if ((at - pressAt_).manhattanLength() >= 4) {
        const QRectF plot = chart()->plotArea();
        band_->setGeometry(QRect(QPoint(std::min(at.x(), pressAt_.x()), static_cast<int>(plot.top())),
                                 QPoint(std::max(at.x(), pressAt_.x()), static_cast<int>(plot.bottom()))));
        band_->show();
    }
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!pressed_ || event->button() != Qt::LeftButton) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    const QPoint at = event->position().toPoint();
    if (band_->isVisible()) {
        band_->hide();
        const double a = timeAt(pressAt_), b = timeAt(at);
        showSpan(std::min(a, b), std::max(a, b));
    } else if (chart()->plotArea().contains(at)) {
        setCursorTime(timeAt(at));
        emit cursorPlaced(cursor_);
    }
    event->accept();
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    showSpan(fullFrom_, fullTo_);
    event->accept();
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    drawCursor();
}

void ChartView::setCursorTime(double seconds)
{
    cursor_ = seconds;
    drawCursor();
}

bool ChartView::cursorShown() const
{
    return cursorLine_->isVisible();
}

void ChartView::drawCursor()
{
    if (!timeAxis_ || std::isnan(cursor_) || cursor_ < timeAxis_->min() || cursor_ > timeAxis_->max()) {
        cursorLine_->hide();
        return;
    }
    const QRectF plot = chart()->plotArea();
    const double x = plot.left() + (cursor_ - timeAxis_->min()) / (timeAxis_->max() - timeAxis_->min()) * plot.width();
    cursorLine_->setLine(QLineF(chart()->mapToScene(QPointF(x, plot.top())), chart()->mapToScene(QPointF(x, plot.bottom()))));
    cursorLine_->show();
}

}  // namespace tarvel::ui
