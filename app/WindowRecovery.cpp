#include "app/WindowRecovery.h"

#include "decoder/DecoderSession.h"
#include "document/RecoveryDocument.h"
#include "image/DesktopLanguage.h"
#include "preferences/RecentFiles.h"
#include "ui/Dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

WindowRecovery::WindowRecovery(DecoderDocument &document, QWidget *window)
    : QObject(window), document_(document), window_(window)
{
    // Work given up goes at once; work to keep is written when the event
    // loop next turns, once for a run of steps made without a turn.
    due_ = new QTimer(this);
    due_->setSingleShot(true);
    due_->setInterval(0);
    connect(due_, &QTimer::timeout, this, [this] { keep(); });
}

void WindowRecovery::workSettled()
{
    if (document_.isModified())
        due_->start();
    else
        keep();
}

// The bytes the document holds of its file as loaded or last saved, with the
// time the file was last modified when they were first kept (none when it is
// gone: the bytes kept still tell what it held).
const std::optional<FileFingerprint> &WindowRecovery::baseFingerprint()
{
    const DecoderDocument::Identity &file = document_.identity();
    const QByteArray sha256 = file.sha256();
    if (basePath_ != file.path || baseContent_ != sha256) {
        basePath_ = file.path;
        baseContent_ = sha256;
        const QDateTime modified = QFileInfo(file.path).lastModified();
        base_.reset();
        if (!file.path.isEmpty() && !file.content.isEmpty() && modified.isValid())
            base_ = FileFingerprint::ofContent(file.content, modified);
    }
    return base_;
}

bool WindowRecovery::keep(bool tellFailure)
{
    if (!document_.isModified()) {
        discard();
        return true;
    }
    DecoderDocument::Edits now = document_.edits();
    if (kept_ && *kept_ == now && keptPath_ == document_.identity().path)
        return true;
    RecoveryDocument kept = RecoveryDocument::of(document_, QDateTime::currentDateTime());
    kept.base = baseFingerprint();
    if (const auto failure = keeper_.keep(kept.toBytes())) {
        kept_.reset();
        // Told at the first failure, not again at every edit while it lasts.
        if (tellFailure)
            Dialogs::warningOk(window_, tr("Die ungespeicherten Änderungen konnten nicht aufbewahrt werden:\n%1")
                                            .arg(*failure));
        else if (!keeper_.failedBefore())
            Dialogs::warningOk(window_, tr("Die ungespeicherten Änderungen an %1 werden nicht aufbewahrt; bei "
                                           "einem Absturz gehen sie verloren. Speichern Sie die Datei:\n%2")
                                            .arg(QFileInfo(document_.identity().path).fileName(), *failure));
        return false;
    }
    kept_ = std::move(now);
    keptPath_ = document_.identity().path;
    return true;
}

void WindowRecovery::discard()
{
    keeper_.discard();
    kept_.reset();
    basePath_.clear();
    baseContent_.clear();
    base_.reset();
    document_.setChangedBase(std::nullopt);
}

void WindowRecovery::release()
{
    keeper_.release();
}

void WindowRecovery::offer()
{
    for (const QString &path : keeper_.leftBehind()) {
        // Held through the question: another window does not offer it too.
        const RecoveryKeeper::Claim claim = RecoveryKeeper::claim(path);
        if (claim && restoreFrom(path))
            return;
    }
}

// A file that cannot be brought back is put aside, never deleted; declined
// work goes, work asked about later stays where it is.
bool WindowRecovery::restoreFrom(const QString &path)
{
    const RecoveryKeeper::Found found = RecoveryKeeper::read(path);
    if (found.error) {
        keepAside(path, QStringLiteral("unreadable"),
                  tr("Die aufbewahrten Änderungen in %1 lassen sich nicht öffnen:\n%2").arg(path, *found.error));
        return false;
    }
    RecoveryDocument::ReadResult read = RecoveryDocument::fromBytes(found.content);
    if (auto *refused = std::get_if<QString>(&read)) {
        if (RecoveryDocument::isNewerVersion(found.content))
            keepAside(path, QStringLiteral("newer-version"),
                      tr("Die aufbewahrten Änderungen in %1 stammen von einer neueren Version von Quaxel:\n%2")
                          .arg(path, *refused));
        else
            keepAside(path, QStringLiteral("damaged"),
                      tr("Die aufbewahrten Änderungen in %1 sind nicht lesbar:\n%2").arg(path, *refused));
        return false;
    }
    const RecoveryDocument &document = *std::get<std::unique_ptr<RecoveryDocument>>(read);
    // The lines the work started from load before the question: work that
    // cannot come back is not offered.
    const DecoderSession::LoadOutcome lines = std::make_unique<DecoderSession>()->load(document.loadedContent());
    if (lines.error) {
        keepAside(path, QStringLiteral("damaged"),
                  tr("Die aufbewahrten Änderungen in %1 lassen sich nicht wiederherstellen, weil die Zeilen der "
                     "Datei, von der sie ausgehen, nicht mehr laden:\n%2")
                      .arg(path, lines.error->text));
        return false;
    }
    const std::optional<QString> note = baseChangeNote(document);
    switch (askRestore(document, note)) {
    case Answer::Later:
        return false;
    case Answer::Discard:
        RecoveryKeeper::remove(path);
        return false;
    case Answer::Restore:
        break;
    }
    if (!bringBack(document)) {
        keepAside(path, QStringLiteral("damaged"),
                  tr("Die aufbewahrten Änderungen in %1 ließen sich nicht wiederherstellen.").arg(path));
        return false;
    }
    // Brought back, the work is this window's now (it keeps its own file of
    // it, with the fingerprint of the file it started from).
    RecoveryKeeper::remove(path);
    basePath_ = document_.identity().path;
    baseContent_ = document_.identity().sha256();
    base_ = document.base;
    if (note && document.base)
        document_.setChangedBase(document.base);
    keep();
    return true;
}

bool WindowRecovery::bringBack(const RecoveryDocument &document)
{
    const DecoderDocument::Restored restored = document_.restoreKept(document);
    if (restored.error) {
        Dialogs::showMessage(window_, *restored.error);
        return false;
    }
    if (restored.copiesLeftOut > 0)
        Dialogs::warningOk(window_, tr("Nicht übernommene Änderungen in %n Editor(en) passen nicht zum "
                                       "Decodertyp der Datei und wurden verworfen.",
                                       nullptr, restored.copiesLeftOut));
    return true;
}

void WindowRecovery::keepAside(const QString &path, const QString &why, const QString &fault)
{
    const RecoveryKeeper::KeptAside aside = RecoveryKeeper::keepAside(path, why);
    const QString where = aside.error ? tr("Die Datei wurde nicht gelöscht; sie ließ sich nicht umbenennen:\n%1")
                                            .arg(*aside.error)
                                      : tr("Die Datei wurde nicht gelöscht, sondern umbenannt in:\n%1").arg(aside.path);
    Dialogs::warningOk(window_, fault + u'\n' + where);
}

// Enter brings the work back; Escape and closing the box ask again at the next start.
WindowRecovery::Answer WindowRecovery::askRestore(const RecoveryDocument &document, const std::optional<QString> &baseNote)
{
    const QString name = document.filePath.isEmpty() ? tr("(ohne Namen)") : shownName(document.filePath);
    QString question = tr("Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?")
                           .arg(name, dateTimeText(document.written.toLocalTime()));
    if (baseNote)
        question += QStringLiteral("\n\n") + *baseNote;
    switch (Dialogs::askChoice(window_, question, tr("Wiederherstellen"), tr("Verwerfen"), tr("Später fragen"))) {
    case 0:
        return Answer::Restore;
    case 1:
        return Answer::Discard;
    default:
        return Answer::Later;
    }
}

// The file as the recent list names it: with the folders that tell it apart
// from the files there.
QString WindowRecovery::shownName(const QString &path) const
{
    QStringList paths = knownFiles_;
    paths.removeAll(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    paths.prepend(path);
    return QDir::toNativeSeparators(distinguishingNames(paths).constFirst());
}

std::optional<QString> WindowRecovery::baseChangeNote(const RecoveryDocument &document) const
{
    if (!document.base || document.filePath.isEmpty())
        return std::nullopt;
    const QString name = shownName(document.filePath);
    const std::optional<FileFingerprint> now = FileFingerprint::of(document.filePath);
    if (!now)
        return tr("%1 gibt es nicht mehr oder lässt sich nicht lesen.").arg(name);
    if (now->sameContentAs(*document.base))
        return std::nullopt;
    return tr("Achtung: %1 wurde geändert, nachdem die Änderungen aufbewahrt wurden (am %2). Sie gehen von der "
              "alten Fassung aus; vor dem Speichern über die Datei wird gefragt.")
        .arg(name, dateTimeText(now->modified.toLocalTime()));
}
