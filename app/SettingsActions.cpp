#include "app/SettingsActions.h"

#include "app/EditHistory.h"
#include "app/EditorFrameHost.h"
#include "app/SlotGrid.h"
#include "decoder/DecoderSession.h"
#include "frames/EditorFrame.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsDocument.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <algorithm>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString documentFilter()
{
    return SettingsActions::tr("Einstellungen (*.json);;Alle Dateien (*)");
}

QAction *makeAction(QObject *parent, const QString &name, const QString &text)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    return action;
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

SettingsActions::SettingsActions(Parts parts) : QObject(parts.window), parts_(std::move(parts))
{
    setObjectName(QStringLiteral("settingsActions"));
    diffAction_ = makeAction(this, QStringLiteral("actShowChanges"), tr("Änderungen anzeigen…"));
    diffAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    exportAction_ = makeAction(this, QStringLiteral("actExportSettings"), tr("Einstellungen exportieren…"));
    applyAction_ = makeAction(this, QStringLiteral("actApplySettings"), tr("Einstellungen übernehmen…"));
    connect(diffAction_, &QAction::triggered, this, &SettingsActions::showChanges);
    connect(exportAction_, &QAction::triggered, this, &SettingsActions::exportSettings);
    connect(applyAction_, &QAction::triggered, this, &SettingsActions::applySettings);
}

void SettingsActions::addTo(QWidget *panel)
{
    parts_.window->addAction(diffAction_);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    panel->addAction(separator);
    for (QAction *action : {diffAction_, exportAction_, applyAction_})
        panel->addAction(action);
}

void SettingsActions::leaveKeysToWindow(QWidget *root)
{
    QList<QLineEdit *> edits = root->findChildren<QLineEdit *>();
    if (auto *edit = qobject_cast<QLineEdit *>(root))
        edits.prepend(edit);
    for (QLineEdit *edit : edits)
        edit->installEventFilter(this);
}

// A line edit may take Ctrl+D for deleting a character; the window's command
// comes first.
bool SettingsActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && diffAction_->shortcuts().contains(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SettingsActions::fileLoaded(const HexLoadResult &lines)
{
    loaded_ = std::make_unique<DecoderSession>(parts_.session);
    loadedContent_ = readInputFile(parts_.session.filePath).content;
    loadedVersion_ = Settings::versionOf(lines);
    updateEnabled();
}

void SettingsActions::updateEnabled()
{
    for (QAction *action : {diffAction_, exportAction_, applyAction_})
        action->setEnabled(loaded_ != nullptr);
}

std::unique_ptr<DecoderSession> SettingsActions::shownSession()
{
    auto shown = std::make_unique<DecoderSession>(parts_.session);
    std::array<QString, DecoderSession::SlotCount> addressTexts;
    std::array<QString, DecoderSession::SlotCount> functionTexts;
    for (int s = 0; s < DecoderSession::SlotCount; ++s) {
        addressTexts[static_cast<std::size_t>(s)] = parts_.grid.addressText(s);
        functionTexts[static_cast<std::size_t>(s)] = parts_.grid.functionText(s);
    }
    if (const auto fault = shown->writeSlots(addressTexts, functionTexts)) {
        Dialogs::warningOk(parts_.window, fault->message);
        return nullptr;
    }
    return shown;
}

Settings::Source SettingsActions::source() const
{
    return {shownPath(QFileInfo(parts_.session.filePath).fileName()), loadedContent_, loadedVersion_};
}

QJsonObject SettingsActions::documentOf(DecoderSession &session) const
{
    return Settings::exportSettings(session, source());
}

namespace {

bool workingCopiesWait(const std::vector<EditorFrame *> &frames)
{
    return std::any_of(frames.begin(), frames.end(), [](const EditorFrame *f) { return f->hasUnappliedChanges(); });
}

} // namespace

std::unique_ptr<DecoderSession> SettingsActions::sessionWithWorkingCopies()
{
    const std::vector<EditorFrame *> frames = parts_.frames.frames();
    if (!workingCopiesWait(frames))
        return shownSession();
    const EditHistory::Quiet quiet(parts_.history);
    const WindowState before = parts_.capture();
    for (EditorFrame *frame : frames) {
        if (frame->hasUnappliedChanges())
            frame->applyChanges();
    }
    auto shown = shownSession();
    parts_.restore(before);
    return shown;
}

std::optional<QJsonObject> SettingsActions::documentWithWorkingCopies()
{
    if (!workingCopiesWait(parts_.frames.frames()))
        return std::nullopt;
    if (auto shown = sessionWithWorkingCopies())
        return documentOf(*shown);
    return std::nullopt;
}

QString SettingsActions::changesText()
{
    parts_.history.actionFinished();
    if (!loaded_)
        return {};
    auto shown = shownSession();
    if (!shown)
        return {};
    DecoderSession asLoaded = *loaded_;
    const QJsonObject now = documentOf(*shown);
    const QStringList changed = Settings::compareSettings(documentOf(asLoaded), now).lines;
    const QStringList corrected = Settings::loadCorrections(*loaded_);
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
        showChangesDialog(parts_.window, text);
}

void SettingsActions::exportSettings()
{
    parts_.history.actionFinished();
    if (!loaded_)
        return;
    if (!parts_.session.recognised()) {
        Dialogs::warningOk(parts_.window, DecoderSession::unrecognisedMessage());
        return;
    }
    auto shown = shownSession();
    if (!shown)
        return;
    const QByteArray text = Settings::documentText(documentOf(*shown));
    const QFileInfo file(parts_.session.filePath);
    const QString proposed = file.dir().filePath(file.completeBaseName() + QStringLiteral(".json"));
    const QString path = Dialogs::getSaveFileName(parts_.window, documentFilter(), QStringLiteral("json"), proposed);
    if (path.isEmpty())
        return;
    if (const auto error = saveFileWhole(path, text))
        Dialogs::warningOk(parts_.window, fileMessage(path, *error));
}

void SettingsActions::applySettings()
{
    parts_.history.actionFinished();
    if (!loaded_)
        return;
    const QString path = Dialogs::getOpenFileName(parts_.window, documentFilter(),
                                                  QFileInfo(parts_.session.filePath).absolutePath());
    if (path.isEmpty())
        return;
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(parts_.window, *file.error);
        return;
    }
    const Settings::ReadDocument read = Settings::readDocument(file.content);
    if (read.fault) {
        Dialogs::warningOk(parts_.window, fileMessage(path, read.fault->text()));
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
            Dialogs::warningOk(parts_.window, fileMessage(path, fault->text()));
            return;
        }
        const std::vector<EditorFrame *> frames = parts_.frames.frames();
        const bool waiting =
            std::any_of(frames.begin(), frames.end(), [](const EditorFrame *f) { return f->hasUnappliedChanges(); });
        if (!waiting || copiesTaken)
            break;
        if (!parts_.frames.applyWaitingChanges(parts_.window))
            return;
    }
    parts_.session = std::move(*changed);
    parts_.grid.showValues();
    parts_.grid.colourAddresses();
    parts_.frames.restoreWorkingCopies({});
    parts_.history.actionFinished();
}
