#include "frames/Frame_tamb/CurveDiagram.h"

#include <algorithm>

namespace CurveDiagram {

namespace {

constexpr int MaxPosition = 127;

QRect fromCorners(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

} // namespace

int markerHalfSize(float stepWidth)
{
    return std::min(3, static_cast<int>(static_cast<double>(stepWidth) / 3));
}

QPoint pointPosition(int i, int position, float stepWidth, int diagramHeight, float valueScale)
{
    return QPoint(static_cast<int>(i * static_cast<double>(stepWidth)),
                  static_cast<int>(diagramHeight - position * static_cast<double>(valueScale)));
}

QRect markerRect(QPoint point, int halfSize)
{
    return fromCorners(point.x() - halfSize, point.y() - halfSize, point.x() + halfSize, point.y() + halfSize);
}

QList<int> horizontalGridLines(int n, int diagramHeight, float valueScale)
{
    QList<int> lines;
    for (int k = 1; k <= n; ++k)
        lines << static_cast<int>(diagramHeight - k * static_cast<double>(valueScale) * 128 / (n + 1));
    return lines;
}

QList<int> verticalGridLines(int g, float stepWidth, int count)
{
    QList<int> lines;
    if (g <= 0)
        return lines;
    for (int k = 1; k <= g + 1; ++k)
        lines << static_cast<int>(k * static_cast<double>(stepWidth) * count / (g + 1));
    return lines;
}

QRect relayBox(int i, bool relayOn, float stepWidth, int stripHeight, float relayScale)
{
    const int x1 = static_cast<int>(i * static_cast<double>(stepWidth));
    const int x2 = static_cast<int>((i + 1) * static_cast<double>(stepWidth));
    const int top = static_cast<int>(stripHeight - (relayOn ? 100 : 0) * static_cast<double>(relayScale));
    return fromCorners(x1, top, x2, stripHeight);
}

int pointAt(int x, float stepWidth, int count)
{
    if (!(stepWidth > 0.0F))
        return 0;
    const float nearest = static_cast<float>(x / static_cast<double>(stepWidth) + 0.5);
    return std::clamp(static_cast<int>(nearest), 0, count - 1);
}

int positionAt(int y, int diagramHeight, float valueScale)
{
    if (!(valueScale > 0.0F))
        return 0;
    return std::clamp(static_cast<int>((diagramHeight - y) / static_cast<double>(valueScale)), 0, MaxPosition);
}

int relayPointAt(int x, float stepWidth, int count)
{
    if (!(stepWidth > 0.0F))
        return 0;
    return std::clamp(static_cast<int>(x / static_cast<double>(stepWidth)), 0, count - 1);
}

bool relayOnAt(int y, int stripHeight, float relayScale)
{
    return (stripHeight - y) / static_cast<double>(relayScale) > 50.0;
}

QList<QPoint> strokePoints(QPoint from, QPoint to, float stepWidth, int count, int diagramHeight, float valueScale)
{
    QList<QPoint> points = DrawingScale::strokeSteps(
        from, to, [&](int x) { return pointAt(x, stepWidth, count); },
        [&](int i) { return static_cast<int>(i * static_cast<double>(stepWidth)); });
    for (QPoint &point : points)
        point.setY(positionAt(point.y(), diagramHeight, valueScale));
    return points;
}

QList<QPoint> strokeRelays(QPoint from, QPoint to, float stepWidth, int count, int stripHeight, float relayScale)
{
    // A relay box's middle stands for it.
    QList<QPoint> points = DrawingScale::strokeSteps(
        from, to, [&](int x) { return relayPointAt(x, stepWidth, count); },
        [&](int i) { return static_cast<int>((i + 0.5) * static_cast<double>(stepWidth)); });
    for (QPoint &point : points)
        point.setY(relayOnAt(point.y(), stripHeight, relayScale) ? 1 : 0);
    return points;
}

} // namespace CurveDiagram
