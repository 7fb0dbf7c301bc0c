// The program's style: Fusion, except that the tool-bar extension arrows a
// widget asks for while it is built are read when first drawn. Reading one
// makes Qt load every installed image plugin to ask each whether it reads the
// picture; the menu bar asks for its arrow when it is created, and a window
// as wide as this one never shows it.
#pragma once

#include <QProxyStyle>

namespace tarvel {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace tarvel
