#pragma once
#include "decoder/SlotRules.h"

#include <QObject>
#include <QStringList>

class DecoderDocument;
class QEvent;
class QProgressBar;
class QStatusBar;
class QWidget;
class RecentFilesPanel;

// What the window does with files: loading a HEX file (from the open dialog,
// a drop or the recent files) into the document, saving the document, and the
// question before unsaved work is thrown away. The progress bar shows the
// steps of a load and a save.
class FileActions : public QObject {
    Q_OBJECT

public:
    // window: the parent of the dialogs.
    FileActions(DecoderDocument &document, RecentFilesPanel &recent, QWidget *window, QProgressBar *progress,
                QStatusBar *status);

    // The open dialog, after the question about unsaved changes.
    void chooseAndLoad();
    // The load from reading the file on; true when it reached its end. A file
    // that fails leaves the one on screen, with all its unsaved work, as it was.
    bool load(const QString &path);
    // Loads after the question about unsaved changes.
    bool loadAsked(const QString &path);
    // A file from the recent list; one that is gone leaves the list.
    bool loadRecent(const QString &path);
    // Asks about the editors' changes not applied, writes the grid's texts
    // into the image, and saves it where the user says.
    void save();

    // The files of the recent list, newest first.

    // Asks before unsaved changes are thrown away; true when they may be.
    bool mayDiscardChanges();

    // Takes a drag or drop of a single .hex file (loading it on the drop);
    // false for any other event.
    bool takeHexFileDrag(QEvent *event);
    // A dropped .hex file is the window's, also over an edit that takes drops.
    void acceptFileDropsOver(QWidget *root);

signals:
    // A save stopped at a slot text the rules refuse (after the message).
    void slotRefused(const SlotFault &fault);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadNow(const QString &path);
    bool mayWriteDamagedFile();
    bool writeSlots();
    // Asked after work was brought back over a file changed since it was
    // kept; false stops the save before anything is written.
    bool mayReplaceChangedBase(const QString &path);
    void showProgress(int step);

    DecoderDocument &document_;
    RecentFilesPanel &recent_;
    QWidget *window_;
    QProgressBar *progress_;
    QStatusBar *status_;
};
