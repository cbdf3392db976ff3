#include "app/FileActions.h"

#include "app/EditorFrameHost.h"
#include "app/RecentFilesPanel.h"
#include "document/DecoderDocument.h"
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

FileActions::FileActions(DecoderDocument &document, RecentFilesPanel &recent, QWidget *window, QProgressBar *progress,
                         QStatusBar *status)
    : QObject(window), document_(document), recent_(recent), window_(window), progress_(progress), status_(status)
{
    setObjectName(QStringLiteral("fileActions"));
    connect(&recent_, &RecentFilesPanel::openRequested, this, &FileActions::loadRecent);
    // A save's confirmation named the file before.
    connect(&document_, &DecoderDocument::opened, status_, &QStatusBar::clearMessage);
}

void FileActions::showProgress(int step)
{
    progress_->setMaximum(ProgressSteps);
    progress_->setValue(step);
}

// ---------------------------------------------------------------- loading

void FileActions::chooseAndLoad()
{
    if (!mayDiscardChanges())
        return;
    const QString path =
        Dialogs::getOpenFileName(window_, Dialogs::hexFileFilter(), recent_.files().folder());
    if (!path.isEmpty())
        load(path);
}

bool FileActions::load(const QString &path)
{
    const bool loaded = loadNow(path);
    showProgress(Idle);
    recent_.startFileDone();
    return loaded;
}

bool FileActions::loadNow(const QString &path)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(window_, *file.error);
        return false;
    }
    showProgress(FileReadStep);
    // The file loads into a session of its own: a file that fails leaves the
    // one on screen exactly as it was. (On the heap: a session holds the whole
    // image, over a hundred kilobytes.)
    auto loaded = std::make_unique<DecoderSession>();
    const DecoderSession::LoadOutcome outcome = loaded->load(file.content, path);
    if (outcome.error) {
        Dialogs::showMessage(window_, *outcome.error);
        return false;
    }
    showProgress(ImageReadStep);
    document_.open(std::move(*loaded), {path, file.content, outcome.damage.findings()}, outcome.lines);
    showProgress(ShownStep);
    recent_.noteLoaded(path);
    if (outcome.damage.any())
        Dialogs::warningOk(window_, outcome.damage.findings().join(u'\n'));
    return true;
}

bool FileActions::loadAsked(const QString &path)
{
    return mayDiscardChanges() && load(path);
}

bool FileActions::loadRecent(const QString &path)
{
    if (!QFileInfo(path).isFile())
        recent_.forget(path);
    return loadAsked(path);
}

bool FileActions::mayDiscardChanges()
{
    if (!document_.isModified())
        return true;
    // Enter and Escape keep the work: only a click on "Ja" throws it away.
    return Dialogs::askYesNo(window_,
                             tr("Ungespeicherte Änderungen an %1 verwerfen?")
                                 .arg(QFileInfo(document_.identity().path).fileName()),
                             true);
}

// ---------------------------------------------------------------- drops

void FileActions::acceptFileDropsOver(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (widget != window_ && widget->acceptDrops())
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
    if (document_.identity().damageFindings.isEmpty())
        return true;
    QStringList findings;
    for (const QString &finding : document_.identity().damageFindings)
        findings << (finding.endsWith(u'.') ? finding.chopped(1) : finding);
    return Dialogs::askYesNo(window_,
                             tr("Die geladene Datei war beschädigt (%1). Mit neuen Prüfsummen speichern?")
                                 .arg(findings.join(QStringLiteral("; "))),
                             true);
}

bool FileActions::writeSlots()
{
    const auto fault = document_.writeSlots();
    if (!fault)
        return true;
    Dialogs::warningCancel(window_, fault->message);
    emit slotRefused(*fault);
    return false;
}

bool FileActions::mayReplaceChangedBase(const QString &path)
{
    const std::optional<FileFingerprint> &changedBase = document_.changedBase();
    const QString basePath = document_.identity().path;
    const QString base = QFileInfo(basePath).canonicalFilePath();
    if (!changedBase || (path != basePath && (base.isEmpty() || QFileInfo(path).canonicalFilePath() != base)))
        return true;
    const std::optional<FileFingerprint> now = FileFingerprint::of(path);
    if (!now || now->sameContentAs(*changedBase))
        return true;
    return Dialogs::askYesNo(window_,
                             tr("%1 wurde von einem anderen Programm geändert, nachdem die wiederhergestellten "
                                "Änderungen aufbewahrt wurden. Die Datei trotzdem ersetzen?")
                                 .arg(QFileInfo(path).fileName()),
                             true);
}

void FileActions::save()
{
    DecoderSession &session = document_.session();
    if (const auto fault = session.checkWritable()) {
        Dialogs::warningCancel(window_, *fault);
        return;
    }
    if (!mayWriteDamagedFile() || !EditorFrameHost::applyWaitingCopies(document_, window_) || !writeSlots())
        return;
    showProgress(SlotsWrittenStep);
    if (session.buildHexLines() == 0) {
        showProgress(Idle);
        Dialogs::warningCancel(window_, DecoderSession::checksumProblemMessage());
        return;
    }
    showProgress(LinesBuiltStep);
    const QString path = Dialogs::getSaveFileName(window_, Dialogs::hexFileFilter(), QStringLiteral("hex"),
                                                  document_.identity().path);
    if (path.isEmpty() || !mayReplaceChangedBase(path)) {
        showProgress(Idle);
        return;
    }
    // The file is read back and compared with the image; a mismatch fails the save.
    showProgress(WrittenStep);
    const auto failure = session.saveFile(path);
    if (failure) {
        showProgress(Idle);
        Dialogs::warningOk(window_, *failure);
        return;
    }
    showProgress(CheckedStep);
    document_.saved(path, session.fileContent());
    recent_.noteSaved(path);
    status_->showMessage(tr("Gespeichert und geprüft: %1").arg(shownPath(path)), SaveConfirmationMs);
    showProgress(Idle);
}
