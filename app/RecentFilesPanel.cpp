#include "app/RecentFilesPanel.h"
#include "image/SafeFile.h"
#include "ui/PlainText.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// The divider of the slot grid stands at x = 200; the hint keeps 8 pixels off it.
constexpr int HintLeft = 12;
constexpr int HintWidth = 180;

} // namespace

RecentFilesPanel::RecentFilesPanel(QWidget *hintParent, QPushButton *loadButton, QObject *parent)
    : QObject(parent), hint_(new QLabel(hintParent)), loadButton_(loadButton)
{
    setObjectName(QStringLiteral("recentFilesPanel"));
    loadButton_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(loadButton_, &QWidget::customContextMenuRequested, this, &RecentFilesPanel::showMenu);

    hint_->setObjectName(QStringLiteral("emptyHint"));
    // The left column only: the slot grid's divider runs down the middle.
    hint_->setGeometry(HintLeft, 40, HintWidth, 400);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setWordWrap(true);
    hint_->setTextFormat(Qt::RichText);
    connect(hint_, &QLabel::linkHovered, this, &RecentFilesPanel::showHoveredPath);
    connect(hint_, &QLabel::linkActivated, this, [this](const QString &link) {
        const int index = link.toInt();
        if (index >= 0 && index < files_.files().size())
            emit openRequested(files_.files().at(index));
    });
}

void RecentFilesPanel::read(const IniFile &ini)
{
    files_ = RecentFiles::fromIni(ini);
    showFiles();
}

void RecentFilesPanel::write(IniFile &ini) const
{
    files_.writeTo(ini);
}

// The hint is rich text, costly to lay out: it is written only while the
// empty window shows it, and a window that opens with a file never writes it.
void RecentFilesPanel::showFiles()
{
    hintStale_ = hint_->isHidden() || !hint_->window()->isVisible() || startFilePending_;
    if (hintStale_)
        return;
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(tr("HEX laden oder eine .hex-Datei hierher ziehen").toHtmlEscaped());
    const QStringList files = files_.files();
    if (!files.isEmpty()) {
        html += QStringLiteral("<p>%1</p><p>").arg(tr("Zuletzt geöffnet:").toHtmlEscaped());
        const QStringList names = distinguishingNames(files);
        for (int i = 0; i < files.size(); ++i) {
            // Not underlined: an underline hides the underscores of the names.
            html += QStringLiteral("<a href=\"%1\" style=\"text-decoration:none\">%2</a><br>")
                        .arg(i)
                        .arg(shownPath(QDir::toNativeSeparators(names.at(i))).toHtmlEscaped());
        }
        html += QStringLiteral("</p>");
    }
    hint_->setText(html);
    showAllPathsAsToolTip();
}

void RecentFilesPanel::showAllPathsAsToolTip()
{
    const QStringList files = files_.files();
    hint_->setToolTip(files.isEmpty() ? QString() : PlainText::toolTipText(QDir::toNativeSeparators(files.join(u'\n'))));
}

// Over a name the hint's tooltip is that file's whole path.
void RecentFilesPanel::showHoveredPath(const QString &link)
{
    const int index = link.isEmpty() ? -1 : link.toInt();
    if (index < 0 || index >= files_.files().size()) {
        showAllPathsAsToolTip();
        return;
    }
    hint_->setToolTip(PlainText::toolTipText(QDir::toNativeSeparators(files_.files().at(index))));
}

void RecentFilesPanel::noteLoaded(const QString &path)
{
    files_.add(path);
    emit listChanged();
}

void RecentFilesPanel::hideHint()
{
    hint_->hide();
}

void RecentFilesPanel::noteSaved(const QString &path)
{
    files_.add(path);
    showFiles();
    emit listChanged();
}

void RecentFilesPanel::forget(const QString &path)
{
    files_.remove(path);
    showFiles();
    emit listChanged();
}

void RecentFilesPanel::expectStartFile()
{
    startFilePending_ = true;
}

void RecentFilesPanel::startFileDone()
{
    if (!startFilePending_)
        return;
    startFilePending_ = false;
    if (hintStale_)
        showFiles();
}

void RecentFilesPanel::windowShown()
{
    if (hintStale_)
        showFiles();
}

void RecentFilesPanel::showMenu(const QPoint &where)
{
    QMenu menu(loadButton_);
    menu.setObjectName(QStringLiteral("recentMenu"));
    const QStringList files = files_.files();
    for (const QString &file : files) {
        QAction *action = menu.addAction(PlainText::menuText(file));
        connect(action, &QAction::triggered, this, [this, file] { emit openRequested(file); });
    }
    if (files.isEmpty())
        menu.addAction(tr("Keine zuletzt geöffneten Dateien"))->setEnabled(false);
    menu.exec(loadButton_->mapToGlobal(where));
}
