#include "charts/CurvePalette.h"

#include <array>

namespace tarvel::ui {

namespace {

// Twelve colours at least 25 apart in CIE Lab, dark enough to read on white,
// with no light green that could pass for the operating point.
constexpr std::array<QRgb, 12> kCurves{
    0x1f77b4,  // blue
    0xff7f0e,  // orange
    0xd62728,  // red
    0x006400,  // dark green
    0x9467bd,  // purple
    0x8c564b,  // brown
    0xe377c2,  // pink
    0x17becf,  // cyan
    0xbcbd22,  // olive
    0x000080,  // navy
    0x000000,  // black
    0x7f7f7f,  // grey
};

}  // namespace

QColor operatingPointColour()
{
    return QColor(0, 255, 0);
}

std::size_t curvePaletteSize()
{
    return kCurves.size();
}

QColor curveColour(std::size_t index)
{
    return QColor(kCurves[index % kCurves.size()]);
}

}  // namespace tarvel::ui
