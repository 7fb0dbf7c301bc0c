// The program's font. The design uses 8-point MS Sans Serif (11 pixels high)
// with bold and larger sizes for the live values. The look-alike that wine
// ships has only three bitmap sizes and no bold, so Liberation Sans, whose
// widths match at 11 pixels, stands in; without it the desktop's sans-serif.
#pragma once

#include <QFont>

namespace tarvel {

class AppFont {
public:
    static constexpr int kPixelSize = 11;
    static QFont designFont();
};

}  // namespace tarvel
