// Entry of the window tests: a QApplication on the offscreen platform. A
// dialog that no test answers fails the running test at once, instead of
// waiting for a click that never comes.
#include "ui/Dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quaxel"));
    Dialogs::setUnexpectedDialogHandler(
        [](const QString &what) { ADD_FAILURE() << "unexpected dialog: " << what.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
