#pragma once
#include "app/EditorFrameHost.h"
#include "app/SlotGrid.h"
#include "app/WindowSettings.h"
#include "document/DecoderDocument.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class EditHistory;
class EditorFrame;
class FileActions;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class RecentFilesPanel;
class SettingsActions;
class SheetActions;
class WindowRecovery;
class WindowShortcuts;

// The main window: holds the decoder session (image, type, slots) and shows
// it in the 48-slot address grid and the editor frames. Its parts do the
// work: the slot grid, the editor-frame host, the file actions, the edit
// history, the recent files, the shortcuts and the settings; the window makes
// the controls, lays them out and connects the parts.
class TFormMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = SlotGrid::SlotCount;
    static constexpr int StatusPanelCount = 5;

    // settingsPath: the settings file; empty means the default place next to
    // the executable (or the user's configuration folder).
    explicit TFormMain(const QString &settingsPath = QString(), QWidget *parent = nullptr);
    ~TFormMain() override;

private:
    // What the window edits; before the views below, which show it.
    DecoderDocument document_;

    // The views of the document; children of the window, found by name
    // ("slotGrid", "editorFrameHost").
    SlotGrid grid_;
    EditorFrameHost frames_;

public:
    // ---- what the window edits: the firmware, its slots, the working copies ----
    DecoderDocument &document() { return document_; }
    const DecoderDocument &document() const { return document_; }

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

    // ---- window shell and settings ----
    void LoadSettings();
    // False when the file could not be written (the error was shown).
    bool SaveSettings();
    void ResetWindowLayout();
    void ArrangeWindow(int imageLeft, int buttonsLeft, int contentHeight, int contentWidth);
    QPoint restoredPosition() const { return settings_.restoredPosition(); }

    // ---- loading and saving ----
    void btn_loadClick();
    // The load sequence from reading the file on, as after the open dialog;
    // true when the load reached its end.
    bool loadHexFile(const QString &path);
    // A file given at start will be loaded right after the window is shown:
    // the empty window's hint waits until that load is over.
    void expectStartFile();
    void btn_saveClick();

    // ---- decoder identification and the address grid ----
    // Identifies the loaded image (type, ID words, protocol) and shows it:
    // status panel 3, slot labels, the grid's columns and the editor frame.
    void ApplyDecoderType();
    void ShowEditorFrame(EditorFrameKind frame);
    // Limits for the detected protocol, status panel 2 and the slot hints.
    void ApplyProtocolLimits();
    // Decodes the slots and shows them in the grid.
    void ReadSlots();

    // ---- the rest of the command buttons ----
    void btn_infoClick();
    void btn_closeClick();
    void gointoweb();

    // ---- closing ----
    // Whether the window may close now: "Ende" always, the title bar after the question.
    bool mayClose();

    // ---- unsaved work kept across an end without saving ----
    // Offers the work of windows that ended with unsaved changes (by "Ende",
    // a crash or a kill) and are no longer open; Ja brings the newest back.
    void offerRecovery();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createStatusBar();
    void createParts();
    // File drops and the undo keys for controls made at any time.
    void adoptControls(QWidget *root);
    void showLoadedSession();
    void showFilePath();
    void setStatusPanelText(int panel, const QString &text);
    void centreImage();
    void placeButtons();
    void updateTitle();

    std::array<QLabel *, StatusPanelCount> statusPanels_{};
    WindowSettings settings_;
    EditHistory *history_ = nullptr;
    RecentFilesPanel *recent_ = nullptr;
    FileActions *files_ = nullptr;
    WindowShortcuts *shortcuts_ = nullptr;
    SettingsActions *settingsActions_ = nullptr;
    SheetActions *sheetActions_ = nullptr;
    WindowRecovery *recovery_ = nullptr;
    bool endingByButton_ = false;
};
