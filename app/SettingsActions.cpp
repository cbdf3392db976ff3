#include "app/SettingsActions.h"

#include "app/EditorFrameHost.h"
#include "app/WindowShortcuts.h"
#include "document/DecoderDocument.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString documentFilter()
{
    return SettingsActions::tr("Einstellungen (*.json);;Alle Dateien (*)");
}

// The list of changes in a small dialog, as plain text that can be selected and copied.
void showChangesDialog(QWidget *parent, const QString &text)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("settingsDiffDialog"));
    dialog.setWindowTitle(SettingsActions::tr("Änderungen"));
    auto *view = new QPlainTextEdit(&dialog);
    view->setObjectName(QStringLiteral("settingsDiffText"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("settingsDiffClose"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(view);
    layout->addWidget(buttons);
    dialog.resize(520, 360);
    dialog.exec();
}

QString section(const QString &heading, const QStringList &lines)
{
    return lines.isEmpty() ? QString() : heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

SettingsActions::SettingsActions(DecoderDocument &document, QWidget *window)
    : QObject(window), document_(document), window_(window)
{
    setObjectName(QStringLiteral("settingsActions"));
    diffAction_ = WindowShortcuts::menuAction(this, QStringLiteral("actShowChanges"), tr("Änderungen anzeigen…"));
    exportAction_ = WindowShortcuts::menuAction(this, QStringLiteral("actExportSettings"), tr("Einstellungen exportieren…"));
    applyAction_ = WindowShortcuts::menuAction(this, QStringLiteral("actApplySettings"), tr("Einstellungen übernehmen…"));
    connect(diffAction_, &QAction::triggered, this, &SettingsActions::showChanges);
    connect(exportAction_, &QAction::triggered, this, &SettingsActions::exportSettings);
    connect(applyAction_, &QAction::triggered, this, &SettingsActions::applySettings);
    connect(&document_, &DecoderDocument::opened, this, &SettingsActions::updateEnabled);
}

void SettingsActions::addTo(QWidget *panel)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    panel->addAction(separator);
    for (QAction *action : {diffAction_, exportAction_, applyAction_})
        panel->addAction(action);
}

void SettingsActions::updateEnabled()
{
    for (QAction *action : {diffAction_, exportAction_, applyAction_})
        action->setEnabled(document_.hasFile());
}

std::unique_ptr<DecoderSession> SettingsActions::shownSession(bool withCopies)
{
    DecoderDocument::Shown shown = document_.shownSession(withCopies);
    if (shown.fault)
        Dialogs::warningOk(window_, shown.fault->message);
    return std::move(shown.session);
}

QJsonObject SettingsActions::documentOf(DecoderSession &session) const
{
    return Settings::exportSettings(session, document_.source());
}

std::optional<QJsonObject> SettingsActions::documentWithWorkingCopies()
{
    if (document_.waitingEditors().isEmpty())
        return std::nullopt;
    if (auto shown = shownSession(true))
        return documentOf(*shown);
    return std::nullopt;
}

QString SettingsActions::changesText()
{
    if (!document_.hasFile())
        return {};
    auto shown = shownSession();
    if (!shown)
        return {};
    DecoderSession asLoaded = document_.fileSession();
    const QJsonObject now = documentOf(*shown);
    const QStringList changed = Settings::compareSettings(documentOf(asLoaded), now).lines;
    const QStringList corrected = Settings::loadCorrections(document_.fileSession());
    QStringList waiting;
    if (const auto withCopies = documentWithWorkingCopies())
        waiting = Settings::compareSettings(now, *withCopies).lines;
    if (changed.isEmpty() && corrected.isEmpty() && waiting.isEmpty())
        return tr("Keine Änderungen gegenüber der geladenen Datei.") + QLatin1Char('\n');
    QStringList parts;
    for (const QString &part : {section(tr("Geändert gegenüber der geladenen Datei:"), changed),
                                section(tr("Beim Laden selbst korrigiert:"), corrected),
                                section(tr("Noch nicht übernommen (nicht im Image):"), waiting)}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QLatin1Char('\n'));
}

void SettingsActions::showChanges()
{
    const QString text = changesText();
    if (!text.isEmpty())
        showChangesDialog(window_, text);
}

void SettingsActions::exportSettings()
{
    if (!document_.hasFile())
        return;
    if (!document_.session().recognised()) {
        Dialogs::warningOk(window_, DecoderSession::unrecognisedMessage());
        return;
    }
    auto shown = shownSession();
    if (!shown)
        return;
    const QByteArray text = Settings::documentText(documentOf(*shown));
    // Named after the HEX file, in the folder of the last settings document.
    const QFileInfo file(document_.identity().path);
    const QString proposed = QDir(Dialogs::lastFolder(documentFilter(), file.absolutePath()))
                                 .filePath(file.completeBaseName() + QStringLiteral(".json"));
    const QString path = Dialogs::getSaveFileName(window_, documentFilter(), QStringLiteral("json"), proposed);
    if (path.isEmpty())
        return;
    // Read back before it takes the name: a failed check keeps the old file.
    if (const auto failure = saveVerified(path, text))
        Dialogs::warningOk(window_, *failure);
}

void SettingsActions::applySettings()
{
    emit actionFinished();
    if (!document_.hasFile())
        return;
    const QString path = Dialogs::getOpenFileName(
        window_, documentFilter(), Dialogs::lastFolder(documentFilter(), QFileInfo(document_.identity().path).absolutePath()));
    if (path.isEmpty())
        return;
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(window_, *file.error);
        return;
    }
    const Settings::ReadDocument read = Settings::readDocument(file.content);
    if (read.fault) {
        Dialogs::warningOk(window_, fileMessage(path, read.fault->text()));
        return;
    }
    // The whole document is tried on a copy first: a refused setting leaves
    // the window as it was and asks nothing.
    std::unique_ptr<DecoderSession> changed;
    for (bool copiesTaken = false;; copiesTaken = true) {
        changed = shownSession();
        if (!changed)
            return;
        if (const auto fault = Settings::applySettings(*changed, read.document)) {
            Dialogs::warningOk(window_, fileMessage(path, fault->text()));
            return;
        }
        if (document_.waitingEditors().isEmpty() || copiesTaken)
            break;
        if (!EditorFrameHost::applyWaitingCopies(document_, window_))
            return;
    }
    document_.replaceSession(std::move(*changed));
    emit actionFinished();
}
