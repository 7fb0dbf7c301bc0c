// A chart view over time: the mouse wheel zooms the time axis around the
// pointer, a drag with the left button draws a band and zooms to it, a click
// puts the cursor line there, a double click shows the whole span again.
#pragma once

#include <QChartView>

class QGraphicsLineItem;
class QRubberBand;
class QValueAxis;

namespace tarvel::ui {

class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QChart* chart, QWidget* parent = nullptr);

    // The time axis the view zooms; the cursor is drawn against it.
    void setTimeAxis(QValueAxis* axis) { timeAxis_ = axis; }
    // The whole span a double click returns to.
    void setFullSpan(double from, double to);
    // Zooms the time axis by `factor` (< 1 in) keeping `at` where it is.
    void zoomTime(double factor, double at);
    void showSpan(double from, double to);

    // The cursor line at `seconds`, or none (NaN).
    void setCursorTime(double seconds);
    double cursorTime() const { return cursor_; }
    bool cursorShown() const;

signals:
    // A click put the cursor here.
    void cursorPlaced(double seconds);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double timeAt(QPointF viewPos) const;
    void drawCursor();

    QValueAxis* timeAxis_ = nullptr;
    QRubberBand* band_ = nullptr;
    QGraphicsLineItem* cursorLine_ = nullptr;
    QPoint pressAt_;
    bool pressed_ = false;
    double fullFrom_ = 0, fullTo_ = 1;
    double cursor_;
};

}  // namespace tarvel::ui
