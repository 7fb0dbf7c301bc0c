// Places the tab strip and the pages of the page control as the design has
// them: tabs along the top, every page 8 pixels narrower and 28 pixels lower
// than the control, inset 4 pixels at the sides and 24 at the top, so that the
// controls of each page sit at their design positions.
#pragma once

#include <QProxyStyle>

namespace tarvel {

class PageControlStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kTabStripHeight = 21;
    static constexpr int kPageLeft = 4;
    static constexpr int kPageTop = 24;

    PageControlStyle() = default;

    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace tarvel
