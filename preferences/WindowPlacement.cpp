#include "preferences/WindowPlacement.h"

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

long long distanceSquared(const QRect &a, const QRect &b)
{
    const long long dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const long long dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

long long overlapArea(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

} // namespace

bool isWhollyOnAScreen(const QRect &frame, const QList<QRect> &screens)
{
    return std::any_of(screens.begin(), screens.end(), [&frame](const QRect &screen) { return screen.contains(frame); });
}

QRect nearestScreen(const QRect &frame, const QList<QRect> &screens)
{
    QRect best;
    long long bestOverlap = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect &screen : screens) {
        const long long overlap = overlapArea(frame, screen);
        const long long distance = distanceSquared(frame, screen);
        if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
            best = screen;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

QRect placement(const QRect &frame, const QList<QRect> &screens)
{
    return isWhollyOnAScreen(frame, screens) ? frame : onNearestScreen(frame, screens);
}

QRect onNearestScreen(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    const QRect screen = nearestScreen(frame, screens);
    const QSize size = frame.size().boundedTo(screen.size());
    const int left = std::clamp(frame.left(), screen.left(), screen.left() + screen.width() - size.width());
    const int top = std::clamp(frame.top(), screen.top(), screen.top() + screen.height() - size.height());
    return QRect(QPoint(left, top), size);
}

QSize scrolledWindowSize(const QSize &content, const QSize &available, int scrollBarExtent)
{
    const bool cutWidth = content.width() > available.width();
    const bool cutHeight = content.height() > available.height();
    QSize size = content;
    if (cutHeight)
        size.rwidth() += scrollBarExtent;
    if (cutWidth)
        size.rheight() += scrollBarExtent;
    return size.boundedTo(available);
}

} // namespace WindowPlacement
