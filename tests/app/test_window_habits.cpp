// The main window's desktop habits: shortcuts, recent files, the hint in the
// empty window, the save confirmation, readable coloured fields and Qt's own
// dialogs in German.
#include "WindowParts.h"
#include "SlotRows.h"
#include "MainWindowFixture.h"
#include "preferences/IniFile.h"
#include "info/TfrmInfo.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <cmath>
#include <sys/stat.h>

namespace {

QLabel *emptyHint(const TFormMain &w)
{
    return w.findChild<QLabel *>(QStringLiteral("emptyHint"));
}

const QString Sample = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/457-led-dekoder-signal-001-einfahrsignal-ab-v3-37-dcc.hex");

double contrast(const QColor &a, const QColor &b)
{
    const auto lum = [](const QColor &c) {
        const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = lum(a);
    const double lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct ShortcutCase {
    const char *what;
    QKeySequence keys;
    bool loadedFirst;
};

class Shortcuts : public MainWindowTest, public ::testing::WithParamInterface<ShortcutCase> {};

} // namespace

TEST_P(Shortcuts, DoWhatTheirButtonDoes)
{
    const ShortcutCase &c = GetParam();
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    if (c.loadedFirst) {
        ASSERT_TRUE(w.loadHexFile(Sample));
    }
    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetOpenFileName(Sample);
    Dialogs::presetSaveFileName(saved);
    const QString key = c.keys.toString();
    bool infoShown = false;
    if (key == QStringLiteral("Ctrl+I")) {
        whenModalShows<TfrmInfo>([&infoShown](TfrmInfo *info) {
            infoShown = true;
            info->reject();
        });
    }
    QTest::keySequence(&w, c.keys);

    if (key == QStringLiteral("Ctrl+O")) {
        EXPECT_EQ(statusPanelText(w, 4), Sample);
        EXPECT_TRUE(w.btn_save->isEnabled());
    } else if (key == QStringLiteral("Ctrl+S")) {
        EXPECT_TRUE(QFile::exists(saved));
        EXPECT_EQ(w.StatusBar1->currentMessage(), QStringLiteral("Gespeichert und geprüft: ") + saved);
        EXPECT_EQ(statusPanelText(w, 4), saved);
        EXPECT_EQ(recentFilesOf(w).files().first(), saved);
    } else if (key == QStringLiteral("Ctrl+I")) {
        EXPECT_TRUE(infoShown);
    } else if (key == QStringLiteral("F1")) {
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        const QString help = Dialogs::recordedMessages().first().text;
        for (const char *line : {"Strg+O\tHEX laden", "Strg+Z\tRückgängig", "Strg+Y\tWiederholen", "Strg+D\tÄnderungen anzeigen"})
            EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << line;
    } else if (key == QStringLiteral("Ctrl+Q")) {
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(QFile::exists(settingsPath())) << "as the title bar's close box: no settings written";
    }
    if (key != QStringLiteral("F1")) {
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty()) << Dialogs::recordedMessages().first().text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, Shortcuts,
                         ::testing::Values(ShortcutCase{"load", QKeySequence(QStringLiteral("Ctrl+O")), false},
                                           ShortcutCase{"save", QKeySequence(QStringLiteral("Ctrl+S")), true},
                                           ShortcutCase{"info", QKeySequence(QStringLiteral("Ctrl+I")), true},
                                           ShortcutCase{"help", QKeySequence(QStringLiteral("F1")), false},
                                           ShortcutCase{"close", QKeySequence(QStringLiteral("Ctrl+Q")), false}));

// A window opened with a file waits with its hint until that load is over:
// loaded, the hint never shows; failed, the empty window shows it as usual.
TEST_F(MainWindowTest, TheHintWaitsForTheFileGivenAtStart)
{
    TFormMain opened(settingsPath());
    opened.expectStartFile();
    opened.show();
    EXPECT_TRUE(emptyHint(opened)->text().isEmpty());
    ASSERT_TRUE(opened.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex")));
    EXPECT_FALSE(emptyHint(opened)->isVisible());

    TFormMain failed(settingsPath());
    failed.expectStartFile();
    failed.show();
    EXPECT_FALSE(failed.loadHexFile(dir.filePath(QStringLiteral("missing.hex"))));
    EXPECT_TRUE(emptyHint(failed)->isVisible());
    EXPECT_TRUE(emptyHint(failed)->text().contains(QStringLiteral("HEX laden oder eine .hex-Datei hierher ziehen")));
}

TEST_F(MainWindowTest, EmptyWindowHintAndRecentFilesAcrossARestart)
{
    const QString first = writeFile(QStringLiteral("first.hex"), Torvel);
    const QString second = writeFile(QStringLiteral("second.hex"), Torvel);
    {
        TFormMain w(settingsPath());
        w.show();
        EXPECT_TRUE(emptyHint(w)->isVisible());
        EXPECT_TRUE(emptyHint(w)->text().contains(QStringLiteral("HEX laden oder eine .hex-Datei hierher ziehen")));
        ASSERT_TRUE(w.loadHexFile(first));
        EXPECT_FALSE(emptyHint(w)->isVisible()) << "the hint goes once a file is loaded";
        ASSERT_TRUE(w.loadHexFile(second));
        w.btn_close->click();
    }
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const IniFile ini = IniFile::fromBytes(file.readAll());
    EXPECT_EQ(ini.readString(QStringLiteral("Recent"), QStringLiteral("File1")), second);
    EXPECT_EQ(ini.readString(QStringLiteral("Recent"), QStringLiteral("File2")), first);
    EXPECT_EQ(ini.readString(QStringLiteral("Recent"), QStringLiteral("Folder")), dir.path());

    TFormMain again(settingsPath());
    again.show();
    EXPECT_EQ(recentFilesOf(again).files(), QStringList({second, first}));
    EXPECT_TRUE(emptyHint(again)->text().contains(QStringLiteral("first.hex")));
    // The second link of the hint is the older file; a file that is gone
    // leaves the list with the loader's message.
    emit emptyHint(again)->linkActivated(QStringLiteral("1"));
    EXPECT_EQ(statusPanelText(again, 4), first);
    // Loaded again while it heads the list, the file leaves the settings file
    // as it is: a start with the last file writes nothing.
    const auto settingsInode = [this] {
        struct stat info {};
        return ::stat(QFile::encodeName(settingsPath()).constData(), &info) == 0 ? info.st_ino : ino_t(0);
    };
    const ino_t written = settingsInode();
    ASSERT_NE(written, ino_t(0));
    ASSERT_TRUE(again.loadHexFile(first));
    EXPECT_EQ(settingsInode(), written);
    QFile::remove(second);
    EXPECT_FALSE(loadRecent(again, second));
    EXPECT_EQ(recentFilesOf(again).files(), QStringList({first}));
    EXPECT_EQ(Dialogs::recordedMessages().size(), 1);
}

// Under a dark palette the edits' text is light; on the green and red address
// fields it has to be dark, and on white fields too.
TEST_F(MainWindowTest, ColouredAddressFieldsStayReadableUnderADarkPalette)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    QApplication::setPalette(dark);
    for (const QString &sample : {Sample, QStringLiteral(QUAXEL_SOURCE_DIR "/samples/15872-led-dekoder-funktionsdekoder-schalten-dcc.hex")}) {
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample));
        makeEverySlotRow(w);
        int shown = 0;
        for (QLineEdit *edit : gridOf(w).edtAddress) {
            if (edit->isHidden())
                continue;
            ++shown;
            const QPalette p = edit->palette();
            EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 4.5)
                << edit->objectName().toStdString() << " on " << p.color(QPalette::Base).name().toStdString();
        }
        EXPECT_GT(shown, 0);
    }
    QApplication::setPalette(before);
}

// Qt's standard buttons and dialogs speak German as the program does.
TEST_F(MainWindowTest, StandardDialogsAreGerman)
{
    const Dialogs::RealDialogsAllowed realDialogs;
    QStringList buttons;
    whenModalShows<QMessageBox>([&buttons](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(Dialogs::askYesNo(nullptr, QStringLiteral("Geänderte Werte übernehmen?")));
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein")}));

    QString title;
    QStringList dialogTexts;
    whenModalShows<QFileDialog>([&title, &dialogTexts](QFileDialog *dialog) {
        title = dialog->windowTitle();
        for (QLabel *label : dialog->findChildren<QLabel *>())
            dialogTexts << label->text();
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            dialogTexts << button->text();
        dialog->reject();
    });
    EXPECT_TRUE(Dialogs::getSaveFileName(nullptr, Dialogs::hexFileFilter(), QStringLiteral("hex"), QString()).isEmpty());
    EXPECT_EQ(title, QStringLiteral("Speichern unter"));
    EXPECT_TRUE(dialogTexts.contains(QStringLiteral("Abbrechen"))) << dialogTexts.join(u'|').toStdString();
    EXPECT_TRUE(dialogTexts.contains(QStringLiteral("Suchen in:"))) << dialogTexts.join(u'|').toStdString();
}

// After a save, loading another file: the save's confirmation, which names
// the saved file, is gone. The context menu beside the buttons names each
// command's keys once, in the menu's shortcut column.
TEST_F(MainWindowTest, SaveConfirmationEndsWithTheNextLoadAndMenuKeysShowOnce)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(w.loadHexFile(Sample));
    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetSaveFileName(saved);
    QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_S));
    ASSERT_EQ(w.StatusBar1->currentMessage(), QStringLiteral("Gespeichert und geprüft: ") + saved);
    Dialogs::presetOpenFileName(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex"));
    QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(statusPanelText(w, 4), QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex"));
    EXPECT_EQ(w.StatusBar1->currentMessage(), QString());

    for (const char *name : {"actUndo", "actRedo"}) {
        const QAction *action = w.findChild<QAction *>(QString::fromLatin1(name));
        ASSERT_FALSE(action->shortcut().isEmpty()) << name;
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        EXPECT_FALSE(action->text().contains(keys)) << name << ": " << action->text().toStdString();
    }
}
