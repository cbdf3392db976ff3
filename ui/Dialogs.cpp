#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QQueue>

namespace {

struct Presets {
    QQueue<QString> openNames;
    QQueue<QString> saveNames;
    QQueue<bool> yesNo;
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

QString hexFileFilter()
{
    return QStringLiteral("HEX (*.hex);;TXT (*.txt);;*.* (*)");
}

void showMessage(QWidget *parent, const UserMessage &message)
{
    if (presets().record) {
        presets().messages.append(message);
        return;
    }
    if (refusedAsUnexpected(QStringLiteral("message box: ") + message.text))
        return;
    switch (message.kind) {
    case BoxKind::WarningCancel:
        QMessageBox::warning(parent, Caption, message.text, QMessageBox::Cancel);
        break;
    case BoxKind::WarningOk:
        QMessageBox::warning(parent, Caption, message.text, QMessageBox::Ok);
        break;
    case BoxKind::Plain: {
        QMessageBox box(QMessageBox::NoIcon, Caption, message.text, QMessageBox::Ok, parent);
        box.exec();
        break;
    }
    }
}

void warningCancel(QWidget *parent, const QString &text)
{
    showMessage(parent, {text, BoxKind::WarningCancel});
}

void plainMessage(QWidget *parent, const QString &text)
{
    showMessage(parent, {text, BoxKind::Plain});
}

void warningOk(QWidget *parent, const QString &text)
{
    showMessage(parent, {text, BoxKind::WarningOk});
}

bool askYesNo(QWidget *parent, const QString &text)
{
    if (!presets().yesNo.isEmpty())
        return presets().yesNo.dequeue();
    if (refusedAsUnexpected(QStringLiteral("question: ") + text))
        return false;
    return QMessageBox::warning(parent, Caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString getOpenFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    if (!presets().openNames.isEmpty())
        return presets().openNames.dequeue();
    if (refusedAsUnexpected(QStringLiteral("open dialog")))
        return QString();
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

QString getSaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                        const QString &proposedName)
{
    if (!presets().saveNames.isEmpty())
        return presets().saveNames.dequeue();
    if (refusedAsUnexpected(QStringLiteral("save dialog")))
        return QString();
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
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
    p.messages.clear();
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
