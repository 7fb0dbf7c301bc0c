// Where the window opens on screens of every size: the design size where it
// fits, otherwise the available area, and never with its title bar off it.
#include <gtest/gtest.h>

#include "WindowPlacement.h"

namespace tarvel::test {

namespace {

const QMargins kFrame(4, 28, 4, 4);
const QSize kDesign(934, 794);  // client area, menu bar and status bar

// The window as the start-up centres it on a whole screen (before the fit).
QRect centred(const QSize& screen)
{
    const QSize outer = kDesign.grownBy(kFrame);
    return QRect(QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2), kDesign);
}

struct Case {
    const char* what;
    QRect wanted;
    QList<QRect> screens;
    QRect placed;
};

}  // namespace

TEST(WindowPlacement, FitsTheScreenAndKeepsTheTitleBarOnIt)
{
    const QRect big(0, 0, 1280, 1024);
    const QRect laptop(0, 0, 1366, 768);
    const QRect laptopWithPanel(0, 0, 1366, 740);
    const QRect small(0, 0, 1024, 768);
    const QRect doubled(0, 0, 960, 540);  // 1920 x 1080 at a scale of 2
    const QRect right(1280, 0, 1920, 1080);
    const Case cases[] = {
        {"design size fits: as it is", centred(big.size()), {big}, centred(big.size())},
        {"a saved place that fits stays", QRect(10, 40, 934, 794), {big}, QRect(10, 40, 934, 794)},
        {"1366 x 768: full height, top at 0", centred(laptop.size()), {laptop}, QRect(212, 0, 934, 736)},
        {"a panel at the bottom shortens it", centred(laptop.size()), {laptopWithPanel}, QRect(212, 0, 934, 708)},
        {"1024 x 768", centred(small.size()), {small}, QRect(41, 0, 934, 736)},
        {"scale 2 on 1920 x 1080", centred(QSize(960, 540)), {doubled}, QRect(9, 0, 934, 508)},
        {"title bar above the screen comes down", QRect(100, -60, 934, 794), {big}, QRect(100, 0, 934, 794)},
        {"too large a saved size shrinks", QRect(0, 0, 2000, 1500), {big}, QRect(0, 0, 1272, 992)},
        {"off every screen: centred on the primary",
         QRect(5000, 4000, 934, 794),
         {big, right},
         QRect(169, 99, 934, 794)},
        {"on the second screen: stays there", QRect(1400, 100, 934, 794), {big, right}, QRect(1400, 100, 934, 794)},
        {"sticking out of the right edge: moved in", QRect(1000, 100, 934, 794), {big}, QRect(338, 100, 934, 794)},
        {"screen origin not at 0", QRect(0, 0, 934, 794), {QRect(0, 30, 1366, 738)}, QRect(0, 30, 934, 706)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceWindow(c.wanted, c.screens, kFrame), c.placed) << c.what;
        const QRect outer = c.placed.marginsAdded(kFrame).translated(kFrame.left(), kFrame.top());
        bool inside = false;
        for (const QRect& screen : c.screens)
            inside = inside || screen.contains(outer);
        EXPECT_TRUE(inside) << c.what;
    }
}

TEST(WindowPlacement, AScrollingDirectionGivesItsScrollBarRoomInTheOther)
{
    const QRect laptop(0, 0, 1366, 768);
    // Too high but wide enough: the vertical scroll bar widens the window.
    EXPECT_EQ(PlaceWindow(centred(laptop.size()), {laptop}, kFrame, 16), QRect(212, 0, 950, 736));
    // Scale 2 on 1920 x 1080: just room for it.
    EXPECT_EQ(PlaceWindow(centred(QSize(960, 540)), {QRect(0, 0, 960, 540)}, kFrame, 16), QRect(2, 0, 950, 508));
    // 800 x 600: both directions scroll, neither has room to give.
    EXPECT_EQ(PlaceWindow(centred(QSize(800, 600)), {QRect(0, 0, 800, 600)}, kFrame, 16), QRect(0, 0, 792, 568));
    // Fits: as it is.
    EXPECT_EQ(PlaceWindow(QRect(10, 40, 934, 794), {QRect(0, 0, 1280, 1024)}, kFrame, 16), QRect(10, 40, 934, 794));
}

TEST(WindowPlacement, NoScreenLeavesTheWindowAsItIs)
{
    EXPECT_EQ(PlaceWindow(QRect(-5, -5, 934, 794), {}, kFrame), QRect(-5, -5, 934, 794));
}

}  // namespace tarvel::test
