#pragma once
#include "preferences/RecentFiles.h"

#include <QObject>

class IniFile;
class QLabel;
class QPoint;
class QPushButton;
class QWidget;

// The recent files as the window shows them: the hint in the empty window
// with its links, and the menu of the "HEX laden" button (its context menu).
class RecentFilesPanel : public QObject {
    Q_OBJECT

public:
    // The hint goes into hintParent; the menu hangs on loadButton.
    RecentFilesPanel(QWidget *hintParent, QPushButton *loadButton, QObject *parent);

    const RecentFiles &files() const { return files_; }
    void read(const IniFile &ini);
    void write(IniFile &ini) const;

    void noteLoaded(const QString &path);
    // A file (or work kept) is in the window: the empty window's hint goes.
    void hideHint();
    void noteSaved(const QString &path);
    void forget(const QString &path);

    // A file given at start will be loaded right after the window is shown:
    // the hint waits until that load is over.
    void expectStartFile();
    void startFileDone();
    // The window was shown: the hint is written if it waited for that.
    void windowShown();

signals:
    // The user chose a file from the hint or the menu.
    void openRequested(const QString &path);
    // A file was loaded, saved or forgotten: the list is to be kept now.
    void listChanged();

private:
    void showFiles();
    void showAllPathsAsToolTip();
    void showHoveredPath(const QString &link);
    void showMenu(const QPoint &where);

    RecentFiles files_;
    QLabel *hint_;
    QPushButton *loadButton_;
    bool startFilePending_ = false;
    bool hintStale_ = true;
};
