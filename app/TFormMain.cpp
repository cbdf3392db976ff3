#include "app/TFormMain.h"

#include "ui/Dialogs.h"
#include "ui/PlainText.h"
#include "ui/TextColour.h"
#include "app/IniFile.h"
#include "app/Version.h"
#include "LogoPixels.h"
#include "app/WebPage.h"
#include "image/HexFile.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/HexReader.h"
#include "image/HexWriter.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"
#include "info/TfrmInfo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

constexpr int StatusBarHeight = 20;
constexpr int ButtonsGroupHeight = 72;
constexpr int StartMinHeight = 630;
constexpr int StartMinWidth = 750;
constexpr int StatusPanelWidths[TFormMain::StatusPanelCount - 1] = {35, 50, 50, 250};

int rightEdge(const QWidget *w)
{
    return w->x() + w->width();
}

// The settings file beside the executable, or in the user's configuration
// folder when the executable's folder cannot be written.
QString defaultSettingsPath()
{
    const QString besideExecutable = settingsPathBesideExecutable(QCoreApplication::applicationFilePath());
    if (QFileInfo(QFileInfo(besideExecutable).absolutePath()).isWritable())
        return besideExecutable;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(QFileInfo(besideExecutable).fileName());
}

QPushButton *makeButton(const QString &name, const QString &caption, const QString &hint, bool bold,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    if (bold) {
        QFont f = button->font();
        f.setBold(true);
        button->setFont(f);
    }
    return button;
}

} // namespace

TFormMain::TFormMain(const QString &settingsPath, QWidget *parent)
    : QWidget(parent), settingsPath_(settingsPath.isEmpty() ? defaultSettingsPath() : settingsPath)
{
    setObjectName(QStringLiteral("FormMain"));
    createControls();
    setWindowTitle(programCaption());
    setStatusPanelText(4, QStringLiteral(" %1 vom %2").arg(programCaption(), programReleaseDate()));

    move(20, 20);
    setMinimumSize(StartMinWidth, StartMinHeight);
    resize(StartMinWidth, StartMinHeight);

    createSlotGrid();
    btn_save->setEnabled(false);
    setAcceptDrops(true);
    acceptFileDropsOver(this);

    GroupBoxMain->setGeometry(5, 5, 400, 475);
    createHabits();
    createHistory();
    LoadSettings();
    ResetWindowLayout();
}

TFormMain::~TFormMain()
{
    // The watcher looks at this window; it goes before the window's parts do.
    delete actionWatcher_;
}

void TFormMain::createControls()
{
    GroupBoxMain = new QGroupBox(this);
    GroupBoxMain->setObjectName(QStringLiteral("GroupBoxMain"));
    GroupBoxMain->setGeometry(5, 5, 400, 475);

    GroupBoxButtons = new QGroupBox(this);
    GroupBoxButtons->setObjectName(QStringLiteral("GroupBoxButtons"));
    GroupBoxButtons->setGeometry(410, 515, 290, ButtonsGroupHeight);
    btn_load = makeButton(QStringLiteral("btn_load"), QStringLiteral("HEX laden"),
                          QStringLiteral("Hex-File laden.\nAnschliessend können Parameter wie z.B. die Adressen "
                                         "geändert werden."),
                          true, GroupBoxButtons);
    btn_save = makeButton(QStringLiteral("btn_save"), QStringLiteral("HEX speichern"),
                          QStringLiteral("Hex-File speichern\nDas neue HEX-File kann dann in den PIC 'gebrannt' "
                                         "werden"),
                          true, GroupBoxButtons);
    btn_info = makeButton(QStringLiteral("btn_info"), QStringLiteral("HEX Info"),
                          QStringLiteral("Anzeige der HEX-Daten"), false, GroupBoxButtons);
    btn_close = makeButton(QStringLiteral("btn_close"), QStringLiteral("Ende"),
                           QStringLiteral("Programm beenden (ohne eine Nachfrage!)"), true, GroupBoxButtons);
    btn_load->setGeometry(10, 14, 110, 25);
    btn_save->setGeometry(130, 14, 110, 25);
    btn_info->setGeometry(250, 14, 70, 25);
    btn_close->setGeometry(250, 42, 70, 25);
    connect(btn_load, &QPushButton::clicked, this, &TFormMain::btn_loadClick);
    connect(btn_save, &QPushButton::clicked, this, &TFormMain::btn_saveClick);
    connect(btn_info, &QPushButton::clicked, this, &TFormMain::btn_infoClick);
    connect(btn_close, &QPushButton::clicked, this, &TFormMain::btn_closeClick);

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
    Image2->setToolTip(QStringLiteral("Zur WebSite"));
    Image2->setCursor(Qt::PointingHandCursor);
    // The pixels stay where the program keeps them; the pixmap is made from them.
    Image2->setPixmap(QPixmap::fromImage(QImage(LogoRgb, LogoWidth, LogoHeight, 3 * LogoWidth, QImage::Format_RGB888)));
    Image2->installEventFilter(this);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setToolTip(QStringLiteral("Anzeige der HEX-Version und des Namens"));
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
        statusPanels[i] = panel;
    }
}

void TFormMain::createSlotGrid()
{
    slotFont_ = QApplication::font();
    Line = new QFrame(GroupBoxMain);
    Line->setObjectName(QStringLiteral("Line"));
    Line->setFrameShape(QFrame::VLine);
    Line->setFrameShadow(QFrame::Sunken);
    Line->setGeometry(200, 8, 2, GroupBoxMain->height() - 3);
}

// A dropped .hex file is the window's, also over an edit that takes drops.
void TFormMain::acceptFileDropsOver(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (widget != this && widget->acceptDrops())
            widget->installEventFilter(this);
    }
}

// Where a slot's row sits while the grid breaks into its second column after
// slot breakAfter. Slot 0 keeps the place above the first column.
QPoint TFormMain::slotRowOrigin(int slot, int breakAfter)
{
    if (slot == 0)
        return {5, 30};
    int x = 5;
    int y = 15;
    for (int s = 1; s < slot; ++s) {
        if (s == breakAfter) {
            x += 200;
            y = 15;
        } else {
            y += 25;
        }
    }
    return {x, y};
}

void TFormMain::placeSlotRow(int s)
{
    const QPoint origin = slotRowOrigin(s, slotBreak_);
    lblSlot[s]->move(origin.x(), origin.y() + 4);
    edtAddress[s]->move(origin.x() + 100, origin.y());
    edtFunction[s]->move(origin.x() + 150, origin.y());
    btnRG[s]->move(origin.x() + 150, origin.y() + 2);
}

void TFormMain::makeSlotRow(int s)
{
    if (s < 0 || s >= SlotCount || lblSlot[s])
        return;
    auto *label = new QLabel(GroupBoxMain);
    label->setObjectName(QStringLiteral("lblSlot[%1]").arg(s));
    label->resize(100, 20);
    auto *address = new QLineEdit(GroupBoxMain);
    address->setObjectName(QStringLiteral("edtAddress[%1]").arg(s));
    address->resize(40, 20);
    address->setAutoFillBackground(true);
    auto *function = new QLineEdit(GroupBoxMain);
    function->setObjectName(QStringLiteral("edtFunction[%1]").arg(s));
    function->resize(30, 20);
    function->setToolTip(QStringLiteral("Funktion Nummer"));
    auto *rg = new QPushButton(QStringLiteral("R/G"), GroupBoxMain);
    rg->setObjectName(QStringLiteral("btnRG[%1]").arg(s));
    rg->resize(30, 16);
    rg->setToolTip(QStringLiteral("Wechsel zwischen ROTer und GRÜNer Adresse "));
    connect(rg, &QPushButton::clicked, this, &TFormMain::btn_RGClick);
    for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(address),
                       static_cast<QWidget *>(function), static_cast<QWidget *>(rg)}) {
        w->setFont(slotFont_);
        w->hide();
        acceptFileDropsOver(w);
    }
    lblSlot[s] = label;
    edtAddress[s] = address;
    edtFunction[s] = function;
    btnRG[s] = rg;
    placeSlotRow(s);
    putSlotRowInTabOrder(s);
    address->setText(rowlessAddressTexts_[s]);
    function->setText(rowlessFunctionTexts_[s]);
    rowlessAddressTexts_[s].clear();
    rowlessFunctionTexts_[s].clear();
    setFieldColour(address, slotColour(s));
}

// Tab goes through the rows in slot order, right after the command buttons.
void TFormMain::putSlotRowInTabOrder(int s)
{
    QWidget *before = btn_close;
    for (int p = s - 1; p >= 0; --p) {
        if (btnRG[p]) {
            before = btnRG[p];
            break;
        }
    }
    setTabOrder(before, edtAddress[s]);
    setTabOrder(edtAddress[s], edtFunction[s]);
    setTabOrder(edtFunction[s], btnRG[s]);
}

QString TFormMain::slotAddressText(int s) const
{
    return edtAddress[s] ? edtAddress[s]->text() : rowlessAddressTexts_[s];
}

QString TFormMain::slotFunctionText(int s) const
{
    return edtFunction[s] ? edtFunction[s]->text() : rowlessFunctionTexts_[s];
}

void TFormMain::setSlotTexts(int s, const QString &address, const QString &function)
{
    if (edtAddress[s]) {
        edtAddress[s]->setText(address);
        edtFunction[s]->setText(function);
    } else {
        rowlessAddressTexts_[s] = address;
        rowlessFunctionTexts_[s] = function;
    }
}

// Each editor frame is made the first time a decoder type asks for it.
void TFormMain::createEditorFrame(EditorFrameKind kind)
{
    const std::vector<EditorFrame *> before = editorFrames();
    makeEditorFrame(kind);
    for (EditorFrame *frame : editorFrames()) {
        if (std::find(before.begin(), before.end(), frame) != before.end())
            continue;
        acceptFileDropsOver(frame);
        connect(frame, &EditorFrame::controlsMade, this, [this](const QList<QWidget *> &controls) {
            for (QWidget *control : controls)
                acceptFileDropsOver(control);
        });
    }
}

void TFormMain::makeEditorFrame(EditorFrameKind kind)
{
    switch (kind) {
    case EditorFrameKind::Modes:
        if (!FrameZusatz1)
            FrameZusatz1 = new TFrameZusatz(session, this);
        break;
    case EditorFrameKind::Blink:
        if (!FrameBlinkmuster1)
            FrameBlinkmuster1 = new TFrameBlinkmuster(session, this);
        break;
    case EditorFrameKind::LedBlink:
        if (!FrameBlinkmuster_led1)
            FrameBlinkmuster_led1 = new TFrameBlinkmuster_led(session, this);
        break;
    case EditorFrameKind::Servo:
        if (!FrameTamb1) {
            FrameTamb1 = new TFrameTamb(session, this);
            FrameTambAdr1 = new TFrameTambAdr(session, FrameTamb1->model(), this);
            FrameTamb1->setAddressFrame(FrameTambAdr1);
            connect(FrameTamb1, &TFrameTamb::rasterChanged, this, [this](int x, int y) {
                rasterX = x;
                rasterY = y;
            });
        }
        break;
    case EditorFrameKind::CvList:
        if (!FrameRegister1)
            FrameRegister1 = new TFrameRegister(session, this);
        break;
    case EditorFrameKind::None:
        break;
    }
}

std::vector<EditorFrame *> TFormMain::editorFrames() const
{
    std::vector<EditorFrame *> frames;
    // The order in which the save sequence asks about changes not applied.
    for (EditorFrame *frame : std::initializer_list<EditorFrame *>{FrameTamb1, FrameBlinkmuster1,
                                                                   FrameBlinkmuster_led1, FrameTambAdr1,
                                                                   FrameZusatz1, FrameRegister1}) {
        if (frame)
            frames.push_back(frame);
    }
    return frames;
}

void TFormMain::hideAllEditorFrames()
{
    for (EditorFrame *frame : editorFrames())
        frame->hide();
}

QString TFormMain::statusPanelText(int panel) const
{
    return statusPanels.at(panel)->text();
}

void TFormMain::setStatusPanelText(int panel, const QString &text)
{
    PlainText::setLabelText(statusPanels.at(panel), text);
}

int TFormMain::statusBarHeight() const
{
    return StatusBarHeight;
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    StatusBar1->setGeometry(0, height() - StatusBarHeight, width(), StatusBarHeight);
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Image2 || watched == GroupBoxImage) && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        gointoweb();
        return true;
    }
    if (takeHexFileDrag(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- settings

void TFormMain::LoadSettings()
{
    // A settings file that cannot be read (missing, a FIFO, a device, too big)
    // leaves every setting at its default.
    const InputFile file = readInputFile(settingsPath_);
    const IniFile ini = file.error ? IniFile() : IniFile::fromBytes(file.content);
    rasterX = ini.readInteger(QStringLiteral("Raster"), QStringLiteral("x"), 0);
    rasterY = ini.readInteger(QStringLiteral("Raster"), QStringLiteral("y"), 0);
    const int w = ini.readInteger(QStringLiteral("Window"), QStringLiteral("Width"), 560);
    const int top = ini.readInteger(QStringLiteral("Window"), QStringLiteral("Top"), 10);
    const int left = ini.readInteger(QStringLiteral("Window"), QStringLiteral("Left"), 10);
    setMinimumSize(0, 0);
    resize(w, height());
    placeWindow(QPoint(left, top));
    readHabits(ini);
}

bool TFormMain::SaveSettings()
{
    const InputFile existing = readInputFile(settingsPath_);
    IniFile ini = existing.error ? IniFile() : IniFile::fromBytes(existing.content);
    ini.writeInteger(QStringLiteral("Raster"), QStringLiteral("x"), rasterX);
    ini.writeInteger(QStringLiteral("Raster"), QStringLiteral("y"), rasterY);
    ini.writeInteger(QStringLiteral("Window"), QStringLiteral("Width"), width());
    ini.writeInteger(QStringLiteral("Window"), QStringLiteral("Top"), clientPosition().y());
    ini.writeInteger(QStringLiteral("Window"), QStringLiteral("Left"), clientPosition().x());
    writeHabits(ini);

    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    if (const auto error = saveFileWhole(settingsPath_, ini.toBytes())) {
        Dialogs::warningOk(this, fileMessage(settingsPath_, *error));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- layout

void TFormMain::centreImage()
{
    Image2->move(GroupBoxImage->width() / 2 - Image2->width() / 2,
                 GroupBoxImage->height() / 2 - Image2->height() / 2);
}

void TFormMain::placeButtons()
{
    btn_load->move(10, btn_load->y());
    btn_save->move(rightEdge(btn_load) + 10, btn_save->y());
    btn_info->move(rightEdge(btn_save) + 10, btn_info->y());
    btn_close->move(btn_info->x(), btn_close->y());
    GroupBoxButtons->resize(rightEdge(btn_info) + 10, GroupBoxButtons->height());
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
    GroupBoxButtons->move(rightEdge(GroupBoxImage) + 5, GroupBoxButtons->y());

    const int top = height() - StatusBarHeight - GroupBoxButtons->height() - 30;
    GroupBoxButtons->move(GroupBoxButtons->x(), top);
    GroupBoxImage->move(GroupBoxImage->x(), top);

    setMinimumSize(0, 0);
    const QSize minimum(rightEdge(GroupBoxButtons) + 10, StartMinHeight);
    resize(minimum);
    setMinimumSize(minimum);

    ArrangeWindow(5, 410, 500, 300);

    for (QLabel *label : lblSlot) {
        if (label)
            label->clear();
    }
    ArrangeSlots(15);
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

// ---------------------------------------------------------------- loading

void TFormMain::btn_loadClick()
{
    if (!mayDiscardChanges())
        return;
    const QString path = Dialogs::getOpenFileName(this, Dialogs::hexFileFilter(), recentFiles.folder());
    if (path.isEmpty())
        return;
    loadHexFile(path);
}

bool TFormMain::loadHexFile(const QString &path)
{
    const bool loaded = loadHexFileNow(path);
    startFileDone();
    return loaded;
}

bool TFormMain::loadHexFileNow(const QString &path)
{
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(this, *file.error);
        return false;
    }
    // The file loads into a session of its own: a file that fails leaves the
    // one on screen, with all its unsaved work, exactly as it was.
    // (On the heap: a session holds the whole image, over a hundred kilobytes.)
    auto loaded = std::make_unique<DecoderSession>();
    const DecoderSession::LoadOutcome outcome = loaded->load(file.content);
    if (outcome.error) {
        Dialogs::showMessage(this, *outcome.error);
        return false;
    }
    loaded->filePath = path;
    loaded->afterFileWritten = std::move(session.afterFileWritten);
    session = std::move(*loaded);
    showLoadedSession(outcome.lines);
    resetHistory();
    noteFileLoaded(path);
    if (outcome.damage.any())
        Dialogs::warningOk(this, outcome.damage.findings().join(u'\n'));
    return true;
}

void TFormMain::showLoadedSession(const HexLoadResult &lines)
{
    for (int panel = 0; panel < 4; ++panel)
        setStatusPanelText(panel, QString());
    showFilePath();
    hideAllEditorFrames();
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
}

// A single .hex file dropped on the window loads as after the open dialog;
// any other drop is left alone.
bool TFormMain::takeHexFileDrag(QEvent *event)
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
        loadHexFileAsked(path);
    return true;
}

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    takeHexFileDrag(event);
}

void TFormMain::dragMoveEvent(QDragMoveEvent *event)
{
    takeHexFileDrag(event);
}

void TFormMain::dropEvent(QDropEvent *event)
{
    takeHexFileDrag(event);
}

// ---------------------------------------------------------------- saving

void TFormMain::btn_saveClick()
{
    if (const auto fault = session.checkWritable()) {
        Dialogs::warningCancel(this, *fault);
        return;
    }
    for (EditorFrame *frame : editorFrames()) {
        if (!frame->hasUnappliedChanges())
            continue;
        if (!Dialogs::askYesNo(this, QStringLiteral("Geänderte Werte übernehmen?")))
            return;
        frame->applyChanges();
    }
    if (!WriteSlots())
        return;

    if (session.buildHexLines() == 0) {
        Dialogs::warningCancel(this, DecoderSession::checksumProblemMessage());
        return;
    }

    const QString path =
        Dialogs::getSaveFileName(this, Dialogs::hexFileFilter(), QStringLiteral("hex"), session.filePath);
    if (path.isEmpty())
        return;
    // The file is read back and compared with the image; a mismatch fails the save.
    if (const auto failure = session.saveFile(path)) {
        Dialogs::warningOk(this, *failure);
        return;
    }
    session.filePath = path;
    showFilePath();
    markSaved();
    noteFileSaved(path);
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
    endingByButton_ = true;
    window()->close();
    endingByButton_ = false;
}

bool TFormMain::loadHexFileAsked(const QString &path)
{
    return mayDiscardChanges() && loadHexFile(path);
}

void TFormMain::gointoweb()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebPageAddress)));
}
