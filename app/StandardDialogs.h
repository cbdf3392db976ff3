#pragma once
#include <QFont>
#include <QLocale>

class QApplication;

// Qt's own dialogs (file dialogs, message boxes) lay themselves out: unlike
// the windows with their fixed geometry, they get the desktop's font (the
// file dialogs are fitted where ui/Dialogs makes them). The main window and
// the program's own dialogs keep the UI font.
//
// Called after the UI font is set for the whole program: setting that font
// again drops the dialogs' font.
void prepareStandardDialogs(QApplication &app);

// Only the fonts of prepareStandardDialogs, again after the UI font was set anew.
void prepareStandardDialogFonts();

// The font of Qt's dialogs: the desktop's general font.
QFont standardDialogFont();
