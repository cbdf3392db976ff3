#pragma once
#include <QProxyStyle>

// The program's style: its base style (Fusion), with the frames of tall group
// boxes drawn in bands. The raster engine hands a stretched picture that
// covers about a hundred rows or more to worker threads, which it starts for
// the purpose; the group box frame is such a picture. Drawn in bands of fewer
// rows, the very same pixels come out on the calling thread.
class BandedFrameStyle : public QProxyStyle {
public:
    // Rows per band: well below the heights from which the engine's paths for
    // stretched pictures split the work.
    static constexpr int BandRows = 32;

    explicit BandedFrameStyle(QStyle *base);
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
