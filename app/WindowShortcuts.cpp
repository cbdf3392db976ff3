#include "app/WindowShortcuts.h"

#include <QCoreApplication>

#include "ui/Dialogs.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

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

WindowShortcuts::WindowShortcuts(QWidget *window, const Commands &commands) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("windowShortcuts"));
    const struct {
        QKeySequence keys;
        std::function<void()> act;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), commands.load},
        {QKeySequence(Qt::CTRL | Qt::Key_S), commands.save},
        {QKeySequence(Qt::CTRL | Qt::Key_I), commands.info},
        {QKeySequence(Qt::Key_F1), [this] { showHelp(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), commands.close},
    };
    for (const auto &shortcut : shortcuts) {
        auto *s = new QShortcut(shortcut.keys, window);
        connect(s, &QShortcut::activated, this, shortcut.act);
    }
}

void WindowShortcuts::addUndoCommands(QWidget *panel, QAction *undo, QAction *redo)
{
    window_->addAction(undo);
    window_->addAction(redo);
    // The panel's context menu shows both; the buttons and edits keep theirs.
    panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    panel->addAction(undo);
    panel->addAction(redo);
    panel->setToolTip(tr("Rechtsklick: Rückgängig (Strg+Z), Wiederholen (Strg+Y)"));
}

void WindowShortcuts::showHelp()
{
    Dialogs::ownTextMessage(window_, tr(HelpText));
}
