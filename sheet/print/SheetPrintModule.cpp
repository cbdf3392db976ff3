// The print preview of a data sheet, in a module of its own: Qt Print Support
// is loaded when a sheet is first printed, not with the program.
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>

extern "C" Q_DECL_EXPORT void quaxelSheetPrintPreview(QWidget *parent, const QString &title, const QPageSize &paper,
                                                      const QMarginsF &marginsMm,
                                                      const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(paper);
    printer.setPageMargins(marginsMm, QPageLayout::Millimeter);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("sheetPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter *target) { paint(*target); });
    preview.exec();
}
