#include "ui/Dialogs.h"

#include "image/SafeFile.h"
#include "image/SafeText.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// The columns of the file dialog's detail view (QFileSystemModel's order).
enum FileColumn { NameColumn = 0, SizeColumn = 1, TypeColumn = 2, DateColumn = 3 };

// The file model writes sizes and dates in the system's locale (English
// under C or en_US); this writes them in the view's locale instead.
class FileDetailsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto *model = qobject_cast<const QFileSystemModel *>(index.model());
        // Folders have no size text; a proxy model keeps the texts it makes.
        if (!model || option->text.isEmpty())
            return;
        if (index.column() == SizeColumn)
            option->text = option->locale.formattedDataSize(model->size(index));
        else if (index.column() == DateColumn)
            option->text = option->locale.toString(model->lastModified(index), QLocale::ShortFormat);
    }
};

// German sizes and dates, and the size, type and date columns as wide as
// their texts. A native dialog has no views of its own.
void fitFileDialog(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details || dynamic_cast<FileDetailsDelegate *>(details->itemDelegate()))
        return;
    dialog.setLocale(Dialogs::fileDialogLocale());
    details->setItemDelegate(new FileDetailsDelegate(details));
    QHeaderView *header = details->header();
    for (const int column : {SizeColumn, TypeColumn, DateColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// Fits its file dialog when it shows (its views may be made only then).
class FileDialogFitter : public QObject {
public:
    explicit FileDialogFitter(QFileDialog &dialog) : QObject(&dialog) { dialog.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            fitFileDialog(*static_cast<QFileDialog *>(watched));
        return QObject::eventFilter(watched, event);
    }
};

struct Presets {
    QQueue<QString> openNames;
    QQueue<QString> saveNames;
    QQueue<bool> yesNo;
    QQueue<int> choices;
    bool record = false;
    QList<UserMessage> messages;
    Dialogs::UnexpectedDialogHandler unexpected;
    int realAllowed = 0;
};

Presets &presets()
{
    static Presets p;
    return p;
}

const QString Caption = QStringLiteral("Quaxel");

// A message as its box shows it: as plain text, never as markup (a file's
// line or name may hold tags), its line breaks kept (a lone \r, as the
// program's texts have it, breaks the line too) and every other control
// character escaped.
QString withLineBreaks(const QString &text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString shownMessageText(const QString &text)
{
    return escapedText(withLineBreaks(text), true);
}

int execMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &shownText,
                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, Caption, shownText, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

// The folder of the file last chosen in a dialog of each filter: a dialog
// given no folder starts there, so a curve file's dialog opens where the
// last curve file was, not where Qt's dialogs were last (a HEX file's
// folder, say).
QHash<QString, QString> &lastFolders()
{
    static QHash<QString, QString> folders;
    return folders;
}

QString chosen(const QString &filter, const QString &path)
{
    if (!path.isEmpty())
        lastFolders().insert(filter, QFileInfo(path).absolutePath());
    return path;
}

// True when the dialog must not show: the handler has been told.
bool refusedAsUnexpected(const QString &what)
{
    Presets &p = presets();
    if (!p.unexpected || p.realAllowed > 0)
        return false;
    p.unexpected(what);
    return true;
}

} // namespace

namespace Dialogs {

QLocale fileDialogLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QString hexFileFilter()
{
    return QStringLiteral("HEX (*.hex);;TXT (*.txt);;*.* (*)");
}

namespace {

void showMessageAs(QWidget *parent, const UserMessage &message, const QString &shownText)
{
    if (presets().record) {
        presets().messages.append(message);
        return;
    }
    if (refusedAsUnexpected(QStringLiteral("message box: ") + message.text))
        return;
    switch (message.kind) {
    case BoxKind::WarningCancel:
        execMessageBox(parent, QMessageBox::Warning, shownText, QMessageBox::Cancel);
        break;
    case BoxKind::WarningOk:
        execMessageBox(parent, QMessageBox::Warning, shownText, QMessageBox::Ok);
        break;
    case BoxKind::Plain:
        execMessageBox(parent, QMessageBox::NoIcon, shownText, QMessageBox::Ok);
        break;
    }
}

} // namespace

void showMessage(QWidget *parent, const UserMessage &message)
{
    showMessageAs(parent, message, shownMessageText(message.text));
}

void warningCancel(QWidget *parent, const QString &text)
{
    showMessage(parent, {text, BoxKind::WarningCancel});
}

void ownTextMessage(QWidget *parent, const QString &text)
{
    showMessageAs(parent, {text, BoxKind::Plain}, withLineBreaks(text));
}

void warningOk(QWidget *parent, const QString &text)
{
    showMessage(parent, {text, BoxKind::WarningOk});
}

bool askYesNo(QWidget *parent, const QString &text, bool keepByDefault)
{
    if (!presets().yesNo.isEmpty())
        return presets().yesNo.dequeue();
    if (refusedAsUnexpected(QStringLiteral("question: ") + text))
        return false;
    return execMessageBox(parent, QMessageBox::Warning, shownMessageText(text), QMessageBox::Yes | QMessageBox::No,
                          keepByDefault ? QMessageBox::No : QMessageBox::NoButton)
        == QMessageBox::Yes;
}

// The buttons keep the roles of Yes, No and Cancel (the last is the escape
// button), under the texts given.
int askChoice(QWidget *parent, const QString &text, const QString &first, const QString &second, const QString &last)
{
    if (!presets().choices.isEmpty())
        return presets().choices.dequeue();
    if (refusedAsUnexpected(QStringLiteral("question: ") + text))
        return 2;
    QMessageBox box(QMessageBox::Question, Caption, shownMessageText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(first);
    box.button(QMessageBox::No)->setText(second);
    box.button(QMessageBox::Cancel)->setText(last);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return 0;
    case QMessageBox::No:
        return 1;
    default:
        return 2;
    }
}

QString getOpenFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    if (!presets().openNames.isEmpty())
        return chosen(filter, presets().openNames.dequeue());
    if (refusedAsUnexpected(QStringLiteral("open dialog")))
        return QString();
    // Qt lists a name that is no UTF-8 under a name no file has, and a dialog
    // for existing files would refuse it: this one takes any name, and the
    // name as listed leads to the file it shows. A name that names no file
    // fails as the load's own message says.
    QFileDialog dialog(parent, QString(), folder.isEmpty() ? lastFolders().value(filter) : folder, filter);
    new FileDialogFitter(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return chosen(filter, existingPathFor(dialog.selectedFiles().first()));
}

QString getSaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                        const QString &proposedName, const QString &folder)
{
    if (!presets().saveNames.isEmpty())
        return chosen(filter, presets().saveNames.dequeue());
    if (refusedAsUnexpected(QStringLiteral("save dialog")))
        return QString();
    QFileDialog dialog(parent, QString(), folder.isEmpty() ? lastFolders().value(filter) : folder, filter);
    new FileDialogFitter(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return chosen(filter, existingPathFor(dialog.selectedFiles().first()));
}

QString lastFolder(const QString &filter, const QString &otherwise)
{
    return lastFolders().value(filter, otherwise);
}

void presetOpenFileName(const QString &path)
{
    presets().openNames.enqueue(path);
}

void presetSaveFileName(const QString &path)
{
    presets().saveNames.enqueue(path);
}

void presetYesNo(bool yes)
{
    presets().yesNo.enqueue(yes);
}

void presetChoice(int index)
{
    presets().choices.enqueue(index);
}

void setRecordMessages(bool on)
{
    presets().record = on;
    presets().messages.clear();
}

QList<UserMessage> recordedMessages()
{
    return presets().messages;
}

void clearPresets()
{
    Presets &p = presets();
    p.openNames.clear();
    p.saveNames.clear();
    p.yesNo.clear();
    p.choices.clear();
    p.messages.clear();
}

void forgetFolders()
{
    lastFolders().clear();
}

void setUnexpectedDialogHandler(UnexpectedDialogHandler handler)
{
    presets().unexpected = std::move(handler);
}

RealDialogsAllowed::RealDialogsAllowed()
{
    ++presets().realAllowed;
}

RealDialogsAllowed::~RealDialogsAllowed()
{
    --presets().realAllowed;
}

} // namespace Dialogs
