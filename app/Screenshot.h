#pragma once
#include <QImage>
#include <QImageWriter>
#include <QWidget>

// Saves what the window shows as a PNG picture: rendered straight into one
// image (no pixmap and copy beside it) and compressed at zlib level 1, which
// takes a fraction of the default level's time for a picture a tenth larger.
// Header only, so that the start-up benchmark's bare window saves its picture
// the very same way.
inline bool saveWindowPicture(QWidget &window, const QString &path)
{
    QImage picture(window.size(), QImage::Format_RGB32);
    window.render(&picture);
    QImageWriter writer(path, "png");
    writer.setCompression(12); // Qt maps 0..100 onto the zlib levels 0..9
    return writer.write(picture);
}
