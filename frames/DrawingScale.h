#pragma once
#include <QList>
#include <QPoint>

#include <functional>

// The scales of the editors' drawing surfaces, shared by the pattern strips
// and the curve diagram: a value runs over 128 units of a surface's height,
// and the steps (or points) share its width less 10 pixels. Both are 32-bit
// floats, as every product with them is formed from the float values.
namespace DrawingScale {

// Pixels per value unit: height / 128.
float valueScale(int height);
// Pixels per step: (width - 10) / steps; no steps count as one.
float stepWidth(int width, int steps);

// A straight stroke of the mouse from pixel `from` to pixel `to` over a
// surface whose columns fall into steps: stepAt gives the step under column x
// (never falling as x grows), stepX the column where step s stands. The result
// names every step the stroke passes over, once each and in the order of
// travel, as QPoint(step, y), y being the height of the straight line at the
// step's column, or at the nearer end where that column lies beyond the
// stroke. The step under `to` takes the height of `to` itself.
QList<QPoint> strokeSteps(QPoint from, QPoint to, const std::function<int(int)> &stepAt,
                          const std::function<int(int)> &stepX);

} // namespace DrawingScale
