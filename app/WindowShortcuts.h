#pragma once
#include <QObject>

class QAction;
class QWidget;

// The window's keyboard shortcuts as other desktop programs have them, and
// the short help page (F1) that lists them.
class WindowShortcuts : public QObject {
    Q_OBJECT

public:
    explicit WindowShortcuts(QWidget *window);
    // A command of the right-click menu beside the buttons, with its name;
    // it can be used once a file is loaded.
    static QAction *menuAction(QObject *parent, const QString &name, const QString &text);
    // The undo and redo commands: Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the
    // window, and a right click on panel shows them.
    void addUndoCommands(QWidget *panel, QAction *undo, QAction *redo);
    // "Änderungen anzeigen…": Ctrl+D in the window.
    void addChangesCommand(QAction *showChanges);
    // The window's line edits leave its keys to the window: they neither
    // claim them nor act on them themselves (their own undo, for one).
    void leaveKeysToWindow(QWidget *root);

    void showHelp();

signals:
    // Ctrl+O, Ctrl+S, Ctrl+I; Ctrl+Q closes as the title bar's close box
    // does (the settings stay as they were).
    void loadPressed();
    void savePressed();
    void infoPressed();
    void closePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isWindowKey(const QKeySequence &pressed) const;

    QWidget *window_;
};
