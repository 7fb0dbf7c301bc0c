// The program's font. The design uses 8-point MS Sans Serif (11 pixels high)
// with bold and larger sizes for the live values. The look-alike that wine
// ships has only three bitmap sizes and no bold, so Liberation Sans, whose
// widths match at 11 pixels, stands in; without it the desktop's sans-serif.
#pragma once

#include <QFont>
#include <QString>

namespace tarvel {

class AppFont {
public:
    static constexpr int kPixelSize = 11;
    // The family the design font stands in with.
    static QString family();
    // The font, the family's or, when it is not installed, the desktop's sans-serif.
    static QFont designFont(bool familyInstalled);
};

}  // namespace tarvel
