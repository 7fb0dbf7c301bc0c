// The program's style draws as Fusion does; only the tool-bar extension
// arrows are read when first drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QStyleFactory>
#include <QToolButton>

#include <memory>

#include "ProgramStyle.h"
#include "resources/DeferredIconEngine.h"

using tarvel::ProgramStyle;
using tarvel::ui::DeferredIconEngine;

namespace {

QImage picture(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(ProgramStyle, StandardIconsLookAsFusionsDeferredOrNot)
{
    ProgramStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOkButton}) {
        const QIcon ours = style.standardIcon(icon, nullptr, nullptr);
        const QIcon theirs = fusion->standardIcon(icon);
        EXPECT_EQ(ours.isNull(), theirs.isNull()) << icon;
        for (const int size : {8, 16, 32}) {
            EXPECT_EQ(ours.actualSize(QSize(size, size)), theirs.actualSize(QSize(size, size))) << icon;
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                EXPECT_EQ(picture(ours, size, mode), picture(theirs, size, mode)) << icon << " " << size;
        }
    }
}

TEST(ProgramStyle, AMenuBarsExtensionArrowIsReadWhenFirstDrawn)
{
    int made = 0;
    QIcon icon(new DeferredIconEngine([&made] {
        ++made;
        return QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    }));
    const QIcon copy = icon;  // copies share the one icon made
    EXPECT_EQ(made, 0);
    EXPECT_FALSE(copy.pixmap(16, 16).isNull());
    EXPECT_FALSE(icon.pixmap(16, 16).isNull());
    EXPECT_EQ(made, 1);

    // The arrow of a menu bar built under the style, as the user sees it.
    ProgramStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setStyle(&style);
    QMenuBar bar(&window);
    const auto* arrow = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_TRUE(arrow);
    EXPECT_EQ(picture(arrow->icon(), 16),
              picture(fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), 16));
}
