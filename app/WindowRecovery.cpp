#include "app/WindowRecovery.h"

#include "app/FileActions.h"

#include "document/RecoveryDocument.h"
#include "ui/Dialogs.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

WindowRecovery::WindowRecovery(DecoderDocument &document, FileActions &files, QWidget *window)
    : QObject(window), document_(document), files_(files), window_(window)
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

bool WindowRecovery::keep(bool tellFailure)
{
    if (!document_.isModified()) {
        discard();
        return true;
    }
    DecoderDocument::Edits now = document_.edits();
    if (kept_ && *kept_ == now && keptPath_ == document_.identity().path)
        return true;
    if (const auto failure = keeper_.keep(RecoveryDocument::of(document_, QDateTime::currentDateTime()).toBytes())) {
        kept_.reset();
        if (tellFailure)
            Dialogs::warningOk(window_, tr("Die ungespeicherten Änderungen konnten nicht aufbewahrt werden:\n%1")
                                                  .arg(*failure));
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
}

void WindowRecovery::release()
{
    keeper_.release();
}

void WindowRecovery::offer()
{
    for (const QString &path : keeper_.leftBehind()) {
        if (restoreFrom(path))
            return;
    }
}

// True when the work was brought back; a file that was refused or declined is gone.
bool WindowRecovery::restoreFrom(const QString &path)
{
    const RecoveryKeeper::Found found = RecoveryKeeper::read(path);
    RecoveryDocument::ReadResult read = found.error ? RecoveryDocument::ReadResult(*found.error)
                                                    : RecoveryDocument::fromBytes(found.content);
    if (auto *refused = std::get_if<QString>(&read)) {
        Dialogs::warningOk(window_,
                           tr("Die aufbewahrten Änderungen in %1 sind nicht lesbar und werden verworfen:\n%2")
                               .arg(path, *refused));
        RecoveryKeeper::remove(path);
        return false;
    }
    const RecoveryDocument &document = *std::get<std::unique_ptr<RecoveryDocument>>(read);
    const QString name = document.filePath.isEmpty() ? tr("(ohne Namen)") : QFileInfo(document.filePath).fileName();
    const bool wanted = Dialogs::askYesNo(window_, tr("Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?")
                                                             .arg(name, document.written.toLocalTime().toString(
                                                                            QStringLiteral("dd.MM.yyyy HH:mm:ss"))));
    const int copiesLeft = wanted ? files_.restore(document) : -1;
    const bool restored = copiesLeft >= 0;
    if (restored && copiesLeft > 0)
        Dialogs::warningOk(window_, tr("Nicht übernommene Änderungen in %n Editor(en) passen nicht zum "
                                             "Decodertyp der Datei und wurden verworfen.",
                                             nullptr, copiesLeft));
    // Brought back, the work is this window's now (it keeps its own file of it).
    RecoveryKeeper::remove(path);
    if (restored)
        keep();
    return restored;
}
