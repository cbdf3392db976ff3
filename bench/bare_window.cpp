// The floor for Quaxel's start-up: a bare Qt Widgets window of the main
// window's size, shown, grabbed and saved as a PNG the same way as
// `quaxel FILE --screenshot PICTURE.png` does it.
#include <QApplication>
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
    window.show();
    QApplication::processEvents();
    return window.grab().save(args.at(at + 1), "PNG") ? 0 : 1;
}
