#include "app/SheetActions.h"

#include "app/ProgramLanguage.h"
#include "app/WindowShortcuts.h"
#include "decoder/DecoderSession.h"
#include "document/DecoderDocument.h"
#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "image/SafeText.h"
#include "sheet/SheetLayout.h"
#include "sheet/SheetPrinting.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QWidget>

namespace {

QString pdfFilter()
{
    return SheetActions::tr("PDF (*.pdf);;Alle Dateien (*)");
}

// The paper of the desktop's locale.
QPageSize desktopPaper()
{
    return Sheet::paperFor(QLocale::system());
}

} // namespace

QLocale sheetLocale()
{
    const QLocale::Language language = desktopLanguage() == ProgramLanguage::English ? QLocale::English : QLocale::German;
    const QLocale system = QLocale::system();
    return system.language() == language ? system : QLocale(language);
}

SheetActions::SheetActions(const DecoderDocument &document, QWidget *window)
    : QObject(window), document_(document), window_(window)
{
    setObjectName(QStringLiteral("sheetActions"));
    printAction_ = WindowShortcuts::menuAction(this, QStringLiteral("actPrintSheet"), tr("Datenblatt drucken…"));
    pdfAction_ = WindowShortcuts::menuAction(this, QStringLiteral("actSheetPdf"), tr("Datenblatt als PDF…"));
    connect(printAction_, &QAction::triggered, this, &SheetActions::printSheet);
    connect(pdfAction_, &QAction::triggered, this, &SheetActions::saveSheet);
    connect(&document_, &DecoderDocument::opened, this, &SheetActions::fileLoaded);
}

void SheetActions::addTo(QWidget *panel)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    panel->addAction(separator);
    panel->addAction(printAction_);
    panel->addAction(pdfAction_);
}

void SheetActions::fileLoaded()
{
    printAction_->setEnabled(true);
    pdfAction_->setEnabled(true);
}

std::optional<Sheet::Content> SheetActions::content()
{
    if (!document_.hasFile())
        return std::nullopt;
    DecoderDocument::Shown shown = document_.shownSession(true);
    if (shown.fault) {
        Dialogs::warningOk(window_, shown.fault->message);
        return std::nullopt;
    }
    if (!shown.session->recognised()) {
        Dialogs::warningOk(window_, DecoderSession::unrecognisedMessage());
        return std::nullopt;
    }
    return Sheet::gather(
        {std::move(*shown.session), document_.source(), QDate::currentDate(), sheetLocale(), document_.isModified()});
}

void SheetActions::printSheet()
{
    const std::optional<Sheet::Content> sheet = content();
    if (!sheet)
        return;
    if (const auto error = Sheet::printPreview(window_, *sheet, desktopPaper()))
        Dialogs::warningOk(window_, tr("Drucken ist nicht möglich: %1").arg(*error));
}

void SheetActions::saveSheet()
{
    const std::optional<Sheet::Content> sheet = content();
    if (!sheet)
        return;
    const QByteArray bytes = Sheet::pdf(*sheet, desktopPaper());
    const QFileInfo file(document_.identity().path);
    const QString proposed = file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
    const QString path = Dialogs::getSaveFileName(window_, pdfFilter(), QStringLiteral("pdf"), proposed);
    if (path.isEmpty())
        return;
    if (const auto error = bytes.isEmpty() ? fileMessage(path, tr("das PDF kann nicht erstellt werden")) : saveVerifiedFile(path, bytes))
        Dialogs::warningOk(window_, *error);
}

// ---------------------------------------------------------------- --sheet

int writeSheetFile(const QString &hexFile, const QString &sheetPath)
{
    QTextStream err(stderr);
    const auto fail = [&err](const QString &message) {
        err << "Quaxel: " << escapedText(QString(message).replace(u'\r', u'\n'), true) << Qt::endl;
        return 1;
    };
    if (hexFile.isEmpty())
        return fail(QStringLiteral("--sheet: ") + SheetActions::tr("keine HEX-Datei angegeben"));
    const InputFile file = readInputFile(hexFile);
    if (file.error)
        return fail(*file.error);
    Sheet::Input input{DecoderSession(), {}, QDate::currentDate(), sheetLocale(), false};
    const DecoderSession::LoadOutcome outcome = input.session.load(file.content);
    if (outcome.error)
        return fail(outcome.error->text);
    if (!input.session.recognised())
        return fail(fileMessage(hexFile, DecoderSession::unrecognisedMessage()));
    for (const QString &finding : outcome.damage.findings())
        err << "Quaxel: " << escapedText(finding) << Qt::endl;
    input.session.filePath = hexFile;
    input.source = {shownPath(QFileInfo(hexFile).fileName()), file.content, outcome.lines.version};
    const QByteArray bytes = Sheet::pdf(Sheet::gather(std::move(input)), Sheet::paperFor(QLocale::system()));
    const auto failure = bytes.isEmpty() ? fileMessage(sheetPath, SheetActions::tr("das PDF kann nicht erstellt werden"))
                                         : saveVerifiedFile(sheetPath, bytes);
    if (failure)
        return fail(SheetActions::tr("Schreiben fehlgeschlagen: %1").arg(QString(*failure).replace(u'\n', u' ')));
    return 0;
}
