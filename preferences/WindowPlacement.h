#pragma once
#include <QList>
#include <QRect>
#include <QSize>

// Rules that keep the main window reachable on the screens at hand. All
// rectangles are in the desktop's logical pixels; `screens` are the screens'
// available areas (without panels and docks).
namespace WindowPlacement {

// True when `frame` lies wholly on one of the screens.
bool isWhollyOnAScreen(const QRect &frame, const QList<QRect> &screens);

// The screen nearest to `frame` (the one it overlaps most, else the one with
// the shortest distance); an empty rectangle when there is none.
QRect nearestScreen(const QRect &frame, const QList<QRect> &screens);

// `frame` moved (and made smaller where it is larger than that screen)
// wholly onto the nearest screen; unchanged when there is no screen.
QRect onNearestScreen(const QRect &frame, const QList<QRect> &screens);

// Where the window goes: where it is when that is wholly on a screen, else
// onto the nearest screen. A window that fits stays where it was put, so a
// position saved and restored is kept from one start to the next.
QRect placement(const QRect &frame, const QList<QRect> &screens);

// The size of a window that shows `content` in a scroll area on a screen
// area of `available` (both without the window's frame): the content's size
// where it fits, else the available size, with room for the scroll bar of
// `scrollBarExtent` that the cut other side needs.
QSize scrolledWindowSize(const QSize &content, const QSize &available, int scrollBarExtent);

} // namespace WindowPlacement
