#pragma once
#include "app/RecentFiles.h"
#include "app/WindowState.h"
#include "decoder/DecoderSession.h"
#include "decoder/EditHistory.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class IniFile;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class EditorFrame;
class TFrameZusatz;
class TFrameBlinkmuster;
class TFrameBlinkmuster_led;
class TFrameTamb;
class TFrameTambAdr;
class TFrameRegister;

// The main window: holds the decoder session (image, type, slots) and shows
// it in the 48-slot address grid and the six editor frames.
class TFormMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = DecoderSession::SlotCount;
    static constexpr int StatusPanelCount = 5;

    // settingsPath: the settings file; empty means the default place next to
    // the executable (or the user's configuration folder).
    explicit TFormMain(const QString &settingsPath = QString(), QWidget *parent = nullptr);
    ~TFormMain() override;

    // ---- the firmware, what was recognised in it and the slot values ----
    DecoderSession session;

    // Grid choices of the servo curve editor, kept in the settings file.
    int rasterX = 0;
    int rasterY = 0;

    // ---- controls (objectName = member name) ----
    QGroupBox *GroupBoxMain = nullptr;
    QFrame *Line = nullptr;
    QGroupBox *GroupBoxButtons = nullptr;
    QPushButton *btn_load = nullptr;
    QPushButton *btn_save = nullptr;
    QPushButton *btn_info = nullptr;
    QPushButton *btn_close = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QGroupBox *GroupBoxImage = nullptr;
    QLabel *Image2 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, StatusPanelCount> statusPanels{};
    std::array<QLabel *, SlotCount> lblSlot{};
    std::array<QLineEdit *, SlotCount> edtAddress{};
    std::array<QLineEdit *, SlotCount> edtFunction{};
    std::array<QPushButton *, SlotCount> btnRG{};
    TFrameZusatz *FrameZusatz1 = nullptr;
    TFrameBlinkmuster *FrameBlinkmuster1 = nullptr;
    TFrameBlinkmuster_led *FrameBlinkmuster_led1 = nullptr;
    TFrameTamb *FrameTamb1 = nullptr;
    TFrameTambAdr *FrameTambAdr1 = nullptr;
    TFrameRegister *FrameRegister1 = nullptr;

    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString &text);
    int statusBarHeight() const;

    // ---- window shell and settings ----
    void LoadSettings();
    // False when the file could not be written (the error was shown).
    bool SaveSettings();
    void ResetWindowLayout();
    void ArrangeWindow(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth);

    // ---- loading ----
    void btn_loadClick();
    // The load sequence from reading the file on, as after the open dialog;
    // true when the load reached its end.
    bool loadHexFile(const QString &path);
    // Shows a session that has just loaded: status panels, type, slots, frame.
    void showLoadedSession(const HexLoadResult &lines);
    // Status panel 4 shows the session's file.
    void showFilePath();

    // ---- saving ----
    void btn_saveClick();

    // ---- decoder identification and the address grid ----
    // Identifies the loaded image (type, ID words, protocol) and shows it:
    // status panel 3, slot labels, the grid's columns and the editor frame.
    void ApplyDecoderType();
    void ArrangeSlots(int breakAfter);
    void ShowEditorFrame(EditorFrameKind frame);
    // Makes the frame (both servo frames) unless it exists; frames are made the
    // first time a decoder type asks for them.
    void createEditorFrame(EditorFrameKind kind);
    // The frames made so far, in the order in which the save sequence asks
    // about changes not applied.
    std::vector<EditorFrame *> editorFrames() const;
    // Limits for the detected protocol, status panel 2 and the slot hints.
    void ApplyProtocolLimits();
    // Decodes the slots and shows them in the grid.
    void ReadSlots();
    // Validates the slot edits and writes the codes into the image; false after
    // a message was shown.
    bool WriteSlots();
    void btn_RGClick();
    void ColourAddressEdits();
    // A slot's row (label, address, function, R/G) is made the first time a
    // decoder type names the slot, in the grid's state at that moment. Until
    // then the row's texts are kept without it.
    void makeSlotRow(int s);
    QString slotAddressText(int s) const;
    QString slotFunctionText(int s) const;
    void setSlotTexts(int s, const QString &address, const QString &function);

    // ---- desktop habits: shortcuts, recent files, hints (TFormMainHabits.cpp) ----
    RecentFiles recentFiles;
    // Shown in the empty window until the first file is loaded.
    QLabel *emptyHint = nullptr;
    // A short help page (F1).
    void showHelp();
    // Loads a file from the recent list; a file that is gone leaves the list.
    bool loadRecentFile(const QString &path);
    // The recent files as a menu of the "HEX laden" button (its context menu).
    void showRecentMenu(const QPoint &where);
    // Where the window's inside (without the frame of the window manager)
    // lies on the desktop, and placing it there.
    QPoint clientPosition() const;
    void placeWindow(const QPoint &clientTopLeft);
    QPoint restoredPosition() const { return restoredPosition_; }
    // A file given at start will be loaded right after the window is shown:
    // the empty window's hint waits until that load is over.
    void expectStartFile();

    // ---- the rest of the command buttons ----
    void btn_infoClick();

    // ---- undo, redo and unsaved changes ----
    // Records the state after a user action as an undo step, if anything changed.
    void noteUserAction();
    // The same, once the events of the action have run.
    void scheduleUserActionCheck();
    void undo();
    void redo();
    // True while the image, the slot texts or an editor's working copy differ
    // from what was loaded or last saved.
    bool hasUnsavedChanges() const;
    // Asks before unsaved changes are thrown away; true when they may be.
    bool mayDiscardChanges();
    // Whether the window may close now: "Ende" always, the title bar after the question.
    bool mayClose();
    // Loads after the question about unsaved changes.
    bool loadHexFileAsked(const QString &path);
    void btn_closeClick();
    void gointoweb();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Takes a drag or drop of a single .hex file (loading it on the drop); false
    // for any other event.
    bool takeHexFileDrag(QEvent *event);
    bool loadHexFileNow(const QString &path);
    void createControls();
    void createSlotGrid();
    void acceptFileDropsOver(QWidget *root);
    static QPoint slotRowOrigin(int slot, int breakAfter);
    void placeSlotRow(int s);
    void putSlotRowInTabOrder(int s);
    QColor slotColour(int s) const;
    void makeEditorFrame(EditorFrameKind kind);
    QFont slotFont_;
    int slotBreak_ = 15;
    std::array<QString, SlotCount> rowlessAddressTexts_;
    std::array<QString, SlotCount> rowlessFunctionTexts_;
    void hideAllEditorFrames();
    void centreImage();
    void placeButtons();
    void createHabits();
    void readHabits(const IniFile &ini);
    void writeHabits(IniFile &ini) const;
    void noteFileLoaded(const QString &path);
    void noteFileSaved(const QString &path);
    void showRecentFiles();
    void startFileDone();
    bool startFilePending_ = false;
    bool emptyHintStale_ = true;
    QString settingsPath_;

    void createHistory();
    WindowState captureState() const;
    void restoreState(const WindowState &state);
    void resetHistory();
    void stepThroughHistory(bool forward);
    void markSaved();
    void updateTitle();
    EditHistory<WindowState> history_;
    bool restoring_ = false;
    bool actionCheckPending_ = false;
    bool endingByButton_ = false;
    QObject *actionWatcher_ = nullptr;
    QPoint restoredPosition_;
};
