#pragma once
#include <QString>

// Text that came from a file on its way into a message or onto a terminal.
// Control characters (C0, DEL, C1, ESC and NUL among them) and bytes of a file
// name that are no UTF-8 are shown as \xHH, so a file cannot retitle or clear
// the user's terminal, nor cut a message at a NUL. Bidirectional controls and
// line separators are shown as \uHHHH, so that "rtl\u202Eexe.txt.hex" cannot
// pass for a name ending in ".exe"; so are the invisible format characters
// (U+200B and its kin), so that two names that look alike are told apart.

// Every such character escaped; line breaks too unless keepLineBreaks.
QString escapedText(const QString &text, bool keepLineBreaks = false);

// A line quoted in a message: escaped, and cut to maxChars characters with "…".
constexpr int QuotedLineLength = 80;
QString quotedLine(const QString &line, int maxChars = QuotedLineLength);

// Whether the text holds a control character other than a line break, or an
// undecodable byte: what escapedText() leaves out.
bool holdsRawControl(const QString &text);
