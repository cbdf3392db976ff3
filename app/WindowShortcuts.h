#pragma once
#include <QObject>
#include <functional>

class QAction;
class QWidget;

// The window's keyboard shortcuts as other desktop programs have them, and
// the short help page (F1) that lists them.
class WindowShortcuts : public QObject {
    Q_OBJECT

public:
    struct Commands {
        std::function<void()> load;
        std::function<void()> save;
        std::function<void()> info;
        // As the title bar's close box: the settings stay as they were.
        std::function<void()> close;
    };

    WindowShortcuts(QWidget *window, const Commands &commands);
    // The undo and redo commands: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the
    // window, and a right click on panel shows them.
    void addUndoCommands(QWidget *panel, QAction *undo, QAction *redo);
    // "Änderungen anzeigen…": Ctrl+D in the window.
    void addChangesCommand(QAction *showChanges);
    // The window's line edits leave its keys to the window: they neither
    // claim them nor act on them themselves (their own undo, for one).
    void leaveKeysToWindow(QWidget *root);

    void showHelp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isWindowKey(const QKeySequence &pressed) const;

    QWidget *window_;
};
