#include "app/StandardDialogs.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

// The dialog classes whose layouts size themselves to their font.
const char *const SelfSizingDialogs[] = {"QFileDialog", "QMessageBox", "QInputDialog"};

} // namespace

QFont standardDialogFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

void prepareStandardDialogFonts()
{
    const QFont font = standardDialogFont();
    for (const char *className : SelfSizingDialogs)
        QApplication::setFont(font, className);
}
