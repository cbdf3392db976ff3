#include "ui/BandedFrameStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>

BandedFrameStyle::BandedFrameStyle(QStyle *base) : QProxyStyle(base) {}

void BandedFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || !option || !painter || option->rect.height() <= BandRows) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect frame = option->rect;
    for (int top = frame.top(); top <= frame.bottom(); top += BandRows) {
        painter->save();
        painter->setClipRect(QRect(frame.left(), top, frame.width(), std::min(BandRows, frame.bottom() - top + 1)),
                             Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}
