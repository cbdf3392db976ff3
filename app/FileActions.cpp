#include "app/FileActions.h"

#include "app/EditHistory.h"
#include "app/EditorFrameHost.h"
#include "app/RecentFilesPanel.h"
#include "app/RecoveryDocument.h"
#include "app/SlotGrid.h"
#include "decoder/DecoderSession.h"
#include "frames/EditorFrame.h"
#include "image/HexFile.h"
#include "image/SafeFile.h"
#include "ui/Dialogs.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>

#include <memory>

namespace {

constexpr int SaveConfirmationMs = 10000;

// The progress bar's range while a load or a save runs, and its steps.
constexpr int ProgressSteps = 32;
constexpr int FileReadStep = 8;
constexpr int ImageReadStep = 16;
constexpr int ShownStep = 32;
constexpr int SlotsWrittenStep = 8;
constexpr int LinesBuiltStep = 16;
constexpr int WrittenStep = 24;
constexpr int CheckedStep = 32;
constexpr int Idle = 0;

} // namespace

FileActions::FileActions(Parts parts) : QObject(parts.window), parts_(std::move(parts))
{
    setObjectName(QStringLiteral("fileActions"));
    connect(&parts_.recent, &RecentFilesPanel::openRequested, this, &FileActions::loadRecent);
}

void FileActions::showProgress(int step)
{
    parts_.progress->setMaximum(ProgressSteps);
    parts_.progress->setValue(step);
}

// ---------------------------------------------------------------- loading

void FileActions::chooseAndLoad()
{
    if (!mayDiscardChanges())
        return;
    const QString path =
        Dialogs::getOpenFileName(parts_.window, Dialogs::hexFileFilter(), parts_.recent.files().folder());
    if (!path.isEmpty())
        load(path);
}

bool FileActions::load(const QString &path)
{
    const bool loaded = loadNow(path);
    showProgress(Idle);
    parts_.recent.startFileDone();
    return loaded;
}

bool FileActions::loadNow(const QString &path)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(parts_.window, *file.error);
        return false;
    }
    showProgress(FileReadStep);
    // The file loads into a session of its own: a file that fails leaves the
    // one on screen exactly as it was. (On the heap: a session holds the whole
    // image, over a hundred kilobytes.)
    auto loaded = std::make_unique<DecoderSession>();
    const DecoderSession::LoadOutcome outcome = loaded->load(file.content);
    if (outcome.error) {
        Dialogs::showMessage(parts_.window, *outcome.error);
        return false;
    }
    showProgress(ImageReadStep);
    loaded->filePath = path;
    {
        // What the window does while it shows the file is no user action.
        const EditHistory::Quiet quiet(parts_.history);
        parts_.session = std::move(*loaded);
        parts_.showLoadedSession(outcome.lines);
    }
    showProgress(ShownStep);
    damageFindings_ = outcome.damage.findings();
    parts_.history.reset();
    parts_.recent.noteLoaded(path);
    parts_.showFilePath();
    if (outcome.damage.any())
        Dialogs::warningOk(parts_.window, outcome.damage.findings().join(u'\n'));
    return true;
}

bool FileActions::restore(const RecoveryDocument &document, const std::function<void()> &restoreWork)
{
    auto loaded = std::make_unique<DecoderSession>();
    const DecoderSession::LoadOutcome outcome = loaded->load(document.loadedContent());
    if (outcome.error) {
        Dialogs::showMessage(parts_.window, *outcome.error);
        return false;
    }
    loaded->filePath = document.filePath;
    {
        const EditHistory::Quiet quiet(parts_.history);
        parts_.session = std::move(*loaded);
        parts_.showLoadedSession(outcome.lines);
        restoreWork();
    }
    damageFindings_ = document.damageFindings;
    parts_.history.resetUnsaved();
    parts_.showFilePath();
    return true;
}

bool FileActions::loadAsked(const QString &path)
{
    return mayDiscardChanges() && load(path);
}

bool FileActions::loadRecent(const QString &path)
{
    if (!QFileInfo(path).isFile())
        parts_.recent.forget(path);
    return loadAsked(path);
}

bool FileActions::mayDiscardChanges()
{
    parts_.history.actionFinished();
    if (!parts_.history.isModified())
        return true;
    // Enter and Escape keep the work: only a click on "Ja" throws it away.
    return Dialogs::askYesNo(parts_.window,
                             tr("Ungespeicherte Änderungen an %1 verwerfen?")
                                 .arg(QFileInfo(parts_.session.filePath).fileName()),
                             true);
}

// ---------------------------------------------------------------- drops

void FileActions::acceptFileDropsOver(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (widget != parts_.window && widget->acceptDrops())
            widget->installEventFilter(this);
    }
}

bool FileActions::eventFilter(QObject *watched, QEvent *event)
{
    return takeHexFileDrag(event) || QObject::eventFilter(watched, event);
}

// A single .hex file dropped on the window loads as after the open dialog;
// any other drop is left alone.
bool FileActions::takeHexFileDrag(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = droppedHexFile(drop->mimeData()->urls());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        loadAsked(path);
    return true;
}

// ---------------------------------------------------------------- saving

// A file that loaded damaged is written with fresh checksums only when the
// user says so once more, naming what was found; Enter and Escape say no.
bool FileActions::mayWriteDamagedFile()
{
    if (damageFindings_.isEmpty())
        return true;
    QStringList findings;
    for (const QString &finding : damageFindings_)
        findings << (finding.endsWith(u'.') ? finding.chopped(1) : finding);
    return Dialogs::askYesNo(parts_.window,
                             tr("Die geladene Datei war beschädigt (%1). Mit neuen Prüfsummen speichern?")
                                 .arg(findings.join(QStringLiteral("; "))),
                             true);
}

void FileActions::save()
{
    DecoderSession &session = parts_.session;
    if (const auto fault = session.checkWritable()) {
        Dialogs::warningCancel(parts_.window, *fault);
        return;
    }
    if (!mayWriteDamagedFile() || !parts_.frames.applyWaitingChanges(parts_.window)
        || !parts_.grid.writeToSession(parts_.window))
        return;
    showProgress(SlotsWrittenStep);
    if (session.buildHexLines() == 0) {
        showProgress(Idle);
        Dialogs::warningCancel(parts_.window, DecoderSession::checksumProblemMessage());
        return;
    }
    showProgress(LinesBuiltStep);
    const QString path = Dialogs::getSaveFileName(parts_.window, Dialogs::hexFileFilter(), QStringLiteral("hex"),
                                                  session.filePath);
    if (path.isEmpty() || (mayReplace_ && !mayReplace_(path))) {
        showProgress(Idle);
        return;
    }
    // The file is read back and compared with the image; a mismatch fails the save.
    const auto failure = session.saveFile(path, [this](const QString &written) {
        showProgress(WrittenStep);
        emit fileWritten(written);
    });
    if (failure) {
        showProgress(Idle);
        Dialogs::warningOk(parts_.window, *failure);
        return;
    }
    showProgress(CheckedStep);
    damageFindings_.clear();
    session.filePath = path;
    parts_.history.markSaved();
    parts_.showFilePath();
    parts_.recent.noteSaved(path);
    parts_.status->showMessage(tr("Gespeichert und geprüft: %1").arg(shownPath(path)), SaveConfirmationMs);
    showProgress(Idle);
}
