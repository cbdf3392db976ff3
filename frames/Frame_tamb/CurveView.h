#pragma once
#include "frames/Frame_tamb/CurveRecords.h"

class QImage;

// Paints a curve record onto the two surfaces of the curve editor: the
// diagram (black line, red point markers, green grid) and the relay strip
// (a red box for every point whose relay is on). White background.
namespace CurveView {

// Paints the points 0..c-1 of the record (c its count limited to 1..100) with
// rasterY horizontal and rasterX vertical grid divisions. Returns the step
// width between two points.
float drawCurve(QImage &diagram, const CurveRecords::Record &record, int rasterX, int rasterY);

// Paints the relay boxes with the step width of the diagram, and the vertical
// grid lines.
void drawRelayStrip(QImage &strip, const CurveRecords::Record &record, float stepWidth, int rasterX);

} // namespace CurveView
