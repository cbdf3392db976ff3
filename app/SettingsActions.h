#pragma once
#include "app/WindowState.h"
#include "image/HexReader.h"
#include "settings/SettingsDocument.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class DecoderSession;
class EditHistory;
class EditorFrameHost;
class QAction;
class QWidget;
class SlotGrid;

// The window's settings as data: "Änderungen anzeigen…" (Ctrl+D) lists what
// differs from the file loaded, "Einstellungen exportieren…" writes the
// document of what the window shows, "Einstellungen übernehmen…" applies a
// document as one undo step. The rules are the settings core's, as on the
// command line.
class SettingsActions : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget *window;
        DecoderSession &session;
        SlotGrid &grid;
        EditorFrameHost &frames;
        EditHistory &history;
        // The window's state, for trying the working copies without keeping them.
        std::function<WindowState()> capture;
        std::function<void(const WindowState &)> restore;
    };

    explicit SettingsActions(Parts parts);

    QAction *diffAction() const { return diffAction_; }
    QAction *exportAction() const { return exportAction_; }
    QAction *applyAction() const { return applyAction_; }
    // The actions: keys of the window, and in the right-click menu of panel.
    void addTo(QWidget *panel);
    // Line edits leave Ctrl+D to the window.
    void leaveKeysToWindow(QWidget *root);

    // A file has just been read into the session, before its editors load.
    void fileLoaded(const HexLoadResult &lines);
    bool hasFile() const { return loaded_ != nullptr; }
    // The file the window shows, as the settings document names it.
    Settings::Source source() const;
    // The session as the window shows it, the working copies that wait
    // applied; the window is left as it was. Nothing after the grid's message
    // for an edit it refuses.
    std::unique_ptr<DecoderSession> sessionWithWorkingCopies();

    // What "Änderungen anzeigen…" shows.
    QString changesText();
    void showChanges();
    void exportSettings();
    void applySettings();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The session as the window shows it: the slot edits written; nothing
    // after the grid's message for an edit it refuses.
    std::unique_ptr<DecoderSession> shownSession();
    QJsonObject documentOf(DecoderSession &session) const;
    // The document with the working copies that wait applied; the window is
    // left as it was.
    std::optional<QJsonObject> documentWithWorkingCopies();
    void updateEnabled();

    Parts parts_;
    QAction *diffAction_;
    QAction *exportAction_;
    QAction *applyAction_;
    // The file as read, before loading corrected anything; null before a load.
    std::unique_ptr<DecoderSession> loaded_;
    QByteArray loadedContent_;
    QString loadedVersion_;
};
