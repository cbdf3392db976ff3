// Builds the desktop icon from the logo: quaxel-make-icon LOGO.jpg ICON.png [SIZE]
// Run by hand when the logo changes; the icon is kept in the repository.
#include "app/JpegDecoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: quaxel-make-icon LOGO.jpg ICON.png [SIZE]\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage logo = decodeJpeg(file.readAll());
    if (logo.isNull()) {
        std::fputs("the logo is no JPEG\n", stderr);
        return 1;
    }
    const int size = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 256;
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (size <= 0) {
        // Size 0: the logo itself as PNG, to look at it.
        return logo.save(output, "PNG") ? 0 : 1;
    }

    // A rounded tile in the logo's corner colour; on it the logo's two halves,
    // the name above the line.
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath tile;
    const qreal margin = size / 32.0;
    tile.addRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size / 8.0, size / 8.0);
    painter.fillPath(tile, QColor(logo.pixel(0, 0)));
    painter.setClipPath(tile);
    const int half = logo.width() / 2;
    const int width = qRound(size - 6 * margin);
    const QImage name = logo.copy(2, 2, half - 2, logo.height() - 4).scaledToWidth(width, Qt::SmoothTransformation);
    const QImage line = logo.copy(half, 2, logo.width() - half - 2, logo.height() - 4).scaledToWidth(width, Qt::SmoothTransformation);
    const qreal top = (size - name.height() - line.height()) / 2.0;
    painter.drawImage(QPointF((size - name.width()) / 2.0, top), name);
    painter.drawImage(QPointF((size - line.width()) / 2.0, top + name.height()), line);
    painter.end();
    return icon.save(output, "PNG") ? 0 : 1;
}
