#pragma once
// The one printer of quaxel-cli's messages and of what comes from a file.
#include "cli/CliTypes.h"

// "quaxel-cli", as every message starts.
QString programName();

// A message as the window shows it, after "quaxel-cli: " and the context (a
// file or an option) it is about: its line breaks become new lines; any other
// control character from a file or the command line is escaped.
void printMessage(CliOutput &o, const QString &context, const QString &text);

// Standard output that holds what came from a file: escaped, line breaks kept.
QString printable(const QString &text);

// A command line that cannot be run: exit status 2, the fault and a pointer
// to the help of the command (of the program for an empty command).
CliOutput commandLineFault(const QString &command, const QString &text);

// A help text (marked with QT_TRANSLATE_NOOP in the context "quaxel-cli") on
// standard output in the reader's language, exit status 0.
CliOutput helpText(const char *text);
