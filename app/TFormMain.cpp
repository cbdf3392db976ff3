#include "app/TFormMain.h"

#include "LogoPixels.h"
#include "app/EditHistory.h"
#include "app/FileActions.h"
#include "app/RecentFilesPanel.h"
#include "app/SettingsActions.h"
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

namespace {

constexpr int StatusBarHeight = 20;
constexpr int ButtonsGroupHeight = 72;
constexpr int StartMinHeight = 630;
constexpr int StartMinWidth = 750;
constexpr int StatusPanelWidths[TFormMain::StatusPanelCount - 1] = {35, 50, 50, 250};

void makeBold(QWidget *widget)
{
    QFont f = widget->font();
    f.setBold(true);
    widget->setFont(f);
}

} // namespace

TFormMain::TFormMain(const QString &settingsPath, QWidget *parent)
    : QWidget(parent), grid_(session), frames_(session), settings_(settingsPath)
{
    setObjectName(QStringLiteral("FormMain"));
    createControls();
    setWindowTitle(programCaption());
    setStatusPanelText(4, tr(" %1 vom %2").arg(programCaption(), longDateText(programReleaseDate())));

    move(20, 20);
    setMinimumSize(StartMinWidth, StartMinHeight);
    resize(StartMinWidth, StartMinHeight);

    grid_.build(GroupBoxMain, btn_close);
    Line = grid_.line();
    frames_.attach(this, GroupBoxMain, [this](int imageLeft, int buttonsLeft, int height, int width) {
        ArrangeWindow(imageLeft, buttonsLeft, height, width);
    });
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

void TFormMain::createControls()
{
    GroupBoxMain = new QGroupBox(this);
    GroupBoxMain->setObjectName(QStringLiteral("GroupBoxMain"));
    GroupBoxMain->setGeometry(5, 5, 400, 475);

    GroupBoxButtons = new QGroupBox(this);
    GroupBoxButtons->setObjectName(QStringLiteral("GroupBoxButtons"));
    GroupBoxButtons->setGeometry(410, 515, 290, ButtonsGroupHeight);
    btn_load = Widgets::button(GroupBoxButtons, QStringLiteral("btn_load"), tr("HEX laden"),
                               tr("Hex-File laden.\nAnschliessend können Parameter wie z.B. die Adressen "
                                              "geändert werden."),
                               QRect(10, 14, 110, 25));
    btn_save = Widgets::button(GroupBoxButtons, QStringLiteral("btn_save"), tr("HEX speichern"),
                               tr("Hex-File speichern\nDas neue HEX-File kann dann in den PIC 'gebrannt' "
                                              "werden"),
                               QRect(130, 14, 110, 25));
    btn_info = Widgets::button(GroupBoxButtons, QStringLiteral("btn_info"), tr("HEX Info"),
                               tr("Anzeige der HEX-Daten"), QRect(250, 14, 70, 25));
    btn_close = Widgets::button(GroupBoxButtons, QStringLiteral("btn_close"), tr("Ende"),
                                tr("Programm beenden (ohne eine Nachfrage!)"), QRect(250, 42, 70, 25));
    for (QWidget *bold : {btn_load, btn_save, btn_close})
        makeBold(bold);
    connect(btn_load, &QPushButton::clicked, this, &TFormMain::btn_loadClick);
    connect(btn_save, &QPushButton::clicked, this, &TFormMain::btn_saveClick);
    connect(btn_info, &QPushButton::clicked, this, &TFormMain::btn_infoClick);
    connect(btn_close, &QPushButton::clicked, this, &TFormMain::btn_closeClick);

    // The steps of a load and a save.
    ProgressBar1 = new QProgressBar(GroupBoxButtons);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(10, 46, 230, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    GroupBoxImage = new QGroupBox(this);
    GroupBoxImage->setObjectName(QStringLiteral("GroupBoxImage"));
    GroupBoxImage->setAutoFillBackground(true);
    QPalette imagePalette = GroupBoxImage->palette();
    imagePalette.setColor(QPalette::Window, imagePalette.color(QPalette::HighlightedText));
    GroupBoxImage->setPalette(imagePalette);
    GroupBoxImage->installEventFilter(this);
    Image2 = new QLabel(GroupBoxImage);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->resize(200, 32);
    Image2->setToolTip(tr("Zur WebSite"));
    Image2->setCursor(Qt::PointingHandCursor);
    // The pixels stay where the program keeps them; the pixmap is made from them.
    Image2->setPixmap(QPixmap::fromImage(QImage(LogoRgb, LogoWidth, LogoHeight, 3 * LogoWidth, QImage::Format_RGB888)));
    Image2->installEventFilter(this);
    createStatusBar();
}

void TFormMain::createStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setToolTip(tr("Anzeige der HEX-Version und des Namens"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < StatusPanelCount; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i < StatusPanelCount - 1) {
            panel->setFixedWidth(StatusPanelWidths[i]);
            StatusBar1->addWidget(panel);
        } else {
            StatusBar1->addWidget(panel, 1);
        }
        statusPanels_[i] = panel;
    }
}

// The parts meet here: the grid and the frames tell the history of changes
// and finished actions; the history's marker goes into the title.
void TFormMain::createParts()
{
    history_ = new EditHistory([this] { return captureState(); },
                               [this](const WindowState &state) { restoreState(state); }, this);
    recent_ = new RecentFilesPanel(GroupBoxMain, btn_load, this);
    files_ = new FileActions({this, session, grid_, frames_, *history_, *recent_, ProgressBar1, StatusBar1,
                              [this](const HexLoadResult &lines) { showLoadedSession(lines); },
                              [this] { showFilePath(); }});
    shortcuts_ = new WindowShortcuts(this, {[this] { btn_load->click(); }, [this] { btn_save->click(); },
                                            [this] { btn_info->click(); }, [this] { window()->close(); }});
    shortcuts_->addUndoCommands(GroupBoxButtons, history_->undoAction(), history_->redoAction());
    settingsActions_ = new SettingsActions({this, session, grid_, frames_, *history_, [this] { return captureState(); },
                                            [this](const WindowState &state) { restoreState(state); }});
    settingsActions_->addTo(GroupBoxButtons);

    connect(recent_, &RecentFilesPanel::listChanged, this, [this] { settings_.saveRecentFiles(*recent_); });
    recovery_ = new WindowRecovery({this, session, grid_, frames_, *history_, *files_, [this] { return captureState(); },
                                    [this](const WindowState &state) { restoreState(state); }},
                                   this);
    connect(history_, &EditHistory::modifiedChanged, this, &TFormMain::updateTitle);
    connect(&grid_, &SlotGrid::changed, history_, &EditHistory::changed);
    connect(&grid_, &SlotGrid::actionFinished, history_, &EditHistory::actionFinished);
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
        connect(frame, &EditorFrame::changed, history_, &EditHistory::changed);
        connect(frame, &EditorFrame::actionFinished, history_, &EditHistory::actionFinished);
    });
    adoptControls(this);
}

void TFormMain::adoptControls(QWidget *root)
{
    files_->acceptFileDropsOver(root);
    history_->leaveUndoKeysToWindow(root);
    settingsActions_->leaveKeysToWindow(root);
}

QString TFormMain::statusPanelText(int panel) const
{
    return statusPanels_.at(panel)->text();
}

void TFormMain::setStatusPanelText(int panel, const QString &text)
{
    PlainText::setLabelText(statusPanels_.at(panel), text);
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    StatusBar1->setGeometry(0, height() - StatusBarHeight, width(), StatusBarHeight);
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

const RecentFiles &TFormMain::recentFiles() const
{
    return recent_->files();
}

void TFormMain::centreImage()
{
    Image2->move(GroupBoxImage->width() / 2 - Image2->width() / 2,
                 GroupBoxImage->height() / 2 - Image2->height() / 2);
}

void TFormMain::placeButtons()
{
    btn_load->move(10, btn_load->y());
    btn_save->move(Widgets::rightEdge(btn_load) + 10, btn_save->y());
    btn_info->move(Widgets::rightEdge(btn_save) + 10, btn_info->y());
    btn_close->move(btn_info->x(), btn_close->y());
    GroupBoxButtons->resize(Widgets::rightEdge(btn_info) + 10, GroupBoxButtons->height());
    ProgressBar1->setGeometry(btn_load->x(), ProgressBar1->y(), btn_load->width() + btn_save->width() + 10,
                              ProgressBar1->height());
}

void TFormMain::ResetWindowLayout()
{
    GroupBoxImage->setGeometry(GroupBoxMain->x(), GroupBoxImage->y(), GroupBoxMain->width(),
                               GroupBoxButtons->height());
    centreImage();

    btn_load->resize(110, btn_load->height());
    btn_save->resize(110, btn_save->height());
    btn_info->resize(70, btn_info->height());
    btn_close->resize(btn_info->width(), btn_close->height());
    placeButtons();
    GroupBoxButtons->move(Widgets::rightEdge(GroupBoxImage) + 5, GroupBoxButtons->y());

    const int top = height() - StatusBarHeight - GroupBoxButtons->height() - 30;
    GroupBoxButtons->move(GroupBoxButtons->x(), top);
    GroupBoxImage->move(GroupBoxImage->x(), top);

    setMinimumSize(0, 0);
    const QSize minimum(Widgets::rightEdge(GroupBoxButtons) + 10, StartMinHeight);
    resize(minimum);
    setMinimumSize(minimum);

    ArrangeWindow(5, 410, 500, 300);
    grid_.clearLabels();
}

void TFormMain::ArrangeWindow(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth)
{
    GroupBoxMain->resize(GroupBoxMain->width(), contentHeight + 5);

    setMinimumSize(0, 0);
    const QSize size(buttonsLeft + contentWidth + 10,
                     contentHeight + StatusBarHeight + GroupBoxButtons->height() + 50);
    resize(size);
    setMinimumSize(size);

    btn_load->resize(((contentWidth - 40) * 4) / 10, btn_load->height());
    btn_save->resize(((contentWidth - 40) * 4) / 10, btn_save->height());
    btn_info->resize((2 * contentWidth - 80) / 10, btn_info->height());
    btn_close->resize(btn_info->width(), btn_close->height());
    placeButtons();

    GroupBoxButtons->move(buttonsLeft, contentHeight + 15);
    GroupBoxImage->setGeometry(imageLeft, contentHeight + 15, buttonsLeft - imageLeft - 5,
                               GroupBoxButtons->height());
    centreImage();
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

bool TFormMain::loadRecentFile(const QString &path)
{
    return files_->loadRecent(path);
}

void TFormMain::expectStartFile()
{
    recent_->expectStartFile();
}

void TFormMain::btn_saveClick()
{
    files_->save();
}

void TFormMain::showLoadedSession(const HexLoadResult &lines)
{
    settingsActions_->fileLoaded(lines);
    for (int panel = 0; panel < 4; ++panel)
        setStatusPanelText(panel, QString());
    showFilePath();
    frames_.hideAll();
    setStatusPanelText(0, lines.idPanel);
    setStatusPanelText(1, lines.versionPanel);
    ApplyDecoderType();
    ApplyProtocolLimits();
    ReadSlots();
    btn_save->setEnabled(true);
}

void TFormMain::showFilePath()
{
    setStatusPanelText(4, session.filePath);
    updateTitle();
}

// ---------------------------------------------------------------- the decoder and its slots

void TFormMain::ApplyDecoderType()
{
    session.identify();
    setStatusPanelText(3, idPanelText(session.ids()));
    ResetWindowLayout();
    if (session.type())
        setStatusPanelText(3, session.type()->label);
    grid_.showType();
    if (session.type() && session.editorFrame() != EditorFrameKind::None)
        ShowEditorFrame(session.editorFrame());
    if (!session.recognised())
        Dialogs::warningOk(this, DecoderSession::unrecognisedMessage());
}

void TFormMain::ArrangeSlots(int breakAfter)
{
    grid_.arrange(breakAfter);
}

void TFormMain::ShowEditorFrame(EditorFrameKind frame)
{
    frames_.show(frame);
}

void TFormMain::createEditorFrame(EditorFrameKind kind)
{
    frames_.create(kind);
}

void TFormMain::ApplyProtocolLimits()
{
    session.applyProtocolLimits();
    setStatusPanelText(2, protocolPanelText(session.protocol()));
    grid_.showProtocolLimits();
}

void TFormMain::ReadSlots()
{
    session.readSlots();
    grid_.showValues();
}

bool TFormMain::WriteSlots()
{
    return grid_.writeToSession(this);
}

void TFormMain::ColourAddressEdits()
{
    grid_.colourAddresses();
}

void TFormMain::makeSlotRow(int s)
{
    grid_.makeRow(s);
}

QString TFormMain::slotAddressText(int s) const
{
    return grid_.addressText(s);
}

QString TFormMain::slotFunctionText(int s) const
{
    return grid_.functionText(s);
}

// ---------------------------------------------------------------- undo and the marker

WindowState TFormMain::captureState() const
{
    WindowState state;
    state.image = std::make_shared<const ImageSnapshot>(session.image);
    for (int s = 0; s < SlotCount; ++s) {
        state.addressTexts[s] = grid_.addressText(s);
        state.functionTexts[s] = grid_.functionText(s);
        state.green[s] = session.slotValues[s].green;
    }
    state.frames = frames_.workingCopies();
    return state;
}

void TFormMain::restoreState(const WindowState &state)
{
    session.image = state.image->image();
    for (int s = 0; s < SlotCount; ++s) {
        grid_.setTexts(s, state.addressTexts[s], state.functionTexts[s]);
        session.slotValues[s].green = state.green[s];
    }
    grid_.colourAddresses();
    frames_.restoreWorkingCopies(state.frames);
}

void TFormMain::undo()
{
    history_->undo();
}

void TFormMain::redo()
{
    history_->redo();
}

bool TFormMain::hasUnsavedChanges() const
{
    return history_->isModified();
}

// The title names the file; "* " before it marks changes not saved. The
// window's modified flag follows, for whoever shows the window.
void TFormMain::updateTitle()
{
    const bool modified = history_->isModified();
    setWindowModified(modified);
    if (session.filePath.isEmpty()) {
        setWindowTitle(programCaption());
        return;
    }
    // A file that loaded damaged stays marked until a save wrote it whole.
    const QString damaged = !files_ || files_->damageFindings().isEmpty() ? QString() : tr(" [beschädigt]");
    const QString title = PlainText::titleText(session.filePath) + damaged + QStringLiteral(" – ") + programCaption();
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
    TfrmInfo dialog(session.image, session.filePath, this);
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
    recovery_->offer();
}

const RecoveryKeeper &TFormMain::recovery() const
{
    return recovery_->keeper();
}
