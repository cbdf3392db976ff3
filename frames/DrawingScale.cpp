#include "frames/DrawingScale.h"

#include <algorithm>
#include <cmath>

namespace DrawingScale {

float valueScale(int height)
{
    return static_cast<float>(height) * 0.0078125f;
}

float stepWidth(int width, int steps)
{
    return static_cast<float>(width - 10) / static_cast<float>(std::max(steps, 1));
}

namespace {

// The height of the straight line from `from` to `to` at column x, x limited
// to the columns between them.
int heightAt(QPoint from, QPoint to, int x)
{
    if (to.x() == from.x())
        return to.y();
    // In double, so that no difference of two far-off positions overflows.
    const double column = std::clamp(x, std::min(from.x(), to.x()), std::max(from.x(), to.x()));
    const double share = (column - from.x()) / (static_cast<double>(to.x()) - from.x());
    return static_cast<int>(std::lround(from.y() + share * (static_cast<double>(to.y()) - from.y())));
}

} // namespace

QList<QPoint> strokeSteps(QPoint from, QPoint to, const std::function<int(int)> &stepAt,
                          const std::function<int(int)> &stepX)
{
    const int first = stepAt(from.x());
    const int last = stepAt(to.x());
    const int direction = last >= first ? 1 : -1;
    QList<QPoint> steps;
    for (int step = first; step != last; step += direction)
        steps.append(QPoint(step, heightAt(from, to, stepX(step))));
    steps.append(QPoint(last, to.y()));
    return steps;
}

} // namespace DrawingScale
