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
};

Presets &presets()
{
    static Presets p;
    return p;
}

const QString Caption = QStringLiteral("Quaxel");

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
    return QMessageBox::warning(parent, Caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString getOpenFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    if (!presets().openNames.isEmpty())
        return presets().openNames.dequeue();
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

QString getSaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                        const QString &proposedName)
{
    if (!presets().saveNames.isEmpty())
        return presets().saveNames.dequeue();
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
    presets() = Presets{};
}

} // namespace Dialogs
