#include "ui/BandedFrameStyle.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace {

// Where the base style keeps its group box picture, how far its frame starts
// below the title, and the picture's corners that stay unstretched.
const char *const GroupBoxPicturePath = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int GroupBoxTopMargin = 3;
constexpr QMargins GroupBoxCorners(6, 6, 6, 6);

} // namespace

BandedFrameStyle::BandedFrameStyle(QStyle *base) : QProxyStyle(base) {}

void BandedFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || !option || !painter) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect frame = option->rect;
    if (frame.height() <= BandRows) {
        drawGroupBoxFrame(option, painter, widget);
        return;
    }
    for (int top = frame.top(); top <= frame.bottom(); top += BandRows) {
        painter->save();
        painter->setClipRect(QRect(frame.left(), top, frame.width(), std::min(BandRows, frame.bottom() - top + 1)),
                             Qt::IntersectClip);
        drawGroupBoxFrame(option, painter, widget);
        painter->restore();
    }
}

void BandedFrameStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    const bool progressPart = element == CE_ProgressBarGroove || element == CE_ProgressBarContents;
    if (!progressPart || !option || !painter) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setClipRect(option->rect, Qt::IntersectClip);
    QProxyStyle::drawControl(element, option, painter, widget);
    painter->restore();
}

// The base style's group box frame: its picture stretched over the box, from
// below the title (or the check box) down.
void BandedFrameStyle::drawGroupBoxFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const QPixmap &picture = groupBoxPicture();
    if (picture.isNull()) {
        QProxyStyle::drawPrimitive(PE_FrameGroupBox, option, painter, widget);
        return;
    }
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const bool bare = box && !box->isCheckable() && box->title().isEmpty();
    const int top = bare ? GroupBoxTopMargin
                         : std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                    option->fontMetrics.height()) +
                               GroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), GroupBoxCorners, picture);
}

const QPixmap &BandedFrameStyle::groupBoxPicture() const
{
    if (!groupBoxPictureRead_) {
        groupBoxPictureRead_ = true;
        QImageReader reader(QString::fromLatin1(GroupBoxPicturePath), "png");
        reader.setAutoDetectImageFormat(false);
        groupBoxPicture_ = QPixmap::fromImage(reader.read());
    }
    return groupBoxPicture_;
}
