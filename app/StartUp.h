#pragma once
#include <QFont>

class QApplication;

// What the program prepares before it makes its main window: the names, Qt's
// own German texts for standard dialogs and buttons, the UI font, the style and
// the desktop's font for Qt's own dialogs.
// main() and the window tests both call it, so the tests see what users see.
void prepareApplication(QApplication &app);

// The one font of every window. Its size fits the windows' fixed geometry
// whatever font and dpi the desktop uses; larger text on a desktop comes
// from the display scale factor, which scales geometry and text alike.
QFont uiFont();
void applyUiFont();

// Loads Qt's German translations (from the translations folder of the Qt
// installation); false when none was found.
bool installGermanTranslations(QApplication &app);
