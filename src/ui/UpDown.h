// The arrow pair bound to one edit box (its buddy). It keeps a position within
// [minimum, maximum]; an arrow click or the Up/Down key in the buddy first takes
// the buddy's text as the position when that text is a whole number in range,
// then moves by the step (clamped, no wrap-around), writes the position back and
// reports clicked(). Values of 1000 and more carry the locale's thousands
// separator when the thousands option is on.
#pragma once

#include <QLineEdit>
#include <QPointer>

#include <algorithm>
#include <optional>

#include "ArrowPair.h"

namespace tarvel {

class UpDown : public ArrowPair {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, int step, bool thousands, QWidget* parent);

    QLineEdit* buddy() const { return buddy_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }
    bool thousands() const { return thousands_; }

    // The position, after taking a valid buddy text as the new position.
    int value();
    // The position as it stands, without looking at the buddy.
    int position() const { return position_; }
    // Stores the value clamped to the range and shows it in the buddy. Reports nothing.
    void setValue(int value);
    // Stores the value clamped to the range, leaving the buddy as it is: for a
    // window that shows its image in every buddy before it is first shown.
    void setPosition(int value) { position_ = clamp(value); }
    // One arrow step in `direction` (+1 or -1), then clicked().
    void stepBy(int direction);

    QString format(int value) const;
    // The number in `text`, or nothing when it is not a whole decimal number.
    std::optional<int> parse(const QString& text) const;

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int clamp(int value) const { return std::clamp(value, minimum_, maximum_); }
    void writeBuddy();

    QPointer<QLineEdit> buddy_;
    QObject* buddyObject_;  // for telling the buddy's events apart, also while it is destroyed
    int minimum_;
    int maximum_;
    int step_;
    bool thousands_;
    int position_;
};

}  // namespace tarvel
