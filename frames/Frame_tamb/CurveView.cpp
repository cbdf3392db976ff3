#include "frames/Frame_tamb/CurveView.h"

#include "frames/Frame_tamb/CurveDiagram.h"

#include <QImage>
#include <QPainter>

namespace CurveView {

namespace {

const QColor GridColor(0, 255, 0);

// Outlines and fills the pixels of a box (see CurveDiagram); QPainter's
// outline of a QRect reaches one pixel further right and down.
void drawBox(QPainter &painter, const QRect &pixels)
{
    if (!pixels.isEmpty())
        painter.drawRect(pixels.adjusted(0, 0, -1, -1));
}

void drawVerticalGrid(QPainter &painter, int height, int rasterX, float stepWidth, int count)
{
    painter.setPen(GridColor);
    for (int x : CurveDiagram::verticalGridLines(rasterX, stepWidth, count))
        painter.drawLine(x, 0, x, height);
}

} // namespace

float drawCurve(QImage &diagram, const CurveRecords::Record &record, int rasterX, int rasterY)
{
    const int count = CurveRecords::pointCount(record);
    const int height = diagram.height();
    const float stepWidth = CurveDiagram::stepWidth(diagram.width(), count);
    const float valueScale = CurveDiagram::valueScale(height);
    const int half = CurveDiagram::markerHalfSize(stepWidth);

    diagram.fill(Qt::white);
    QPainter painter(&diagram);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::red);
    QPoint last;
    for (int i = 0; i < count; ++i) {
        const int position = CurveRecords::position(record[static_cast<std::size_t>(i)]);
        const QPoint point = CurveDiagram::pointPosition(i, position, stepWidth, height, valueScale);
        if (i > 0)
            painter.drawLine(last, point);
        last = point;
        drawBox(painter, CurveDiagram::markerRect(point, half));
    }
    painter.setPen(GridColor);
    for (int y : CurveDiagram::horizontalGridLines(rasterY, height, valueScale))
        painter.drawLine(0, y, diagram.width(), y);
    drawVerticalGrid(painter, height, rasterX, stepWidth, count);
    return stepWidth;
}

void drawRelayStrip(QImage &strip, const CurveRecords::Record &record, float stepWidth, int rasterX)
{
    const int count = CurveRecords::pointCount(record);
    const int height = strip.height();
    const float relayScale = CurveDiagram::valueScale(height);

    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::red);
    for (int i = 0; i < count; ++i) {
        const bool on = CurveRecords::relayOn(record[static_cast<std::size_t>(i)]);
        drawBox(painter, CurveDiagram::relayBox(i, on, stepWidth, height, relayScale));
    }
    drawVerticalGrid(painter, height, rasterX, stepWidth, count);
}

} // namespace CurveView
