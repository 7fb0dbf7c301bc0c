#include "AppFont.h"

namespace tarvel {

QString AppFont::family()
{
    return QStringLiteral("Liberation Sans");
}

QFont AppFont::designFont(bool familyInstalled)
{
    QFont font(familyInstalled ? family() : QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPixelSize);
    return font;
}

}  // namespace tarvel
