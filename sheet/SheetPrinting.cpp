#include "sheet/SheetPrinting.h"

#include "sheet/SheetLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMarginsF>
#include <functional>

namespace Sheet {

namespace {

using PreviewFunction = void (*)(QWidget *, const QString &, const QPageSize &, const QMarginsF &,
                                 const std::function<void(QPagedPaintDevice &)> &);

// The module lies beside the program in a build, and in the program's own
// library folder when installed (found from the program's folder, whatever
// the prefix).
PreviewFunction previewFunction(QString &error)
{
    static PreviewFunction function = nullptr;
    if (function)
        return function;
    const QString name = QStringLiteral(QUAXEL_PRINT_MODULE);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString &folder : {programFolder.path(), programFolder.filePath(QStringLiteral(QUAXEL_MODULE_FROM_PROGRAM))}) {
        QLibrary module(QDir(folder).filePath(name));
        function = reinterpret_cast<PreviewFunction>(module.resolve("quaxelSheetPrintPreview"));
        if (function)
            return function;
        error = module.errorString();
    }
    return nullptr;
}

} // namespace

std::optional<QString> printPreview(QWidget *parent, const Content &content, const QPageSize &paper)
{
    QString error;
    const PreviewFunction preview = previewFunction(error);
    if (!preview)
        return error;
    const QString title = content.title + QStringLiteral(": ") + (content.file.empty() ? QString() : content.file.front().value);
    preview(parent, title, paper, pageMarginsMm(), [&content](QPagedPaintDevice &device) { paint(content, device); });
    return std::nullopt;
}

} // namespace Sheet
