#include "app/WindowShortcuts.h"

#include <QCoreApplication>

#include "ui/Dialogs.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {

const char *const HelpText = QT_TRANSLATE_NOOP("WindowShortcuts",
    "Quaxel bearbeitet die Einstellungen einer Dekoder-Firmware (Intel-HEX-Datei).\r\r"
    "Strg+O\tHEX laden\r"
    "Strg+S\tHEX speichern (die Datei wird danach zurückgelesen und geprüft)\r"
    "Strg+I\tHEX Info\r"
    "Strg+Z\tRückgängig: die letzte Änderung zurücknehmen\r"
    "Strg+Y\tWiederholen: die zurückgenommene Änderung wieder ausführen (auch Strg+Umschalt+Z)\r"
    "Strg+D\tÄnderungen anzeigen: was sich gegenüber der geladenen Datei geändert hat\r"
    "Strg+Q\tSchließen, ohne die Einstellungen zu speichern\r"
    "F1\tdiese Hilfe\r\r"
    "Eine .hex-Datei kann auch auf das Fenster gezogen werden. Die zuletzt geöffneten Dateien zeigt "
    "ein Rechtsklick auf \"HEX laden\". Ein Rechtsklick neben die Knöpfe zeigt auch \"Einstellungen exportieren…\" und "
    "\"Einstellungen übernehmen…\". \"Ende\" speichert Fensterposition und zuletzt geöffnete Dateien.");

} // namespace

WindowShortcuts::WindowShortcuts(QWidget *window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("windowShortcuts"));
    const struct {
        QKeySequence keys;
        void (WindowShortcuts::*act)();
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), &WindowShortcuts::loadPressed},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &WindowShortcuts::savePressed},
        {QKeySequence(Qt::CTRL | Qt::Key_I), &WindowShortcuts::infoPressed},
        {QKeySequence(Qt::Key_F1), &WindowShortcuts::showHelp},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &WindowShortcuts::closePressed},
    };
    for (const auto &shortcut : shortcuts) {
        auto *s = new QShortcut(shortcut.keys, window);
        connect(s, &QShortcut::activated, this, shortcut.act);
    }
}

QAction *WindowShortcuts::menuAction(QObject *parent, const QString &name, const QString &text)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    return action;
}

void WindowShortcuts::addUndoCommands(QWidget *panel, QAction *undo, QAction *redo)
{
    undo->setShortcuts({QKeySequence::Undo});
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo->setShortcutContext(Qt::WindowShortcut);
    redo->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(undo);
    window_->addAction(redo);
    // The panel's context menu shows both; the buttons and edits keep theirs.
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    panel->addAction(undo);
    panel->addAction(redo);
    panel->setToolTip(tr("Rechtsklick: Rückgängig (Strg+Z), Wiederholen (Strg+Y)"));
}

void WindowShortcuts::addChangesCommand(QAction *showChanges)
{
    showChanges->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    showChanges->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(showChanges);
}

void WindowShortcuts::leaveKeysToWindow(QWidget *root)
{
    QList<QLineEdit *> edits = root->findChildren<QLineEdit *>();
    if (auto *edit = qobject_cast<QLineEdit *>(root))
        edits.prepend(edit);
    for (QLineEdit *edit : edits)
        edit->installEventFilter(this);
}

bool WindowShortcuts::isWindowKey(const QKeySequence &pressed) const
{
    const QList<QAction *> actions = window_->actions();
    return std::any_of(actions.begin(), actions.end(),
                       [&pressed](const QAction *action) { return action->shortcuts().contains(pressed); });
}

// A line edit claims Ctrl+Z, Ctrl+Y and Ctrl+D for its own text before any
// shortcut of the window sees them; the claim is stopped here, so the
// window's command runs. While the command is off (nothing to undo), the key
// does nothing: an edit's own undo would show a text no step of the window
// held.
bool WindowShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress)
        && isWindowKey(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowShortcuts::showHelp()
{
    Dialogs::ownTextMessage(window_, tr(HelpText));
}
