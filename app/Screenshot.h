#pragma once
#include <QBackingStore>
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QWidget>

// What a shown window has painted: the pixels of its backing store, when that
// is an image of the window's own size. Empty otherwise (not shown yet, not
// painted by the raster engine, or scaled), and then the window is rendered.
inline QImage paintedPicture(QWidget &window)
{
    QBackingStore *store = window.isWindow() && window.isVisible() ? window.backingStore() : nullptr;
    if (!store || store->size() != window.size())
        return {};
    // The store's device is valid between beginPaint and endPaint; an empty
    // region paints (and clears) nothing.
    store->beginPaint(QRegion());
    QImage picture;
    QPaintDevice *device = store->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        const QImage &painted = *static_cast<QImage *>(device);
        if (painted.size() == window.size() && painted.devicePixelRatio() == 1.0)
            picture = painted.convertToFormat(QImage::Format_RGB32);
    }
    store->endPaint();
    return picture;
}

// What the window shows as a PNG picture: the pixels it has painted on
// screen where it can, or else rendered straight into one image, and
// compressed at zlib level 1, which takes a fraction of the default level's
// time for a picture a tenth larger. Header only, so that the start-up
// benchmark's bare window makes its picture the very same way. Empty when
// the picture cannot be encoded.
inline QByteArray windowPicturePng(QWidget &window)
{
    QImage picture = paintedPicture(window);
    if (picture.isNull()) {
        picture = QImage(window.size(), QImage::Format_RGB32);
        window.render(&picture);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(12); // Qt maps 0..100 onto the zlib levels 0..9
    return writer.write(picture) ? png : QByteArray();
}
