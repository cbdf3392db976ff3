#pragma once
#include <QString>

class QLabel;

// Text from a file or a file name on its way onto a control: shown as the
// characters it holds, never as markup, with control and bidirectional
// characters escaped (see SafeText.h).
namespace PlainText {

// Makes the label show its text as plain text, now and whenever it is set.
void makePlain(QLabel *label);
// Sets a plain label's text, escaped.
void setLabelText(QLabel *label, const QString &text);

// A file's name for the window title: escaped, and Qt's "[*]" placeholder
// doubled so that the name shows it.
QString titleText(const QString &path);
// A path as a menu entry: escaped, '&' doubled so that it marks no shortcut.
QString menuText(const QString &path);
// A text as a tooltip shows it literally (a tooltip that looks like markup
// would be rendered).
QString toolTipText(const QString &text);

} // namespace PlainText
