#include "app/StartUp.h"
#include "app/StandardDialogs.h"
#include "ui/BandedFrameStyle.h"
#include "image/SafeSave.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// 8 pt on a screen of 96 dots per inch: the size the windows' geometry was
// laid out for.
constexpr qreal UiFontPoints = 8.0;
constexpr qreal LayoutDpi = 96.0;

} // namespace

QFont uiFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Kept in points (the frames derive smaller and bold faces from it), but
    // as many pixels as at 96 dpi whatever dpi the desktop reports.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : LayoutDpi;
    font.setPointSizeF(UiFontPoints * LayoutDpi / dpi);
    return font;
}

void applyUiFont()
{
    QApplication::setFont(uiFont());
}

namespace {

// Puts the program's fonts back when something else set the program's font:
// a platform theme (qt6ct, a desktop's own) sets the desktop's font once the
// event loop runs and again when the desktop's settings change, and the
// windows laid out for the fixed font would cut their texts.
void keepUiFont(const QFont &font)
{
    if (font == uiFont())
        return;
    applyUiFont();
    prepareStandardDialogFonts();
}

} // namespace

bool installGermanTranslations(QApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    for (const QString &name : {QStringLiteral("qtbase_de"), QStringLiteral("qt_de")}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, folder)) {
            QApplication::installTranslator(translator);
            any = true;
            // qt_de pulls in qtbase_de itself; one of the two is enough.
            break;
        }
        delete translator;
    }
    return any;
}

void prepareApplication(QApplication &app)
{
    ignoreFileSizeLimitSignal();
    QApplication::setApplicationName(QStringLiteral("Quaxel"));
    // No display name: the platform would append it to the window's caption.
    QApplication::setDesktopFileName(QStringLiteral("quaxel"));
    installGermanTranslations(app);
    // One style everywhere: the controls' sizes, and so what fits, do not
    // depend on the desktop's theme.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new BandedFrameStyle(fusion));
    applyUiFont();
    prepareStandardDialogFonts();
    QObject::connect(&app, &QGuiApplication::fontChanged, &app, keepUiFont);
}
