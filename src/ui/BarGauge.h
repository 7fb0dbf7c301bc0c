// A horizontal bar filled in proportion (progress - minimum) / (maximum -
// minimum) on a white background with a single border; with its text option on
// it prints the whole percentage followed by "%" in the middle.
#pragma once

#include <QColor>
#include <QWidget>

namespace tarvel {

class BarGauge : public QWidget {
    Q_OBJECT
public:
    explicit BarGauge(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setMaximum(int maximum) { setRange(minimum_, maximum); }
    void setProgress(int progress);
    void setForeColor(const QColor& color);
    void setShowText(bool show);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int progress() const { return progress_; }
    QColor foreColor() const { return foreColor_; }
    // Whole percentage done, 0..100.
    int percentDone() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int progress_ = 0;
    QColor foreColor_ = Qt::black;
    bool showText_ = false;
};

}  // namespace tarvel
