#include "app/TFormMain.h"

#include "app/EditHistory.h"
#include "app/FileActions.h"
#include "app/RecentFilesPanel.h"
#include "app/SettingsActions.h"
#include "app/SheetActions.h"
#include "app/Version.h"
#include "image/DesktopLanguage.h"
#include "app/WebPage.h"
#include "app/WindowRecovery.h"
#include "app/WindowShortcuts.h"
#include "frames/EditorFrame.h"
#include "info/TfrmInfo.h"
#include "ui/Dialogs.h"
#include "ui/PlainText.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

TFormMain::TFormMain(const QString &settingsPath, QWidget *parent)
    : QWidget(parent), grid_(document_), frames_(document_), settings_(settingsPath)
{
    setObjectName(QStringLiteral("FormMain"));
    createControls();
    setWindowTitle(programCaption());
    setStatusPanelText(4, tr(" %1 vom %2").arg(programCaption(), longDateText(programReleaseDate())));

    grid_.setParent(this);
    frames_.setParent(this);
    grid_.build(GroupBoxMain, btn_close);
    Line = grid_.line();
    frames_.attach(this, GroupBoxMain);
    connect(&frames_, &EditorFrameHost::arrangeWindow, this, &TFormMain::ArrangeWindow);
    btn_save->setEnabled(false);
    setAcceptDrops(true);

    GroupBoxMain->setGeometry(5, 5, 400, 475);
    createParts();
    LoadSettings();
    ResetWindowLayout();
}

TFormMain::~TFormMain()
{
    // The controls go after the parts; an edit that has the focus still tells
    // of the end of its editing then, and nothing records it any more.
    delete history_;
    history_ = nullptr;
}

// The parts meet here: each takes the document; the grid, the frames and the
// settings actions tell the history of changes and finished actions; the
// document tells the window what to show.
void TFormMain::createParts()
{
    history_ = new EditHistory(document_, this);
    recent_ = new RecentFilesPanel(GroupBoxMain, btn_load, this);
    files_ = new FileActions(document_, *recent_, this, ProgressBar1, StatusBar1);
    shortcuts_ = new WindowShortcuts(this);
    shortcuts_->addUndoCommands(GroupBoxButtons, history_->undoAction(), history_->redoAction());
    settingsActions_ = new SettingsActions(document_, this);
    settingsActions_->addTo(GroupBoxButtons);
    shortcuts_->addChangesCommand(settingsActions_->showChangesAction());
    recovery_ = new WindowRecovery(document_, this);
    sheetActions_ = new SheetActions(document_, this);
    sheetActions_->addTo(GroupBoxButtons);

    connect(shortcuts_, &WindowShortcuts::loadPressed, btn_load, &QPushButton::click);
    connect(shortcuts_, &WindowShortcuts::savePressed, btn_save, &QPushButton::click);
    connect(shortcuts_, &WindowShortcuts::infoPressed, btn_info, &QPushButton::click);
    connect(shortcuts_, &WindowShortcuts::closePressed, this, [this] { window()->close(); });
    connect(&document_, &DecoderDocument::opened, this, &TFormMain::showLoadedSession);
    connect(&document_, &DecoderDocument::identityChanged, this, &TFormMain::showFilePath);
    connect(recent_, &RecentFilesPanel::listChanged, this, [this] { settings_.saveRecentFiles(*recent_); });
    connect(files_, &FileActions::slotRefused, &grid_, &SlotGrid::showRefused);
    connect(history_, &EditHistory::modifiedChanged, this, &TFormMain::updateTitle);
    connect(history_, &EditHistory::settled, recovery_, &WindowRecovery::workSettled);
    connect(&grid_, &SlotGrid::changed, history_, &EditHistory::changed);
    connect(&grid_, &SlotGrid::actionFinished, history_, &EditHistory::actionFinished);
    connect(&frames_, &EditorFrameHost::changed, history_, &EditHistory::changed);
    connect(&frames_, &EditorFrameHost::actionFinished, history_, &EditHistory::actionFinished);
    connect(settingsActions_, &SettingsActions::actionFinished, history_, &EditHistory::actionFinished);
    connect(&grid_, &SlotGrid::rowMade, this, [this](const QList<QWidget *> &controls) {
        for (QWidget *control : controls)
            adoptControls(control);
    });
    connect(&frames_, &EditorFrameHost::frameMade, this, [this](EditorFrame *frame) {
        adoptControls(frame);
        connect(frame, &EditorFrame::controlsMade, this, [this](const QList<QWidget *> &controls) {
            for (QWidget *control : controls)
                adoptControls(control);
        });
    });
    adoptControls(this);
}

void TFormMain::adoptControls(QWidget *root)
{
    files_->acceptFileDropsOver(root);
    shortcuts_->leaveKeysToWindow(root);
}

void TFormMain::setStatusPanelText(int panel, const QString &text)
{
    PlainText::setLabelText(statusPanels_.at(panel), text);
}

void TFormMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    recent_->windowShown();
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Image2 || watched == GroupBoxImage) && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        gointoweb();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    files_->takeHexFileDrag(event);
}

void TFormMain::dragMoveEvent(QDragMoveEvent *event)
{
    files_->takeHexFileDrag(event);
}

void TFormMain::dropEvent(QDropEvent *event)
{
    files_->takeHexFileDrag(event);
}

// ---------------------------------------------------------------- settings and layout

void TFormMain::LoadSettings()
{
    settings_.load(*this, frames_, *recent_);
}

bool TFormMain::SaveSettings()
{
    return settings_.save(*this, frames_, *recent_);
}

// ---------------------------------------------------------------- files

void TFormMain::btn_loadClick()
{
    files_->chooseAndLoad();
}

bool TFormMain::loadHexFile(const QString &path)
{
    return files_->load(path);
}

void TFormMain::expectStartFile()
{
    recent_->expectStartFile();
}

void TFormMain::btn_saveClick()
{
    files_->save();
}

void TFormMain::showLoadedSession()
{
    const HexLoadResult &lines = document_.readResult();
    recent_->hideHint();
    for (int panel = 0; panel < 4; ++panel)
        setStatusPanelText(panel, QString());
    frames_.hideAll();
    if (lines.idRecordRead) {
        setStatusPanelText(0, QStringLiteral("ID: ") + lines.id);
        setStatusPanelText(1, QStringLiteral("V ") + lines.version);
    }
    ApplyDecoderType();
    ApplyProtocolLimits();
    ReadSlots();
    btn_save->setEnabled(true);
}

void TFormMain::showFilePath()
{
    setStatusPanelText(4, document_.identity().path);
    updateTitle();
}

// ---------------------------------------------------------------- the decoder and its slots

void TFormMain::ApplyDecoderType()
{
    document_.session().identify();
    setStatusPanelText(3, idPanelText(document_.session().ids()));
    ResetWindowLayout();
    if (document_.session().type())
        setStatusPanelText(3, document_.session().type()->label);
    grid_.showType();
    if (document_.session().type() && document_.session().editorFrame() != EditorFrameKind::None)
        ShowEditorFrame(document_.session().editorFrame());
    if (!document_.session().recognised())
        Dialogs::warningOk(this, DecoderSession::unrecognisedMessage());
}

void TFormMain::ShowEditorFrame(EditorFrameKind frame)
{
    frames_.show(frame);
}

void TFormMain::ApplyProtocolLimits()
{
    document_.session().applyProtocolLimits();
    setStatusPanelText(2, protocolPanelText(document_.session().protocol()));
    grid_.showProtocolLimits();
}

void TFormMain::ReadSlots()
{
    document_.session().readSlots();
    document_.showSlotValues();
    grid_.showDocument();
}

// ---------------------------------------------------------------- undo and the marker

// The title names the file; "* " before it marks changes not saved. The
// window's modified flag follows, for whoever shows the window.
void TFormMain::updateTitle()
{
    const bool modified = history_->isModified();
    setWindowModified(modified);
    if (document_.identity().path.isEmpty()) {
        setWindowTitle(programCaption());
        return;
    }
    // A file that loaded damaged stays marked until a save wrote it whole.
    const QString damaged = document_.identity().damageFindings.isEmpty() ? QString() : tr(" [beschädigt]");
    const QString title = PlainText::titleText(document_.identity().path) + damaged + QStringLiteral(" – ") + programCaption();
    setWindowTitle(modified ? QStringLiteral("* ") + title : title);
}

bool TFormMain::mayClose()
{
    // "Ende" ends without a question, its unsaved work kept in the recovery
    // file; the title bar and Ctrl+Q ask first, and a confirmed close gives
    // the work up.
    if (!endingByButton_) {
        if (!files_->mayDiscardChanges())
            return false;
        recovery_->discard();
    }
    recovery_->release();
    return true;
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// ---------------------------------------------------------------- the rest

void TFormMain::btn_infoClick()
{
    TfrmInfo dialog(document_.session().image, document_.identity().path, this);
    dialog.exec();
}

void TFormMain::btn_closeClick()
{
    if (!SaveSettings())
        return;
    // An edit still being typed is part of the work kept.
    history_->actionFinished();
    if (!recovery_->keep(true))
        return;
    endingByButton_ = true;
    window()->close();
    endingByButton_ = false;
}

void TFormMain::gointoweb()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebPageAddress)));
}

void TFormMain::offerRecovery()
{
    recovery_->knowFiles(recent_->files().files());
    recovery_->offer();
}

