#include "app/QuaxelApp.h"

#include "ui/Dialogs.h"
#include "app/MainWindowHost.h"
#include "app/ProgramLanguage.h"
#include "app/Screenshot.h"
#include "app/StartUp.h"
#include "app/TFormMain.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>
#include <exception>

namespace {

struct Options {
    QString hexFile;
    QString screenshot;
    bool screenshotAsked = false;
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
    parser.setApplicationDescription(QStringLiteral("Quaxel - editor for decoder firmware HEX files"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("HEX file to load at start"),
                                 QStringLiteral("[FILE.hex]"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the main window into a PNG picture and quit."),
                                        QStringLiteral("FILE.png"));
    parser.addOption(screenshot);
    parser.process(arguments);
    Options options;
    if (!parser.positionalArguments().isEmpty())
        options.hexFile = QDir::cleanPath(parser.positionalArguments().first());
    options.screenshot = parser.value(screenshot);
    options.screenshotAsked = parser.isSet(screenshot);
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
    QApplication::processEvents();
    const QByteArray png = windowPicturePng(window);
    const auto failure = png.isEmpty() ? fileMessage(options.screenshot, QStringLiteral("the picture cannot be encoded"))
                                       : saveVerifiedFile(options.screenshot, png);
    if (failure) {
        err << "Quaxel: cannot write " << QString(*failure).replace(u'\n', u' ') << Qt::endl;
        return 1;
    }
    return loaded ? 0 : 1;
}

} // namespace

int runQuaxel(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    useLanguage(app, desktopLanguage());
    try {
        // After QApplication took its own options out of argv.
        const Options options = parseOptions(argumentsAsBytes(argc, argv));
        if (options.screenshotAsked) {
            // Refused at once: an empty name would otherwise start the window
            // interactively, which waits forever where there is no display.
            QTextStream err(stderr);
            if (options.screenshot.isEmpty()) {
                err << "Quaxel: --screenshot: no file name given" << Qt::endl;
                return 1;
            }
            if (const auto refused = refusedTarget(options.screenshot)) {
                err << "Quaxel: --screenshot: " << fileMessage(options.screenshot, *refused).replace(u'\n', u' ') << Qt::endl;
                return 1;
            }
        }
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
