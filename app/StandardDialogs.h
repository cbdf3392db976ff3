#pragma once
#include <QFont>

// Qt's own dialogs (file dialogs, message boxes) lay themselves out: unlike
// the windows with their fixed geometry, they get the desktop's font (the
// file dialogs are fitted where ui/Dialogs makes them). The main window and
// the program's own dialogs keep the UI font.
//
// Called after the UI font is set for the whole program, and again whenever it
// is set anew: setting that font drops the dialogs' font.
void prepareStandardDialogFonts();

// The font of Qt's dialogs: the desktop's general font.
QFont standardDialogFont();
