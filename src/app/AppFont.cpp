#include "AppFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarvel {

QFont AppFont::designFont()
{
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont font(QFontDatabase::families().contains(liberation) ? liberation : QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPixelSize);
    return font;
}

}  // namespace tarvel
