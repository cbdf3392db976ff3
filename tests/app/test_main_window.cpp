#include "WindowParts.h"
#include "MainWindowFixture.h"
#include "SlotRows.h"
#include "preferences/IniFile.h"
#include "app/Screenshot.h"
#include "ui/BandedFrameStyle.h"
#include "ui/TextColour.h"
#include "app/TFormMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <gtest/gtest.h>


TEST_F(MainWindowTest, FirstStartLayout)
{
    TFormMain w(settingsPath());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quaxel V0.981"));
    EXPECT_EQ(w.pos(), QPoint(10, 10));
    EXPECT_EQ(w.width(), 720);
    EXPECT_EQ(w.height(), 550 + 20 + w.GroupBoxButtons->height()) << "a status bar of 20 pixels";
    EXPECT_EQ(w.minimumSize(), w.size());
    EXPECT_EQ(w.btn_load->width(), 104);
    EXPECT_EQ(w.btn_save->width(), 104);
    EXPECT_EQ(w.btn_info->width(), 52);
    EXPECT_EQ(w.btn_close->width(), 52);
    EXPECT_EQ(w.btn_save->x(), w.btn_load->x() + 104 + 10);
    EXPECT_EQ(w.ProgressBar1->width(), 104 + 104 + 10);
    EXPECT_EQ(w.GroupBoxButtons->geometry(), QRect(410, 515, w.btn_info->x() + 52 + 10, 72));
    EXPECT_EQ(w.GroupBoxImage->geometry(), QRect(5, 515, 400, 72));
    EXPECT_EQ(w.Image2->geometry(), QRect(100, 20, 200, 32));
    EXPECT_FALSE(w.Image2->pixmap().isNull()) << "the logo decodes";
    EXPECT_EQ(w.GroupBoxMain->geometry(), QRect(5, 5, 400, 505));
    EXPECT_EQ(statusPanelText(w, 4), QStringLiteral(" Quaxel V0.981 vom 27. Juni 2011"));
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE(statusPanelText(w, p).isEmpty());
    EXPECT_FALSE(w.btn_save->isEnabled());
    EXPECT_TRUE(w.btn_load->font().bold());
    EXPECT_TRUE(w.btn_save->font().bold());
    EXPECT_FALSE(w.btn_info->font().bold());
    EXPECT_TRUE(w.btn_close->font().bold());
}

TEST_F(MainWindowTest, SlotControlsExistHiddenWithTheirNames)
{
    TFormMain w(settingsPath());
    makeEverySlotRow(w);
    for (int s = 0; s < TFormMain::SlotCount; ++s) {
        auto *edit = w.findChild<QLineEdit *>(QStringLiteral("edtAddress[%1]").arg(s));
        ASSERT_EQ(edit, gridOf(w).edtAddress[s]);
        EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("lblSlot[%1]").arg(s)), gridOf(w).lblSlot[s]);
        EXPECT_EQ(w.findChild<QLineEdit *>(QStringLiteral("edtFunction[%1]").arg(s)), gridOf(w).edtFunction[s]);
        EXPECT_EQ(w.findChild<QPushButton *>(QStringLiteral("btnRG[%1]").arg(s)), gridOf(w).btnRG[s]);
        EXPECT_TRUE(gridOf(w).lblSlot[s]->isHidden());
        EXPECT_TRUE(edit->isHidden());
        EXPECT_EQ(edit->size(), QSize(40, 20));
        EXPECT_EQ(gridOf(w).btnRG[s]->toolTip(), QStringLiteral("Wechsel zwischen ROTer und GRÜNer Adresse "));
    }
}

TEST_F(MainWindowTest, EndeWritesTheSettingsAndClosingDoesNot)
{
    {
        TFormMain w(settingsPath());
        w.show();
        w.close();
    }
    EXPECT_FALSE(QFile::exists(settingsPath())) << "the title bar's close box writes nothing";

    {
        TFormMain w(settingsPath());
        w.show();
        w.setGeometry(QRect(QPoint(33, 44), w.size())); // the window's inside, without its frame
        frameHost(w).rasterX = 5;
        frameHost(w).rasterY = 2;
        w.btn_close->click();
        EXPECT_FALSE(w.isVisible());
    }
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_LT(content.indexOf("[Raster]"), content.indexOf("[Window]"));
    const IniFile ini = IniFile::fromBytes(content);
    EXPECT_EQ(ini.readInteger("Raster", "x", -1), 5);
    EXPECT_EQ(ini.readInteger("Raster", "y", -1), 2);
    EXPECT_EQ(ini.readInteger("Window", "Width", -1), 720);
    EXPECT_EQ(ini.readInteger("Window", "Left", -1), 33);
    EXPECT_EQ(ini.readInteger("Window", "Top", -1), 44);

    TFormMain again(settingsPath());
    EXPECT_EQ(again.pos(), QPoint(33, 44)) << "the stored position comes back";
    EXPECT_EQ(frameHost(again).rasterX, 5);
}

TEST_F(MainWindowTest, EndeKeepsTheWindowOpenWhenTheSettingsCannotBeWritten)
{
    const QString blocked = writeFile(QStringLiteral("file"), "x");
    TFormMain w(blocked + QStringLiteral("/quaxel.ini"));
    w.show();
    w.btn_close->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
}

TEST_F(MainWindowTest, CompleteLoadFillsPanelsAndEnablesSave)
{
    TFormMain w(settingsPath());
    const QString path = writeFile(QStringLiteral("torvel.hex"), Torvel);
    Dialogs::presetOpenFileName(path);
    w.btn_load->click();
    EXPECT_EQ(statusPanelText(w, 0), QStringLiteral("ID: 1"));
    EXPECT_EQ(statusPanelText(w, 1), QStringLiteral("V 3.51"));
    EXPECT_EQ(statusPanelText(w, 4), path);
    EXPECT_EQ(w.document().session().image.rom[0], QStringLiteral("08"));
    EXPECT_EQ(w.document().session().image.idText, QStringLiteral("1351"));
    EXPECT_TRUE(w.btn_save->isEnabled());
}

TEST_F(MainWindowTest, CancelledOpenDialogChangesNothing)
{
    TFormMain w(settingsPath());
    Dialogs::presetOpenFileName(QString());
    w.btn_load->click();
    EXPECT_EQ(statusPanelText(w, 4), QStringLiteral(" Quaxel V0.981 vom 27. Juni 2011"));
    EXPECT_TRUE(w.document().session().image.rom.at(0).isEmpty());
}

// A file that fails to load leaves the file on screen as it was, with its
// edits: a save afterwards writes what the save before it wrote.
TEST_F(MainWindowTest, FailedLoadLeavesTheLoadedFileAndItsEditsAsTheyWere)
{
    const struct {
        const char *name;
        QByteArray content;
        const char *message;
    } cases[] = {
        {"stops halfway", ":020000040000FA\r\n:084000000200040006000200A6\r\n:02000000AB3C17\r\n:0200000200\r\n",
         "E203: Unerwartete Zeile im File: :0200000200"},
        {"too many lines", QByteArray(":00000001FF\r\n").repeated(513),
         "E207: Zu viele Zeilen im File (mehr als 512)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TFormMain w(settingsPath());
        const QString good = writeFile(QStringLiteral("good.hex"), Torvel);
        w.loadHexFile(good);
        gridOf(w).edtAddress[1]->setText(QStringLiteral("77"));
        const QString before = dir.filePath(QStringLiteral("before.hex"));
        Dialogs::presetSaveFileName(before);
        w.btn_saveClick();
        std::array<QString, 5> panels;
        for (int p = 0; p < 5; ++p)
            panels[p] = statusPanelText(w, p);

        Dialogs::clearPresets();
        w.loadHexFile(writeFile(QStringLiteral("bad.hex"), c.content));
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_TRUE(Dialogs::recordedMessages().first().text.startsWith(QString::fromUtf8(c.message)))
            << Dialogs::recordedMessages().first().text.toStdString();
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(statusPanelText(w, p), panels[p]) << "panel " << p;
        EXPECT_EQ(gridOf(w).edtAddress[1]->text(), QStringLiteral("77"));
        EXPECT_TRUE(w.btn_save->isEnabled());

        const QString after = dir.filePath(QStringLiteral("after.hex"));
        Dialogs::presetSaveFileName(after);
        w.btn_saveClick();
        EXPECT_EQ(contentOf(after), contentOf(before));
        Dialogs::clearPresets();
    }
}

TEST_F(MainWindowTest, FailedLoadAtStartLeavesSaveDisabled)
{
    TFormMain w(settingsPath());
    w.loadHexFile(writeFile(QStringLiteral("bad.hex"), ":020000040000FA\r\n:0200000200\r\n"));
    EXPECT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_FALSE(w.btn_save->isEnabled());
}

TEST_F(MainWindowTest, UnreadableFileChangesNothing)
{
    TFormMain w(settingsPath());
    w.loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel));
    Dialogs::setRecordMessages(true);
    w.loadHexFile(dir.filePath(QStringLiteral("missing.hex")));
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().kind, BoxKind::WarningOk);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QStringLiteral("missing.hex")));
    EXPECT_TRUE(statusPanelText(w, 4).endsWith(QStringLiteral("good.hex")));
    EXPECT_EQ(w.document().session().image.rom[0], QStringLiteral("08"));
    EXPECT_TRUE(w.btn_save->isEnabled());
}

TEST_F(MainWindowTest, TooManyLinesAreRejectedBeforeAnythingChanges)
{
    TFormMain w(settingsPath());
    w.loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel));
    Dialogs::setRecordMessages(true);
    QByteArray big;
    for (int i = 0; i < 513; ++i)
        big += ":00000001FF\r\n";
    w.loadHexFile(writeFile(QStringLiteral("big.hex"), big));
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.startsWith(QStringLiteral("E207: ")));
    EXPECT_TRUE(statusPanelText(w, 4).endsWith(QStringLiteral("good.hex")));
    EXPECT_EQ(w.document().session().image.lineCount, 7);
}

TEST_F(MainWindowTest, LoadThroughTheRealFileDialogAndMessageBox)
{
    Dialogs::setRecordMessages(false);
    const Dialogs::RealDialogsAllowed realDialogs;
    TFormMain w(settingsPath());
    w.show();
    const QString bad = writeFile(QStringLiteral("bad.hex"), ":020000040000FA\r\n:00000001FF \r\n");

    QStringList filters;
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::Warning;
    whenModalShows<QFileDialog>([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(bad);
        whenModalShows<QMessageBox>([&](QMessageBox *box) {
            shownText = box->text();
            shownIcon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(edit, Qt::Key_Return);
    });
    w.btn_load->click();

    EXPECT_EQ(filters, QStringList({"HEX (*.hex)", "TXT (*.txt)", "*.* (*)"}));
    EXPECT_EQ(shownText, QStringLiteral("E202: Unerwarteter End File Record: :00000001FF "));
    EXPECT_EQ(shownIcon, QMessageBox::NoIcon);
    EXPECT_EQ(statusPanelText(w, 4), QStringLiteral(" Quaxel V0.981 vom 27. Juni 2011")) << "a failed load changes nothing";
    EXPECT_FALSE(w.btn_save->isEnabled());
}

// A file that loads but shows signs of damage is loaded as it is, then named
// in one warning; a sound file loads without a word.
TEST_F(MainWindowTest, DamagedFilesLoadWithOneWarning)
{
    const struct {
        const char *file;
        const char *warning; // empty: no message at all
    } cases[] = {
        {"wrong-checksum.hex",
         "Die Datei ist vielleicht beschädigt: 1 Zeile(n) mit falscher Prüfsumme (erste: Zeile 2)."},
        {"no-end-record.hex", "Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten."},
        {"huge-line.hex", "Die Datei ist vielleicht beschädigt: 1 Zeile(n) mit falscher Prüfsumme (erste: Zeile 2).\n"
                          "Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.\n"
                          "Für ID, CONFIG, EEPROM enthält die Datei keine Records: die angezeigten Einstellungen sind "
                          "gelöschte Bytes (FF), und Speichern bringt sie nicht zurück."},
        {"crlf.hex", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        TFormMain w(settingsPath());
        Dialogs::clearPresets();
        EXPECT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_TEST_DATA "/bad-input/") + QString::fromLatin1(c.file)));
        QStringList warnings;
        for (const UserMessage &m : Dialogs::recordedMessages()) {
            if (m.kind == BoxKind::WarningOk && m.text.startsWith(QStringLiteral("Die Datei")))
                warnings << m.text;
        }
        EXPECT_EQ(warnings, *c.warning ? QStringList{QString::fromUtf8(c.warning)} : QStringList{});
        EXPECT_TRUE(w.btn_save->isEnabled());
    }
}

// The program's style draws tall group box frames in bands; every pixel must
// come out as the base style draws the frame in one piece.
TEST_F(MainWindowTest, BandedGroupBoxFramesMatchTheBaseStyle)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    BandedFrameStyle banded(QStyleFactory::create(QStringLiteral("Fusion")));
    // A widget drawn in a style onto white, at the size given.
    const auto drawn = [](QWidget &widget, QStyle *style, const QSize &size) {
        widget.setStyle(style);
        widget.resize(size);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        widget.render(&image);
        return image;
    };
    const auto picture = [&drawn](QStyle *style, const QSize &size, const QString &title) {
        QGroupBox box(title);
        return drawn(box, style, size);
    };
    for (const QSize size : {QSize(400, 505), QSize(300, 200), QSize(290, 72), QSize(120, 33), QSize(60, 97)}) {
        for (const QString &title : {QString(), QStringLiteral("Mode Auswahl")}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(title).toStdString());
            EXPECT_EQ(picture(&banded, size, title), picture(fusion.get(), size, title));
        }
    }
    // A checkable box keeps its frame below the check box.
    const auto checkable = [&drawn](QStyle *style) {
        QGroupBox box;
        box.setCheckable(true);
        return drawn(box, style, QSize(200, 150));
    };
    EXPECT_EQ(checkable(&banded), checkable(fusion.get()));
    // The progress bar, drawn clipped to its rectangle, at the steps of a load.
    const auto bar = [&drawn](QStyle *style, int value) {
        QProgressBar progress;
        progress.setTextVisible(false);
        progress.setRange(0, 32);
        progress.setValue(value);
        return drawn(progress, style, QSize(230, 17));
    };
    for (const int value : {0, 1, 16, 31, 32}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(bar(&banded, value), bar(fusion.get(), value));
    }
}

// Painting the window starts no thread and loads no image plugin: the raster
// engine would start worker threads for a tall stretched picture or a clipped
// progress bar, the image reader would load every format's plugin to read the
// group box picture, and every start-up would pay for them. The check needs a
// process in which neither happened yet; ctest runs it so (test_paint_threads).
TEST_F(MainWindowTest, PaintingTheWindowStartsNoThread)
{
    const auto threads = [] {
        return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    const auto imagePluginsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    };
    if (threads() != 1 || imagePluginsLoaded())
        GTEST_SKIP() << "an earlier test started threads or loaded image plugins";
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex")));
    QImage picture(w.size(), QImage::Format_RGB32);
    w.render(&picture);
    EXPECT_EQ(threads(), 1);
    EXPECT_FALSE(imagePluginsLoaded());
}

// Black or white text by the usual contrast ratio, with the sRGB luminance
// computed by the maths library, over a grid of colours and every grey.
TEST(TextColour, BlackOrWhiteAsTheContrastRatioChooses)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto expected = [&](const QColor &c) {
        const double l = 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
    };
    std::vector<QColor> colours;
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 15)
                colours.emplace_back(r, g, b);
    for (int v = 0; v < 256; ++v)
        colours.emplace_back(v, v, v);
    int blacks = 0;
    for (const QColor &c : colours) {
        EXPECT_EQ(readableTextColour(c), expected(c)) << c.name().toStdString();
        blacks += readableTextColour(c) == QColor(Qt::black);
    }
    EXPECT_GT(blacks, 0);
    EXPECT_LT(blacks, static_cast<int>(colours.size()));
}

// The window picture is what the window painted on screen: the same pixels a
// fresh rendering of the window gives.
TEST_F(MainWindowTest, ThePictureIsWhatTheShownWindowPainted)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex")));
    QApplication::processEvents();
    const QImage painted = paintedPicture(w);
    ASSERT_FALSE(painted.isNull());
    QImage rendered(w.size(), QImage::Format_RGB32);
    w.render(&rendered);
    EXPECT_EQ(painted, rendered);

    TFormMain hidden(settingsPath());
    EXPECT_TRUE(paintedPicture(hidden).isNull()) << "a window never shown has painted nothing";
}
