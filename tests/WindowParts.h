#pragma once
// The main window's views of its document, found by name: the slot grid (a
// slot's controls are null until its row is made) and the editor-frame host;
// and its parts: the recent files and the file actions.
#include "app/FileActions.h"
#include "app/RecentFilesPanel.h"
#include "app/TFormMain.h"

#include <QLabel>
#include <QStatusBar>

inline SlotGrid &gridOf(const QWidget &window)
{
    return *window.findChild<SlotGrid *>(QStringLiteral("slotGrid"), Qt::FindDirectChildrenOnly);
}

inline EditorFrameHost &frameHost(const QWidget &window)
{
    return *window.findChild<EditorFrameHost *>(QStringLiteral("editorFrameHost"), Qt::FindDirectChildrenOnly);
}

inline const RecentFiles &recentFilesOf(const QWidget &window)
{
    return window.findChild<RecentFilesPanel *>(QStringLiteral("recentFilesPanel"))->files();
}

// A file chosen from the recent files (the menu of "HEX laden" or the hint).
inline bool loadRecent(const QWidget &window, const QString &path)
{
    return window.findChild<FileActions *>(QStringLiteral("fileActions"))->loadRecent(path);
}

// The text of a panel of the status bar: 0 ID, 1 version, 2 protocol, 3 type,
// 4 the file (or the release).
inline QString statusPanelText(const TFormMain &window, int panel)
{
    return window.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusBar1_panel%1").arg(panel))->text();
}
