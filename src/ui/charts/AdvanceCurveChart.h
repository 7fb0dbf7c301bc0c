// The advance curve: advance in degrees against the speed of the map's ten
// columns, for the 100 % row alone or for every throttle row, with the
// operating point (the lit cell of the map) marked in the highlight colour.
#pragma once

#include <QChartView>

#include <optional>

#include "link/OperatingPoint.h"
#include "model/ParamImage.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace tarvel::ui {

class AdvanceCurveChart : public QChartView {
    Q_OBJECT
public:
    explicit AdvanceCurveChart(QWidget* parent = nullptr);

    // Draws the curve of `image`: the 100 % row, or all ten rows.
    void setCurve(const ParamImage& image, bool allRows);
    // Marks the lit cell; none while the engine runs below the map.
    void setOperatingPoint(const std::optional<link::OperatingPoint>& op);

    bool allRows() const { return allRows_; }
    // The curves drawn (the marker not counted).
    QList<QLineSeries*> curves() const { return curves_; }
    QScatterSeries* marker() const { return marker_; }
    QValueAxis* speedAxis() const { return speedAxis_; }
    QValueAxis* advanceAxis() const { return advanceAxis_; }

private:
    void placeMarker();

    QValueAxis* speedAxis_ = nullptr;
    QValueAxis* advanceAxis_ = nullptr;
    QList<QLineSeries*> curves_;
    QScatterSeries* marker_ = nullptr;
    ParamImage image_{};
    bool allRows_ = false;
    std::optional<link::OperatingPoint> op_;
};

}  // namespace tarvel::ui
