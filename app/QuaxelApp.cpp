#include "app/QuaxelApp.h"

#include "ui/Dialogs.h"
#include "app/MainWindowHost.h"
#include "app/ProgramLanguage.h"
#include "app/SheetActions.h"
#include "app/Screenshot.h"
#include "app/StartUp.h"
#include "app/TFormMain.h"
#include "frames/EditorFrame.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>
#include <exception>

namespace {

// The texts of the start-up options and their messages, in the window's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("QuaxelApp", text);
}

struct Options {
    QString hexFile;
    QString screenshot;
    bool screenshotAsked = false;
    // For the picture: playback in the shown editor, standing this long after
    // its start; -1 for none.
    qint64 playAt = -1;
    bool playAtRefused = false;
    QString sheet;
    bool sheetAsked = false;
};

// The arguments as the system gave them: a name that is no UTF-8 keeps its
// bytes (see pathFromBytes), where QCoreApplication::arguments() would lose them.
QStringList argumentsAsBytes(int argc, char *argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments.append(pathFromBytes(QByteArray(argv[k])));
    return arguments;
}

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        translated(QT_TRANSLATE_NOOP("QuaxelApp", "Quaxel - Editor für HEX-Dateien von Decoder-Firmware")));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 translated(QT_TRANSLATE_NOOP("QuaxelApp", "HEX-Datei, die beim Start geladen wird")),
                                 QStringLiteral("[FILE.hex]"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        translated(QT_TRANSLATE_NOOP("QuaxelApp", "Das Hauptfenster als PNG-Bild speichern und beenden.")),
        QStringLiteral("FILE.png"));
    parser.addOption(screenshot);
    const QCommandLineOption playAt(QStringLiteral("play-at"),
                                    translated(QT_TRANSLATE_NOOP("QuaxelApp",
                                                                 "Mit --screenshot: Der gezeigte Editor spielt sein Muster oder "
                                                                 "seine Kurve ab, abgebildet MS Millisekunden nach dem Start.")),
                                    QStringLiteral("MS"));
    parser.addOption(playAt);
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        translated(QT_TRANSLATE_NOOP("QuaxelApp", "Das Datenblatt von FILE in eine PDF-Datei schreiben und beenden.")),
        QStringLiteral("SHEET.pdf"));
    parser.addOption(sheet);
    parser.process(arguments);
    Options options;
    if (!parser.positionalArguments().isEmpty())
        options.hexFile = QDir::cleanPath(parser.positionalArguments().first());
    options.screenshot = parser.value(screenshot);
    options.screenshotAsked = parser.isSet(screenshot);
    if (parser.isSet(playAt)) {
        bool ok = false;
        options.playAt = parser.value(playAt).toLongLong(&ok);
        options.playAtRefused = !ok || options.playAt < 0 || !options.screenshotAsked;
    }
    options.sheet = parser.value(sheet);
    options.sheetAsked = parser.isSet(sheet);
    return options;
}

// Loads the file with messages printed instead of shown, then saves a picture.
// Not 0 when the file could not be loaded or the picture not written.
int renderScreenshot(TFormMain &window, const Options &options)
{
    Dialogs::setRecordMessages(true);
    if (!options.hexFile.isEmpty())
        window.expectStartFile();
    window.show();
    const bool loaded = options.hexFile.isEmpty() || window.loadHexFile(options.hexFile);
    QTextStream err(stderr);
    for (const UserMessage &message : Dialogs::recordedMessages())
        err << "Quaxel: " << escapedText(QString(message.text).replace(u'\r', u'\n'), true) << Qt::endl;
    if (options.playAt >= 0)
        for (EditorFrame *frame : window.findChildren<EditorFrame *>())
            if (frame->isVisible())
                frame->playAt(options.playAt);
    QApplication::processEvents();
    const QByteArray png = windowPicturePng(window);
    const auto failure =
        png.isEmpty()
            ? fileMessage(options.screenshot, translated(QT_TRANSLATE_NOOP("QuaxelApp", "das Bild lässt sich nicht kodieren")))
            : saveVerifiedFile(options.screenshot, png);
    if (failure) {
        err << "Quaxel: "
            << translated(QT_TRANSLATE_NOOP("QuaxelApp", "Schreiben fehlgeschlagen: %1")).arg(QString(*failure).replace(u'\n', u' '))
            << Qt::endl;
        return 1;
    }
    return loaded ? 0 : 1;
}

// A data sheet needs no window: where no platform is chosen, it is written
// without a display.
void chooseOffscreenForSheet(int argc, char *argv[])
{
    for (int k = 1; k < argc; ++k) {
        const QByteArray argument(argv[k]);
        if ((argument == "--sheet" || argument.startsWith("--sheet=")) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Refuses a target name at once, before anything is loaded.
bool refusedAtOnce(const char *option, const QString &target)
{
    QTextStream err(stderr);
    if (target.isEmpty()) {
        err << "Quaxel: --" << option << ": " << translated(QT_TRANSLATE_NOOP("QuaxelApp", "kein Dateiname angegeben")) << Qt::endl;
        return true;
    }
    if (const auto refused = refusedTarget(target)) {
        err << "Quaxel: --" << option << ": " << fileMessage(target, *refused).replace(u'\n', u' ') << Qt::endl;
        return true;
    }
    return false;
}

} // namespace

int runQuaxel(int argc, char *argv[])
{
    chooseOffscreenForSheet(argc, argv);
    QApplication app(argc, argv);
    prepareApplication(app);
    useLanguage(app, desktopLanguage());
    try {
        // After QApplication took its own options out of argv.
        const Options options = parseOptions(argumentsAsBytes(argc, argv));
        if (options.playAtRefused) {
            QTextStream(stderr)
                << "Quaxel: "
                << translated(QT_TRANSLATE_NOOP("QuaxelApp", "--play-at braucht --screenshot und eine Zahl von Millisekunden"))
                << Qt::endl;
            return 1;
        }
        // Refused at once: an empty name would otherwise start the window
        // interactively, which waits forever where there is no display.
        if (options.screenshotAsked && refusedAtOnce("screenshot", options.screenshot))
            return 1;
        if (options.sheetAsked)
            return refusedAtOnce("sheet", options.sheet) ? 1 : writeSheetFile(options.hexFile, options.sheet);
        if (!options.screenshot.isEmpty()) {
            // What the desktop's theme sets once the program runs (fonts, a
            // palette) arrives before the picture's window is made, as it
            // does before a user loads a file.
            QApplication::processEvents();
            TFormMain window;
            return renderScreenshot(window, options);
        }
        auto *window = new TFormMain;
        MainWindowHost host(window);
        if (!options.hexFile.isEmpty())
            window->expectStartFile();
        host.show();
        if (!options.hexFile.isEmpty())
            window->loadHexFile(options.hexFile);
        // Work a window left unsaved (by "Ende", a crash or a kill) is offered back.
        window->offerRecovery();
        return QApplication::exec();
    } catch (const std::exception &e) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Quaxel"), escapedText(QString::fromLocal8Bit(e.what()), true));
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return 1;
    }
}
