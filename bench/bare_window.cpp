// The floor for Quaxel's start-up: a bare Qt Widgets window of the main
// window's size, shown, rendered and saved as a PNG the same way as
// `quaxel FILE --screenshot PICTURE.png` does it: the same picture code and
// the same staged, verified save, so that the comparison is one of start-ups
// alone. With --with-text the window holds one label, so that the fonts are
// loaded as in any window with text.
#include "app/Screenshot.h"
#include "image/SafeSave.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
    if (at < 0 || at + 1 >= args.size())
        return 2;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quaxel"));
    window.resize(750, 630);
    if (args.contains(QStringLiteral("--with-text"))) {
        auto *label = new QLabel(QStringLiteral("HEX laden"), &window);
        label->move(10, 10);
    }
    window.show();
    QApplication::processEvents();
    const QByteArray png = windowPicturePng(window);
    return !png.isEmpty() && !saveVerifiedFile(args.at(at + 1), png) ? 0 : 1;
}
