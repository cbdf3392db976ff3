#pragma once
#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG with libjpeg into an RGB image; a null
// image when the data is not a JPEG libjpeg can read.
QImage decodeJpeg(const QByteArray &data);
