// Where the main window opens: never larger than the available area of a
// screen and never with its title bar off it. The window's contents keep
// their design size and scroll inside a window that does not fit them.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

namespace tarvel {

// `wanted`: the window as move() and resize() take it (the frame's top-left
// corner, the size inside the frame), from the settings or the centring.
// `screens`: the available area of every screen, the primary one first.
// `frame`: the width of the window manager's frame on each side.
// `scrollBar`: the extent of a scroll bar, given to the other direction when
// one direction has to scroll.
// A window that lies on no screen is centred on the primary one; one that
// sticks out of its screen is moved in and, when larger, made smaller.
QRect PlaceWindow(const QRect& wanted, const QList<QRect>& screens, const QMargins& frame, int scrollBar = 0);

}  // namespace tarvel
