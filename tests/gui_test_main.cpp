// Entry of the window tests: a QApplication on the offscreen platform,
// prepared as the program prepares its own. A dialog that no test answers
// fails the running test at once, instead of waiting for a click that never
// comes.
#include "app/StartUp.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The offscreen platform, with its options (screens of a given size) where
    // a test names them.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Unsaved work that windows keep goes to a folder of this run, never into
    // the user's home.
    QTemporaryDir stateHome;
    if (!qEnvironmentVariableIsSet("XDG_STATE_HOME"))
        qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    prepareApplication(app);
    Dialogs::setUnexpectedDialogHandler(
        [](const QString &what) { ADD_FAILURE() << "unexpected dialog: " << what.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
