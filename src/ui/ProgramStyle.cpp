#include "ProgramStyle.h"

#include <QPointer>
#include <QStyleFactory>

#include "resources/DeferredIconEngine.h"

namespace tarvel {

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (option ||
        (standardIcon != SP_ToolBarHorizontalExtensionButton && standardIcon != SP_ToolBarVerticalExtensionButton))
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // Asked without an option, the arrows depend on nothing but the layout
    // direction, which the program does not change; the widget may be gone
    // by the time the arrow is first drawn, so it is not passed on.
    return QIcon(
        new ui::DeferredIconEngine([style = QPointer<ProgramStyle>(const_cast<ProgramStyle*>(this)), standardIcon] {
            return style ? style->QProxyStyle::standardIcon(standardIcon, nullptr, nullptr) : QIcon();
        }));
}

}  // namespace tarvel
