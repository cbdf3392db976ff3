// The data sheet from the window's right-click menu: it shows what the
// window shows (a slot edit, an editor's working copy that is not applied)
// and marks it unsaved, and printing it changes nothing in the window.
#include "tests/app/MainWindowFixture.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "EditorFrames.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString Unsaved = QStringLiteral("Ungespeicherte Änderungen");

} // namespace

class SheetWindowTest : public MainWindowTest {};

TEST_F(SheetWindowTest, SheetShowsTheWindowAndMarksItUnsaved)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo-blink.hex")));
    Dialogs::clearPresets();
    int slot = 0;
    while (!w.document().session().slotShown(slot))
        ++slot;
    const QString label = w.document().session().slotLabel(slot);
    QCheckBox *loop = editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop;
    ASSERT_TRUE(loop->isChecked());

    const auto sheetText = [&](const QString &name) {
        const QString path = dir.filePath(name);
        Dialogs::presetSaveFileName(path);
        chooseFromButtonsMenu(w, "actSheetPdf");
        return pdfText(path);
    };
    const QString asLoaded = sheetText(QStringLiteral("loaded.pdf"));
    EXPECT_FALSE(asLoaded.contains(Unsaved));
    EXPECT_TRUE(asLoaded.contains(QStringLiteral("Loop ein; Zeit-Raster")));
    const QRegularExpression editedSlot(QRegularExpression::escape(label) + QStringLiteral("\\s+1999\\s"));
    EXPECT_FALSE(editedSlot.match(asLoaded).hasMatch());

    // A slot edit and an unapplied change of the shown pattern.
    gridOf(w).edtAddress[slot]->setFocus();
    gridOf(w).edtAddress[slot]->selectAll();
    QTest::keyClicks(gridOf(w).edtAddress[slot], QStringLiteral("1999"));
    QTest::keyClick(gridOf(w).edtAddress[slot], Qt::Key_Return);
    loop->setFocus();
    QTest::keyClick(loop, Qt::Key_Space);
    ASSERT_TRUE(editorFrame<TFrameBlinkmuster>(w)->hasUnappliedChanges());
    const auto romBefore = w.document().session().image.rom;
    const QString titleBefore = w.windowTitle();

    const QString edited = sheetText(QStringLiteral("edited.pdf"));
    EXPECT_TRUE(edited.contains(Unsaved)) << qPrintable(edited);
    EXPECT_TRUE(editedSlot.match(edited).hasMatch());
    EXPECT_TRUE(edited.contains(QStringLiteral("Loop aus; Zeit-Raster")));
    // The window is left as it was: the copy waits, the image is untouched.
    EXPECT_TRUE(editorFrame<TFrameBlinkmuster>(w)->hasUnappliedChanges());
    EXPECT_FALSE(loop->isChecked());
    EXPECT_EQ(w.document().session().image.rom, romBefore);
    EXPECT_EQ(w.windowTitle(), titleBefore);
    EXPECT_EQ(gridOf(w).edtAddress[slot]->text(), QStringLiteral("1999"));
}

// "Datenblatt drucken…" shows the sheet's pages in Qt's print preview.
TEST_F(SheetWindowTest, PrintShowsThePagesInAPreview)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo-servo.hex")));
    int pages = -1;
    whenModalShows<QPrintPreviewDialog>([&pages](QPrintPreviewDialog *preview) {
        if (auto *view = preview->findChild<QPrintPreviewWidget *>())
            pages = view->pageCount();
        preview->reject();
    });
    chooseFromButtonsMenu(w, "actPrintSheet");
    // The servo decoder's sheet: slots and settings, then four curves.
    EXPECT_GE(pages, 2);
}
