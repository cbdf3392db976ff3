#pragma once
#include "image/DesktopLanguage.h"

class QApplication;

// Puts the window into the language: for English the program's English texts
// replace Qt's German ones (Qt speaks English by itself). German keeps what
// prepareApplication installed. False when the English texts cannot be loaded.
bool useLanguage(QApplication &app, ProgramLanguage language);
