#include "app/WindowRecovery.h"

#include "app/EditHistory.h"
#include "app/EditorFrameHost.h"
#include "app/FileActions.h"
#include "app/RecoveryDocument.h"
#include "app/SlotGrid.h"
#include "decoder/DecoderSession.h"
#include "ui/Dialogs.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

WindowRecovery::WindowRecovery(Parts parts, QObject *parent)
    : QObject(parent),
      parts_(std::move(parts))
{
    // Work given up goes at once; work to keep is written when the event
    // loop next turns, once for a run of steps made without a turn.
    due_ = new QTimer(this);
    due_->setSingleShot(true);
    due_->setInterval(0);
    connect(due_, &QTimer::timeout, this, [this] { keep(); });
    connect(&parts_.history, &EditHistory::settled, this, [this] {
        if (parts_.history.isModified())
            due_->start();
        else
            keep();
    });
}

RecoveryDocument WindowRecovery::document() const
{
    RecoveryDocument document;
    document.filePath = parts_.session.filePath;
    document.written = QDateTime::currentDateTime();
    document.image = parts_.session.image;
    for (int s = 0; s < RecoveryDocument::Slots; ++s) {
        document.addressTexts[s] = parts_.grid.addressText(s);
        document.functionTexts[s] = parts_.grid.functionText(s);
        document.green[s] = parts_.session.slotValues[s].green;
    }
    document.damageFindings = parts_.files.damageFindings();
    document.frameCopies = parts_.frames.namedWorkingCopies();
    return document;
}

bool WindowRecovery::keep(bool tellFailure)
{
    if (!parts_.history.isModified()) {
        discard();
        return true;
    }
    WindowState now = parts_.capture();
    if (kept_ && *kept_ == now && keptPath_ == parts_.session.filePath)
        return true;
    if (const auto failure = keeper_.keep(document().toBytes())) {
        kept_.reset();
        if (tellFailure)
            Dialogs::warningOk(parts_.window, tr("Die ungespeicherten Änderungen konnten nicht aufbewahrt werden:\n%1")
                                                  .arg(*failure));
        return false;
    }
    kept_ = std::move(now);
    keptPath_ = parts_.session.filePath;
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
        Dialogs::warningOk(parts_.window,
                           tr("Die aufbewahrten Änderungen in %1 sind nicht lesbar und werden verworfen:\n%2")
                               .arg(path, *refused));
        RecoveryKeeper::remove(path);
        return false;
    }
    const RecoveryDocument &document = *std::get<std::unique_ptr<RecoveryDocument>>(read);
    const QString name = document.filePath.isEmpty() ? tr("(ohne Namen)") : QFileInfo(document.filePath).fileName();
    const bool wanted = Dialogs::askYesNo(parts_.window, tr("Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?")
                                                             .arg(name, document.written.toLocalTime().toString(
                                                                            QStringLiteral("dd.MM.yyyy HH:mm:ss"))));
    int copiesLeft = 0;
    const bool restored = wanted && parts_.files.restore(document, [this, &document, &copiesLeft] {
        WindowState state;
        state.image = std::make_shared<const ImageSnapshot>(document.image);
        state.addressTexts = document.addressTexts;
        state.functionTexts = document.functionTexts;
        state.green = document.green;
        parts_.restore(state);
        // The editors the file's type shows take their working copies back,
        // showing the curve or address they showed.
        parts_.frames.restoreWorkingCopies(parts_.frames.inFrameOrder(document.frameCopies, copiesLeft), true);
    });
    if (restored && copiesLeft > 0)
        Dialogs::warningOk(parts_.window, tr("Nicht übernommene Änderungen in %n Editor(en) passen nicht zum "
                                             "Decodertyp der Datei und wurden verworfen.",
                                             nullptr, copiesLeft));
    // Brought back, the work is this window's now (it keeps its own file of it).
    RecoveryKeeper::remove(path);
    if (restored)
        keep();
    return restored;
}
