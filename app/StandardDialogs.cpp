#include "app/StandardDialogs.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// The dialog classes whose layouts size themselves to their font.
const char *const SelfSizingDialogs[] = {"QFileDialog", "QMessageBox", "QInputDialog"};

// The columns of the file dialog's detail view (QFileSystemModel's order).
enum FileColumn { NameColumn = 0, SizeColumn = 1, TypeColumn = 2, DateColumn = 3 };

// The file model writes sizes and dates in the system's locale (English
// under C or en_US); this writes them in the view's locale instead.
class FileDetailsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto *model = qobject_cast<const QFileSystemModel *>(index.model());
        // Folders have no size text; a proxy model keeps the texts it makes.
        if (!model || option->text.isEmpty())
            return;
        if (index.column() == SizeColumn)
            option->text = option->locale.formattedDataSize(model->size(index));
        else if (index.column() == DateColumn)
            option->text = option->locale.toString(model->lastModified(index), QLocale::ShortFormat);
    }
};

// Fits every file dialog when it shows; the static QFileDialog functions
// make theirs out of reach of the caller.
class FileDialogFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *dialog = qobject_cast<QFileDialog *>(watched))
                fitFileDialog(*dialog);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QFont standardDialogFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QLocale standardDialogLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

void fitFileDialog(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    // A native dialog has no views of its own; a dialog is fitted once.
    if (!details || dynamic_cast<FileDetailsDelegate *>(details->itemDelegate()))
        return;
    dialog.setLocale(standardDialogLocale());
    details->setItemDelegate(new FileDetailsDelegate(details));
    QHeaderView *header = details->header();
    for (const int column : {SizeColumn, TypeColumn, DateColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void prepareStandardDialogFonts()
{
    const QFont font = standardDialogFont();
    for (const char *className : SelfSizingDialogs)
        QApplication::setFont(font, className);
}

void prepareStandardDialogs(QApplication &app)
{
    prepareStandardDialogFonts();
    app.installEventFilter(new FileDialogFitter(&app));
}
