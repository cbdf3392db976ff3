#pragma once
#include "image/HexReader.h"

#include <QObject>
#include <QStringList>
#include <functional>

class DecoderSession;
class EditHistory;
class EditorFrameHost;
class QEvent;
class QProgressBar;
class QStatusBar;
class QWidget;
class RecentFilesPanel;
struct RecoveryDocument;
class SlotGrid;

// What the window does with files: loading a HEX file (from the open dialog,
// a drop or the recent files), saving it, and the question before unsaved
// work is thrown away. The progress bar shows the steps of a load and a save.
class FileActions : public QObject {
    Q_OBJECT

public:
    // The parts a load and a save go through.
    struct Parts {
        QWidget *window;
        DecoderSession &session;
        SlotGrid &grid;
        EditorFrameHost &frames;
        EditHistory &history;
        RecentFilesPanel &recent;
        QProgressBar *progress;
        QStatusBar *status;
        // Shows a session that has just loaded: status panels, type, slots, frame.
        std::function<void(const HexLoadResult &)> showLoadedSession;
        // Shows the session's file (name in the title and the status bar).
        std::function<void()> showFilePath;
    };

    explicit FileActions(Parts parts);

    // The open dialog, after the question about unsaved changes.
    void chooseAndLoad();
    // The load from reading the file on; true when it reached its end. A file
    // that fails leaves the one on screen, with all its unsaved work, as it was.
    bool load(const QString &path);
    // Loads after the question about unsaved changes.
    bool loadAsked(const QString &path);
    // A file from the recent list; one that is gone leaves the list.
    bool loadRecent(const QString &path);
    void save();
    // Brings unsaved work back: the lines it started from load as a file
    // does, then restoreWork puts the work over them. The history starts
    // there, marked unsaved. False (after a message) when the lines fail.
    bool restore(const RecoveryDocument &document, const std::function<void()> &restoreWork);

    // Asked before a save replaces the file it names; false stops the save
    // before anything is written.
    void setMayReplace(std::function<bool(const QString &path)> mayReplace) { mayReplace_ = std::move(mayReplace); }

    // Asks before unsaved changes are thrown away; true when they may be.
    bool mayDiscardChanges();

    // What was found damaged in the file on screen, from its load until a
    // save the user confirmed; empty for a sound file.
    QStringList damageFindings() const { return damageFindings_; }
    void setDamageFindings(const QStringList &findings) { damageFindings_ = findings; }

    // Takes a drag or drop of a single .hex file (loading it on the drop);
    // false for any other event.
    bool takeHexFileDrag(QEvent *event);
    // A dropped .hex file is the window's, also over an edit that takes drops.
    void acceptFileDropsOver(QWidget *root);

signals:
    // The saved file is written and about to be read back for the check.
    void fileWritten(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadNow(const QString &path);
    bool mayWriteDamagedFile();
    void showProgress(int step);

    Parts parts_;
    QStringList damageFindings_;
    std::function<bool(const QString &)> mayReplace_;
};
