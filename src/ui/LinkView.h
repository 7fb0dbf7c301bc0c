// Draws what the device link shows: the status label and progress gauge, the
// connection label, the live labels and gauges. Each part carries a revision
// counter; a part whose revision has not moved since the last call is not
// touched, so a tick repaints only what changed.
#pragma once

#include <QColor>

#include <array>
#include <cstdint>

#include "link/DeviceLink.h"

class QLabel;
class QWidget;

namespace tarvel {

class BarGauge;

class LinkView {
public:
    LinkView() = default;
    // Finds the controls below `window` by their names.
    explicit LinkView(QWidget* window);

    void apply(const link::DeviceLink& link);
    // The next apply() redraws everything.
    void invalidate();

    static QColor colourOf(link::LinkColour colour, const QWidget* widget);

private:
    static constexpr std::uint32_t kNever = UINT32_MAX;

    QLabel* status_ = nullptr;
    BarGauge* progress_ = nullptr;
    QLabel* connection_ = nullptr;
    std::array<QLabel*, link::kLiveLabelCount> labels_{};
    std::array<BarGauge*, link::kLiveGaugeCount> gauges_{};

    std::uint32_t statusRevision_ = kNever;
    std::uint32_t connectionRevision_ = kNever;
    std::uint32_t displayRevision_ = kNever;
    std::array<std::uint32_t, link::kLiveLabelCount> labelRevisions_{};
    std::array<std::uint32_t, link::kLiveGaugeCount> gaugeRevisions_{};
};

}  // namespace tarvel
