// Applies the displayed state to the window's widgets: the one routine that
// writes what the presentation layer decided into labels and gauges. It
// touches only the entries whose revision moved since it last applied them.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

#include "WindowControls.h"
#include "present/DisplayState.h"

class QLabel;
class QWidget;

namespace tarvel {

class BarGauge;

class DisplayApplier {
public:
    DisplayApplier() = default;
    // Draws into the live labels and gauges the builder resolved.
    explicit DisplayApplier(const WindowControls& controls);

    // Takes over the labels and gauges of tab pages filled since (an entry
    // without its widget waits for it).
    void attach(const WindowControls& controls);

    void apply(const present::DisplayState& state);
    // The next apply() writes every entry again.
    void invalidate();

    static QColor colourOf(present::Colour colour, const QWidget* widget);

private:
    // Keeps the label's or gauge's look as designed, for the entries set back to it.
    void takeDesign(std::size_t label);

    static constexpr std::uint32_t kNever = UINT32_MAX;

    std::array<QLabel*, present::kFirstGauge> labels_{};
    std::array<BarGauge*, present::kControlCount - present::kFirstGauge> gauges_{};
    std::array<QColor, present::kFirstGauge> labelText_{};  // as designed, for the ungreyed look
    // As designed, for an entry set back to its design.
    std::array<QString, present::kFirstGauge> designedText_{};
    std::array<QColor, present::kFirstGauge> designedBackground_{};
    std::array<bool, present::kFirstGauge> designedFill_{};
    // Whether the text and background now drawn came from the state.
    std::array<bool, present::kFirstGauge> textWritten_{};
    std::array<bool, present::kFirstGauge> painted_{};
    std::array<QColor, present::kControlCount - present::kFirstGauge> gaugeFore_{};
    std::array<std::uint32_t, present::kControlCount> applied_{};
    std::uint32_t revision_ = kNever;
};

}  // namespace tarvel
