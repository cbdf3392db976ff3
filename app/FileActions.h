#pragma once
#include "image/HexReader.h"

#include <QObject>
#include <QStringList>

class DecoderDocument;
class EditorFrameHost;
class QEvent;
class QProgressBar;
class QStatusBar;
class QWidget;
class RecentFilesPanel;
struct RecoveryDocument;
class SlotGrid;

// What the window does with files: loading a HEX file (from the open dialog,
// a drop or the recent files) into the document, saving the document, and the
// question before unsaved work is thrown away. The progress bar shows the
// steps of a load and a save.
class FileActions : public QObject {
    Q_OBJECT

public:
    // A save asks the frames about changes not applied and the grid about
    // its texts; window: the parent of the dialogs.
    FileActions(DecoderDocument &document, EditorFrameHost &frames, SlotGrid &grid, RecentFilesPanel &recent,
                QWidget *window, QProgressBar *progress, QStatusBar *status);

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
    // Brings unsaved work back: the file it started from loads as a file
    // does, then the work comes back over it. The number of editors' working
    // copies that do not fit the file's type (left out); -1 (after a
    // message) when the file fails.
    int restore(const RecoveryDocument &kept);

    // Asked before a save replaces the file it names; false stops the save
    // before anything is written.
    void setMayReplace(std::function<bool(const QString &path)> mayReplace) { mayReplace_ = std::move(mayReplace); }

    // The files of the recent list, newest first.
    QStringList recentFiles() const;

    // Asks before unsaved changes are thrown away; true when they may be.
    bool mayDiscardChanges();

    // Takes a drag or drop of a single .hex file (loading it on the drop);
    // false for any other event.
    bool takeHexFileDrag(QEvent *event);
    // A dropped .hex file is the window's, also over an edit that takes drops.
    void acceptFileDropsOver(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadNow(const QString &path);
    bool mayWriteDamagedFile();
    void showProgress(int step);

    DecoderDocument &document_;
    EditorFrameHost &frames_;
    SlotGrid &grid_;
    RecentFilesPanel &recent_;
    QWidget *window_;
    QProgressBar *progress_;
    QStatusBar *status_;
    std::function<bool(const QString &)> mayReplace_;
};
