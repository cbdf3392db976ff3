// What the main window does as other desktop programs do: keyboard
// shortcuts, the recent files, the hint in the empty window, the save
// confirmation and where the window lies on the desktop.
#include "app/IniFile.h"
#include "app/TFormMain.h"
#include "ui/Dialogs.h"
#include "ui/PlainText.h"
#include "image/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <functional>

namespace {

constexpr int SaveConfirmationMs = 10000;

const QString HintText = QStringLiteral("HEX laden oder eine .hex-Datei hierher ziehen");

const QString HelpText = QStringLiteral(
    "Quaxel bearbeitet die Einstellungen einer Dekoder-Firmware (Intel-HEX-Datei).\r\r"
    "Strg+O\tHEX laden\r"
    "Strg+S\tHEX speichern (die Datei wird danach zurückgelesen und geprüft)\r"
    "Strg+I\tHEX Info\r"
    "Strg+Q\tSchließen, ohne die Einstellungen zu speichern\r"
    "F1\tdiese Hilfe\r\r"
    "Eine .hex-Datei kann auch auf das Fenster gezogen werden. Die zuletzt geöffneten Dateien zeigt "
    "ein Rechtsklick auf \"HEX laden\". \"Ende\" speichert Fensterposition und zuletzt geöffnete Dateien.");

} // namespace

void TFormMain::createHabits()
{
    const struct {
        QKeySequence keys;
        std::function<void()> act;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), [this] { btn_load->click(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_S), [this] { btn_save->click(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_I), [this] { btn_info->click(); }},
        {QKeySequence(Qt::Key_F1), [this] { showHelp(); }},
        // As the title bar's close box: the settings stay as they were.
        {QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { window()->close(); }},
    };
    for (const auto &shortcut : shortcuts) {
        auto *s = new QShortcut(shortcut.keys, this);
        connect(s, &QShortcut::activated, this, shortcut.act);
    }

    btn_load->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(btn_load, &QWidget::customContextMenuRequested, this, &TFormMain::showRecentMenu);

    emptyHint = new QLabel(GroupBoxMain);
    emptyHint->setObjectName(QStringLiteral("emptyHint"));
    emptyHint->setGeometry(20, 40, 360, 400);
    emptyHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    emptyHint->setWordWrap(true);
    emptyHint->setTextFormat(Qt::RichText);
    connect(emptyHint, &QLabel::linkActivated, this, [this](const QString &link) {
        const int index = link.toInt();
        if (index >= 0 && index < recentFiles.files().size())
            loadRecentFile(recentFiles.files().at(index));
    });
}

void TFormMain::readHabits(const IniFile &ini)
{
    recentFiles = RecentFiles::fromIni(ini);
    showRecentFiles();
}

void TFormMain::writeHabits(IniFile &ini) const
{
    recentFiles.writeTo(ini);
}

// The hint is rich text, costly to lay out: it is written only while the
// empty window shows it, and a window that opens with a file never writes it.
void TFormMain::showRecentFiles()
{
    emptyHintStale_ = emptyHint->isHidden() || !isVisible() || startFilePending_;
    if (emptyHintStale_)
        return;
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(HintText.toHtmlEscaped());
    const QStringList files = recentFiles.files();
    if (!files.isEmpty()) {
        html += QStringLiteral("<p>Zuletzt geöffnet:</p><p>");
        for (int i = 0; i < files.size(); ++i) {
            html += QStringLiteral("<a href=\"%1\">%2</a><br>")
                        .arg(i)
                        .arg(shownPath(QFileInfo(files.at(i)).fileName()).toHtmlEscaped());
        }
        html += QStringLiteral("</p>");
    }
    emptyHint->setText(html);
    emptyHint->setToolTip(files.isEmpty() ? QString() : PlainText::toolTipText(QDir::toNativeSeparators(files.join(u'\n'))));
}

void TFormMain::noteFileLoaded(const QString &path)
{
    recentFiles.add(path);
    emptyHint->hide();
}

void TFormMain::expectStartFile()
{
    startFilePending_ = true;
}

void TFormMain::startFileDone()
{
    if (!startFilePending_)
        return;
    startFilePending_ = false;
    if (emptyHintStale_)
        showRecentFiles();
}

void TFormMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (emptyHintStale_)
        showRecentFiles();
}

void TFormMain::noteFileSaved(const QString &path)
{
    recentFiles.add(path);
    showRecentFiles();
    StatusBar1->showMessage(QStringLiteral("Gespeichert und geprüft: %1").arg(shownPath(path)), SaveConfirmationMs);
}

bool TFormMain::loadRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        recentFiles.remove(path);
        showRecentFiles();
    }
    return loadHexFileAsked(path);
}

void TFormMain::showRecentMenu(const QPoint &where)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("recentMenu"));
    const QStringList files = recentFiles.files();
    for (const QString &file : files) {
        QAction *action = menu.addAction(PlainText::menuText(file));
        connect(action, &QAction::triggered, this, [this, file] { loadRecentFile(file); });
    }
    if (files.isEmpty())
        menu.addAction(QStringLiteral("Keine zuletzt geöffneten Dateien"))->setEnabled(false);
    menu.exec(btn_load->mapToGlobal(where));
}

void TFormMain::showHelp()
{
    Dialogs::plainMessage(this, HelpText);
}

QPoint TFormMain::clientPosition() const
{
    return window()->geometry().topLeft();
}

void TFormMain::placeWindow(const QPoint &clientTopLeft)
{
    restoredPosition_ = clientTopLeft;
    // The inside of the window goes there; saved is the same kind of point, so
    // the window's frame never moves the window from one start to the next.
    if (isWindow())
        setGeometry(QRect(clientTopLeft, size()));
}
