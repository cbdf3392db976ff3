#pragma once
#include <QFont>
#include <QLocale>

class QApplication;
class QFileDialog;

// Qt's own dialogs (file dialogs, message boxes) lay themselves out: unlike
// the windows with their fixed geometry, they get the desktop's font, and the
// file dialogs show sizes and dates in German and columns as wide as their
// texts. The main window and the program's own dialogs keep the UI font.
//
// Called after the UI font is set for the whole program: setting that font
// again drops the dialogs' font.
void prepareStandardDialogs(QApplication &app);

// Only the fonts of prepareStandardDialogs, again after the UI font was set anew.
void prepareStandardDialogFonts();

// The font of Qt's dialogs: the desktop's general font.
QFont standardDialogFont();
// The language of Qt's dialogs, for the dates and sizes the file dialog lists.
QLocale standardDialogLocale();

// What prepareStandardDialogs does to each file dialog when it is shown:
// German sizes and dates, and the size, type and date columns as wide as
// their texts.
void fitFileDialog(QFileDialog &dialog);
