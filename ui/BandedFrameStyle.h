#pragma once
#include <QPixmap>
#include <QProxyStyle>

// The program's style: its base style (Fusion), drawn so that painting the
// window starts no worker thread and loads no plugin.
// - The raster engine hands a stretched picture that covers about a hundred
//   rows or more to worker threads, which it starts for the purpose; the frame
//   of a tall group box is such a picture. Drawn in bands of fewer rows, the
//   very same pixels come out on the calling thread.
// - A progress bar's groove and contents reach past their rectangle, where the
//   engine clips them through the same worker threads; clipped to their
//   rectangle beforehand, they need none.
// - The base style reads its group box picture with the format left to guess,
//   and the image reader then loads every image format plugin (SVG, JPEG, GIF,
//   ...) to ask it first. This style reads the same picture as PNG directly.
class BandedFrameStyle : public QProxyStyle {
public:
    // Rows per band: well below the heights from which the engine's paths for
    // stretched pictures split the work.
    static constexpr int BandRows = 32;

    explicit BandedFrameStyle(QStyle *base);
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    void drawGroupBoxFrame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    const QPixmap &groupBoxPicture() const;

    mutable QPixmap groupBoxPicture_;
    mutable bool groupBoxPictureRead_ = false;
};
