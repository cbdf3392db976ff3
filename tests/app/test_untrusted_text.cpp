// Text from a file or a file name reaches the window as the characters it
// holds: markup shows as its tags, control and bidirectional characters show
// escaped, in message boxes, the status bar, the title and the information
// dialog. A name that is no UTF-8 loads.
#include "MainWindowFixture.h"

#include "image/SafeFile.h"
#include "info/TfrmInfo.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

class UntrustedTextTest : public MainWindowTest {
protected:
    // Qt cannot remove names that are no UTF-8: the folder goes by its bytes.
    void TearDown() override
    {
        MainWindowTest::TearDown();
        const std::string remove = "rm -rf '" + QFile::encodeName(dir.path()).toStdString() + "'";
        EXPECT_EQ(std::system(remove.c_str()), 0);
    }

    // Writes the file under exactly the given bytes of a name.
    QString writeNamed(const QByteArray &name, const QByteArray &content)
    {
        const QString path = pathFromBytes(QFile::encodeName(dir.path()) + '/' + name);
        FILE *file = std::fopen(pathBytes(path).constData(), "wb");
        EXPECT_TRUE(file);
        if (file) {
            std::fwrite(content.constData(), 1, static_cast<size_t>(content.size()), file);
            std::fclose(file);
        }
        return path;
    }
};

struct ShownBox {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QSize size;
};

// Runs act, which shows one message box, and tells how the real box showed it.
ShownBox realBoxOf(const std::function<void()> &act)
{
    Dialogs::setRecordMessages(false);
    Dialogs::RealDialogsAllowed real;
    ShownBox shown;
    whenModalShows<QMessageBox>([&shown](QMessageBox *box) {
        shown = {box->textFormat(), box->text(), box->size()};
        box->reject();
    });
    act();
    Dialogs::setRecordMessages(true);
    return shown;
}

// A line or a name that looks like markup shows its tags, and one that holds
// a bidirectional override shows it escaped.
TEST_F(UntrustedTextTest, MessageBoxesShowFileTextLiterally)
{
    const struct {
        const char *name;
        QByteArray fileName;
        QByteArray content; // empty: the file does not exist
        QString shows;
    } rows[] = {
        {"a record of markup", "rich.hex", ":00000006<h1>BIG</h1><a href=\"file:x\">klick</a>\r\n:00000001FF\r\n",
         QStringLiteral("E206: Unerwartete Zeile im File: :00000006<H1>BIG</H1><A HREF=\"FILE:X\">KLICK</A>")},
        {"a name of markup", "<h1>BIG<img src=\"x.png\">.hex", {}, QStringLiteral("<h1>BIG<img src=\"x.png\">.hex:\n")},
        {"a name with a right-to-left override", "rtl\xE2\x80\xAE" "exe.txt.hex", {},
         QStringLiteral("rtl\\u202Eexe.txt.hex:\n")},
    };
    for (const auto &row : rows) {
        TFormMain w(settingsPath());
        const QString path = row.content.isEmpty() ? pathFromBytes(QFile::encodeName(dir.path()) + '/' + row.fileName)
                                                   : writeNamed(row.fileName, row.content);
        const ShownBox box = realBoxOf([&w, &path] { EXPECT_FALSE(w.loadHexFile(path)); });
        EXPECT_EQ(box.format, Qt::PlainText) << row.name;
        EXPECT_TRUE(box.text.contains(row.shows)) << row.name << ": " << box.text.toStdString();
        EXPECT_LT(box.size.height(), 400) << row.name;
    }
}

// The help (F1) is the program's own text: its tabs line up keys and texts
// in the box, where a file's text would show them escaped.
TEST_F(UntrustedTextTest, HelpShowsItsTabsAsTabs)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const ShownBox box = realBoxOf([&w] { QTest::keyClick(&w, Qt::Key_F1); });
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_TRUE(box.text.contains(QStringLiteral("\nStrg+O\tHEX laden\nStrg+S\tHEX speichern"))) << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(QStringLiteral("\\x"))) << box.text.toStdString();
}

// A file whose name looks like markup or holds control characters loads, and
// the status bar and the title show its whole name, escaped.
TEST_F(UntrustedTextTest, StatusBarTitleAndInfoDialogShowTheWholeName)
{
    const struct {
        QByteArray fileName;
        QString shown;
    } rows[] = {
        {"<b>bold<h1>x.hex", QStringLiteral("<b>bold<h1>x.hex")},
        {"rtl\xE2\x80\xAE" "exe.txt.hex", QStringLiteral("rtl\\u202Eexe.txt.hex")},
        {"line\nfeed\x1B[2J.hex", QStringLiteral("line\\x0Afeed\\x1B[2J.hex")},
        {"star[*]&amp.hex", QStringLiteral("star[*]&amp.hex")},
    };
    for (const auto &row : rows) {
        TFormMain w(settingsPath());
        const QString path = writeNamed(row.fileName, Torvel);
        ASSERT_TRUE(w.loadHexFile(path)) << row.fileName.constData();
        auto *panel = w.findChild<QLabel *>(QStringLiteral("StatusBar1_panel4"));
        ASSERT_TRUE(panel);
        EXPECT_EQ(panel->textFormat(), Qt::PlainText);
        EXPECT_EQ(panel->text(), shownPath(path));
        EXPECT_TRUE(panel->text().endsWith(row.shown)) << panel->text().toStdString();
        // The title as the window manager gets it, "[*]" included.
        w.show();
        EXPECT_TRUE(w.windowHandle()->title().startsWith(row.shown)) << w.windowHandle()->title().toStdString();

        TfrmInfo info(w.document().session().image, w.document().session().filePath, &w);
        Dialogs::presetOpenFileName(path);
        info.findChild<QPushButton *>(QStringLiteral("btn_compare"))->click();
        for (int k = 0; k < TfrmInfo::StatusPanelCount; ++k) {
            auto *infoPanel = info.findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(k));
            EXPECT_EQ(infoPanel->textFormat(), Qt::PlainText);
            EXPECT_TRUE(infoPanel->text().endsWith(row.shown)) << infoPanel->text().toStdString();
        }
    }
}

// A name that is no UTF-8 loads from the open dialog, chosen as Qt lists it.
TEST_F(UntrustedTextTest, ANameThatIsNoUtf8LoadsFromTheOpenDialog)
{
    Dialogs::setRecordMessages(false);
    const Dialogs::RealDialogsAllowed realDialogs;
    TFormMain w(settingsPath());
    w.show();
    const QString path = writeNamed("list\xFF.hex", Torvel);
    const QString listed = QFile::decodeName(QFile::encodeName(dir.path()) + "/list\xFF.hex");
    ASSERT_NE(listed, path);
    QString unexpected;
    whenModalShows<QFileDialog>([&](QFileDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(listed);
        whenModalShows<QMessageBox>([&unexpected](QMessageBox *box) {
            unexpected = box->text();
            box->reject();
        });
        QTest::keyClick(edit, Qt::Key_Return);
    });
    w.btn_load->click();
    EXPECT_EQ(unexpected, QString());
    EXPECT_EQ(w.document().session().filePath, path);
    EXPECT_TRUE(w.btn_save->isEnabled());
    Dialogs::setRecordMessages(true);
}

// A name that is no UTF-8 loads from a drop, and a save keeps exactly its bytes.
TEST_F(UntrustedTextTest, ANameThatIsNoUtf8LoadsFromADropAndSavesUnderItsBytes)
{
    TFormMain w(settingsPath());
    const QString path = writeNamed("bad\xFF\xFE.hex", Torvel);
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + QFile::encodeName(dir.path()).toPercentEncoding("/") + "/bad%FF%FE.hex")});
    const QPoint centre = w.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &dropped);
    EXPECT_EQ(Dialogs::recordedMessages().size(), 0);
    EXPECT_EQ(w.document().session().filePath, path);
    EXPECT_TRUE(w.btn_save->isEnabled());
    EXPECT_TRUE(statusPanelText(w, 4).endsWith(QStringLiteral("bad\\xFF\\xFE.hex")));

    const QString saved = pathFromBytes(QFile::encodeName(dir.path()) + "/out\xFF.hex");
    Dialogs::presetSaveFileName(saved);
    w.btn_saveClick();
    EXPECT_EQ(Dialogs::recordedMessages().size(), 0);
    struct stat info {};
    EXPECT_EQ(::stat(pathBytes(saved).constData(), &info), 0) << "not written under its own bytes";
}

} // namespace
