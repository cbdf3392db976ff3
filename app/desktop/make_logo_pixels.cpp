// Writes the logo's pixels as a C++ header, so that the program shows the logo
// without decoding a JPEG at every start: quaxel-make-logo-pixels LOGO.jpg OUT.h
// The build runs it whenever the logo changes.
#include "app/JpegDecoder.h"

#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: quaxel-make-logo-pixels LOGO.jpg OUT.h\n", stderr);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage logo = decodeJpeg(input.readAll()).convertToFormat(QImage::Format_RGB888);
    if (logo.isNull()) {
        std::fprintf(stderr, "%s is no JPEG\n", argv[1]);
        return 1;
    }
    QByteArray text = "// Made by quaxel-make-logo-pixels from the logo; do not edit.\n#pragma once\n\n";
    text += "constexpr int LogoWidth = " + QByteArray::number(logo.width()) + ";\n";
    text += "constexpr int LogoHeight = " + QByteArray::number(logo.height()) + ";\n";
    text += "// Rows top down, three bytes (red, green, blue) per pixel.\n";
    text += "constexpr unsigned char LogoRgb[] = {\n";
    for (int y = 0; y < logo.height(); ++y) {
        const uchar *row = logo.constScanLine(y);
        for (int x = 0; x < 3 * logo.width(); ++x) {
            text += QByteArray::number(row[x]) + ',';
            if (x % 24 == 23)
                text += '\n';
        }
        text += '\n';
    }
    text += "};\n";
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
