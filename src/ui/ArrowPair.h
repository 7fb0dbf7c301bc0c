// Two stacked arrow buttons drawn in one small widget. A press on either arrow
// steps once at once; held down it steps again after 400 ms and then every
// 100 ms until the button is released.
#pragma once

#include <QTimer>
#include <QWidget>

namespace tarvel {

class ArrowPair : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    explicit ArrowPair(QWidget* parent = nullptr);

    // Which arrow is held: +1 upper, -1 lower, 0 none.
    int heldArrow() const { return held_; }

signals:
    // +1 for the upper arrow, -1 for the lower one.
    void stepped(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void repeat();
    void stop();

    QTimer repeatTimer_;
    int held_ = 0;
};

}  // namespace tarvel
