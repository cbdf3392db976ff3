#pragma once
#include <QLocale>
#include "image/HexRecord.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Every message box and file dialog of the program goes through here. Without
// a preset answer the real dialog is shown; tests preset answers and read back
// what was shown.
namespace Dialogs {

// The filter of every HEX file dialog.
QString hexFileFilter();
// The language of the file dialogs' sizes and dates (German, as the program).
QLocale fileDialogLocale();

// Shows a message of the given kind with the caption "Quaxel".
void showMessage(QWidget *parent, const UserMessage &message);
void warningCancel(QWidget *parent, const QString &text);
// A text of the program's own, with no file's text in it (the help): shown
// as written, its tabs lining up the columns, without the escaping that
// every other message gets for what a file may hold.
void ownTextMessage(QWidget *parent, const QString &text);
void warningOk(QWidget *parent, const QString &text);
// Warning box with Yes and No; true for Yes. Enter answers Yes unless the
// question keeps the work (keepByDefault): then No is the default button.
// Escape always answers No.
bool askYesNo(QWidget *parent, const QString &text, bool keepByDefault = false);
// A question with three answers, named by the texts of their buttons: the
// index of the one chosen. Enter gives the first; Escape and closing the box
// give the last, which must be the one that changes nothing.
int askChoice(QWidget *parent, const QString &text, const QString &first, const QString &second,
              const QString &last);

// Open / save dialogs; an empty text means the user cancelled. They start
// in `folder` where one is given, else in the folder of the file last chosen
// with the same filter; a proposed name with a folder starts in that folder.
QString getOpenFileName(QWidget *parent, const QString &filter, const QString &folder = QString());
QString getSaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                        const QString &proposedName, const QString &folder = QString());
// The folder of the file last chosen with the filter, or `otherwise` while
// none has been: where a dialog of that filter should start.
QString lastFolder(const QString &filter, const QString &otherwise);

// ---- for tests ----
// Answers the next dialogs of the given kind without showing them.
void presetOpenFileName(const QString &path);
void presetSaveFileName(const QString &path); // empty: the user cancels
void presetYesNo(bool yes);
void presetChoice(int index);
// Message boxes are not shown but recorded while this is on.
void setRecordMessages(bool on);
QList<UserMessage> recordedMessages();
// Empties the preset answers and the recorded messages; recording stays as it is.
void clearPresets();
// Forgets the folders of the files chosen so far, as in a new process.
void forgetFolders();

// Called instead of showing a dialog that nothing answers: the window tests
// set it so that an unexpected box fails the test at once instead of waiting
// for a click. The dialog then answers as if cancelled (No, no file name).
using UnexpectedDialogHandler = std::function<void(const QString &what)>;
void setUnexpectedDialogHandler(UnexpectedDialogHandler handler);

// While one lives, dialogs show for real even with a handler set: for tests
// that drive a real dialog.
class RealDialogsAllowed {
public:
    RealDialogsAllowed();
    ~RealDialogsAllowed();
    RealDialogsAllowed(const RealDialogsAllowed &) = delete;
    RealDialogsAllowed &operator=(const RealDialogsAllowed &) = delete;
};

} // namespace Dialogs
