#pragma once
#include "settings/SheetContent.h"

#include <QObject>
#include <memory>
#include <optional>

class DecoderDocument;
class DecoderSession;
class QAction;
class QWidget;

// The decoder's data sheet from the window: "Datenblatt drucken…" shows it in
// a print preview, "Datenblatt als PDF…" writes it into a file. The sheet
// shows what the window shows, unsaved changes marked as such. Printing is
// made when it is first asked for.
class SheetActions : public QObject {
    Q_OBJECT

public:
    // window: the parent of the dialogs and the print preview.
    SheetActions(const DecoderDocument &document, QWidget *window);

    QAction *printAction() const { return printAction_; }
    QAction *pdfAction() const { return pdfAction_; }
    // The actions in the right-click menu of panel.
    void addTo(QWidget *panel);

    void printSheet();
    void saveSheet();

private:
    std::optional<Sheet::Content> content();

    // A file has been loaded: the actions can be used.
    void fileLoaded();

    const DecoderDocument &document_;
    QWidget *window_;
    QAction *printAction_;
    QAction *pdfAction_;
};

// The language of the window's texts as a locale: the sheet's date and
// decimal separator.
QLocale sheetLocale();

// "quaxel FILE --sheet SHEET.pdf": loads FILE as the window does and writes
// its data sheet. 0 when written; 1 after a message on stderr when FILE does
// not load or the sheet cannot be written.
int writeSheetFile(const QString &hexFile, const QString &sheetPath);
