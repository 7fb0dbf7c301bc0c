// Glyphs of the six tool buttons. A glyph shipped as a resource
// (":/toolbar/NAME.png") wins; otherwise a plain drawn stand-in is used. The
// greyed state comes from the icon's disabled mode.
#pragma once

#include <QIcon>
#include <QString>

namespace tarvel {

class ToolGlyphs {
public:
    // NAME is one of "new", "open", "save", "print", "undo", "redo".
    static QIcon icon(const QString& name);

private:
    static QPixmap drawn(const QString& name);
};

}  // namespace tarvel
