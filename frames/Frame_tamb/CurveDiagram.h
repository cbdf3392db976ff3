#pragma once
#include "frames/DrawingScale.h"

#include <QList>
#include <QPoint>
#include <QRect>

// Pixel arithmetic of the curve diagram and the relay strip below it. Point i
// of a curve with c points sits at x = i * stepWidth, stepWidth being the
// diagram's width less 10 pixels divided by c; positions 0..127 run from the
// bottom of the diagram to its top. All float-to-int conversions truncate
// toward zero.
//
// Rectangles are the pixels they cover: a box with the corners (x1, y1) and
// (x2, y2) covers x1..x2-1 and y1..y2-1, so a box whose corners meet covers
// nothing.
namespace CurveDiagram {

// Height of a surface per position step: height / 128; the distance between
// two points: (width - 10) / count. The same scales as the pattern strips.
using DrawingScale::stepWidth;
using DrawingScale::valueScale;
// Half the side of a point marker: a third of the step, at most 3.
int markerHalfSize(float stepWidth);

// Where point i with the given position (0..127, relay bit cleared) is drawn.
QPoint pointPosition(int i, int position, float stepWidth, int diagramHeight, float valueScale);
// The red square around a point.
QRect markerRect(QPoint point, int halfSize);

// The y of the n horizontal grid lines that divide the height into n + 1 bands.
QList<int> horizontalGridLines(int n, int diagramHeight, float valueScale);
// The x of the vertical grid lines for g divisions of the curve's length: none
// for g = 0, else g + 1 lines, the last at the curve's right end.
QList<int> verticalGridLines(int g, float stepWidth, int count);

// The red box of point i on the relay strip; it covers nothing when the relay
// is off.
QRect relayBox(int i, bool relayOn, float stepWidth, int stripHeight, float relayScale);

// Mouse on the diagram: the point nearest to x, limited to the curve's points
// 0..count-1, and the position at y, limited to 0..127.
int pointAt(int x, float stepWidth, int count);
int positionAt(int y, int diagramHeight, float valueScale);
// Mouse on the relay strip: the point whose box holds x (limited to the
// curve's points) and whether y lies above half of the strip's scale.
int relayPointAt(int x, float stepWidth, int count);
bool relayOnAt(int y, int stripHeight, float relayScale);

// A stroke of the mouse from pixel `from` to pixel `to` with the button held,
// over the diagram or the relay strip: every point it passes over, in the
// order of travel, as QPoint(point, value), each set by the straight line's
// height at the point. On the diagram the value is the position the point
// takes, on the relay strip 1 (relay on) or 0.
QList<QPoint> strokePoints(QPoint from, QPoint to, float stepWidth, int count, int diagramHeight, float valueScale);
QList<QPoint> strokeRelays(QPoint from, QPoint to, float stepWidth, int count, int stripHeight, float relayScale);

} // namespace CurveDiagram
