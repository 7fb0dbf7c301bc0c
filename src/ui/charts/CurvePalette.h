// The colours of the chart curves: a fixed set that stays distinguishable
// for the ten rows of the throttle map (and for as many channels), none of
// them near the lime that marks the operating point.
#pragma once

#include <QColor>

#include <cstddef>

namespace tarvel::ui {

// The lime of the lit map cell, which marks the operating point on a curve.
QColor operatingPointColour();

// The colours in the order curves take them.
std::size_t curvePaletteSize();
// The colour of the `index`-th curve; past the palette the colours repeat.
QColor curveColour(std::size_t index);

}  // namespace tarvel::ui
