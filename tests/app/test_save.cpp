#include "WindowParts.h"
#include "EditorFrames.h"
#include "MainWindowFixture.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "image/HexReader.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QProgressBar>
#include <QDir>
#include <QPushButton>
#include <algorithm>

namespace {

class SaveTest : public MainWindowTest {
protected:
    void loadTorvel(TFormMain &w)
    {
        w.loadHexFile(writeFile(QStringLiteral("torvel.hex"), Torvel));
        ASSERT_TRUE(w.btn_save->isEnabled());
        Dialogs::setRecordMessages(true);
    }

    QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(SaveTest, WritesRegeneratedRecordsWithCrLfAndShowsTheNewPath)
{
    TFormMain w(settingsPath());
    loadTorvel(w);
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    EXPECT_EQ(statusPanelText(w, 4), out);

    const QByteArray content = readFile(out);
    EXPECT_TRUE(content.startsWith(":020000040000FA\r\n:10000000083002300030"));
    EXPECT_TRUE(content.endsWith(":00000001FF\r\n"));
    EXPECT_FALSE(content.contains("\n\n"));

    FirmwareImage reloaded;
    ASSERT_TRUE(loadHexLines(reloaded, splitHexFileLines(content)).complete);
    EXPECT_EQ(reloaded.rom, w.document().session().image.rom);
    EXPECT_EQ(reloaded.eeprom, w.document().session().image.eeprom);
    EXPECT_EQ(reloaded.idText, QStringLiteral("1351"));
    EXPECT_EQ(reloaded.configText, QStringLiteral("3A3F"));
}

TEST_F(SaveTest, CancelledDialogWritesNothingAndKeepsThePanel)
{
    TFormMain w(settingsPath());
    loadTorvel(w);
    const QString before = statusPanelText(w, 4);
    Dialogs::presetSaveFileName(QString());
    w.btn_saveClick();
    EXPECT_EQ(statusPanelText(w, 4), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral(".hex")).size(), 1);
}

// The editor shown asks about its changes not applied: No ends the save
// before its dialog, Yes applies them and the save goes on. An editor of a
// file shown before (hidden now, its changes those of the other file) is not
// asked: its changes would go into a file they were never made for.
TEST_F(SaveTest, PendingFrameChangesAreAskedForInOrder)
{
    TFormMain w(settingsPath());
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo-servo.hex")));
    editorFrame<TFrameTamb>(w)->btn_MirrorVertikal->click(); // a change to the servo curves
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo-blink.hex")));
    ASSERT_TRUE(editorFrame<TFrameTamb>(w)->servo_btn_uebernehmen->isEnabled()) << "the hidden frame keeps its change";
    editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop->click();
    Dialogs::setRecordMessages(true);

    Dialogs::presetYesNo(false); // blink frame: abandon the save
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    EXPECT_TRUE(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_uebernehmen->isEnabled());
    EXPECT_FALSE(QFile::exists(out)) << "No ends the save before the dialog";

    Dialogs::clearPresets();
    Dialogs::setRecordMessages(true);
    Dialogs::presetYesNo(true); // the blink frame only: the servo frame is not asked
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    EXPECT_FALSE(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_uebernehmen->isEnabled()) << "Yes applies the frame's changes";
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
}

TEST_F(SaveTest, ChecksumFailureStopsBeforeTheDialog)
{
    TFormMain w(settingsPath());
    loadTorvel(w);
    w.document().session().image.rom[3] = QStringLiteral("X0");
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().text, QStringLiteral("Problem bei der Checksummen-Berechnung"));
    EXPECT_EQ(Dialogs::recordedMessages().first().kind, BoxKind::WarningCancel);
    EXPECT_FALSE(QFile::exists(out)) << "no empty file is written";
    EXPECT_EQ(w.document().session().image.lineCount, 0);
}

TEST_F(SaveTest, ImageWithoutIdRecordIsNotWritten)
{
    TFormMain w(settingsPath());
    w.loadHexFile(writeFile(QStringLiteral("noid.hex"), ":020000040000FA\r\n:0200000008306E\r\n:00000001FF\r\n"));
    ASSERT_TRUE(w.btn_save->isEnabled());
    Dialogs::setRecordMessages(true);
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QStringLiteral("ID")));
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(SaveTest, WriteErrorIsReportedAndTheTargetStaysWhole)
{
    TFormMain w(settingsPath());
    loadTorvel(w);
    const QString before = statusPanelText(w, 4);
    const QString target = dir.filePath(QStringLiteral("folder.hex"));
    ASSERT_TRUE(QDir().mkpath(target));
    writeFile(QStringLiteral("folder.hex/keep.txt"), "keep");
    Dialogs::presetSaveFileName(target);
    w.btn_saveClick();
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QStringLiteral("folder.hex")));
    EXPECT_EQ(statusPanelText(w, 4), before);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("folder.hex/keep.txt"))), QByteArray("keep"));
}

TEST_F(SaveTest, OverwritingReplacesTheOldFileWhole)
{
    TFormMain w(settingsPath());
    loadTorvel(w);
    const QString out = writeFile(QStringLiteral("old.hex"), QByteArray(100000, 'x'));
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    const QByteArray content = readFile(out);
    EXPECT_FALSE(content.contains('x'));
    EXPECT_TRUE(content.endsWith(":00000001FF\r\n"));
}

// The progress bar climbs through the steps of a load and of a save to its
// end and is empty again after them; a cancelled save never reaches the end.
TEST_F(SaveTest, TheProgressBarShowsTheStepsOfALoadAndASave)
{
    TFormMain w(settingsPath());
    QList<int> steps;
    QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged, [&steps](int value) { steps << value; });
    const auto climbedToTheEnd = [&] {
        return steps.size() >= 4 && std::is_sorted(steps.begin(), steps.end() - 1)
               && steps[steps.size() - 2] == w.ProgressBar1->maximum() && steps.back() == 0;
    };
    loadTorvel(w);
    EXPECT_TRUE(climbedToTheEnd()) << steps.size();
    EXPECT_EQ(w.ProgressBar1->maximum(), 32);

    steps.clear();
    Dialogs::presetSaveFileName(dir.filePath(QStringLiteral("out.hex")));
    w.btn_saveClick();
    EXPECT_TRUE(climbedToTheEnd()) << steps.size();

    steps.clear();
    Dialogs::presetSaveFileName(QString());
    w.btn_saveClick();
    EXPECT_FALSE(steps.contains(w.ProgressBar1->maximum()));
    EXPECT_EQ(w.ProgressBar1->value(), 0);
}

// After a save the window shows what the file holds, as a reload shows it: an
// unused slot (address 0) stores no output and reads red whatever was chosen;
// a text meaning the number stored ("017") stays as typed.
TEST_F(SaveTest, TheWindowShowsWhatTheSavedFileHolds)
{
    const auto colour = [](const TFormMain &w, int s) { return gridOf(w).edtAddress[s]->palette().color(QPalette::Base); };
    const QColor red(0xFF, 0x00, 0x00);
    TFormMain w(settingsPath());
    ASSERT_TRUE(w.loadHexFile(QStringLiteral(QUAXEL_SOURCE_DIR "/samples/105-relaisdekoder-8-dcc.hex")));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const auto &[slot, text] : {std::pair{1, "017"}, std::pair{2, "0"}}) {
        gridOf(w).edtAddress[slot]->setFocus();
        gridOf(w).edtAddress[slot]->selectAll();
        QTest::keyClicks(gridOf(w).edtAddress[slot], QString::fromLatin1(text));
        QTest::keyClick(gridOf(w).edtAddress[slot], Qt::Key_Return);
    }
    if (colour(w, 2) == red)
        QTest::mouseClick(gridOf(w).btnRG[2], Qt::LeftButton);
    ASSERT_NE(colour(w, 2), red);

    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetSaveFileName(saved);
    w.btn_save->click();
    ASSERT_TRUE(Dialogs::recordedMessages().isEmpty());
    EXPECT_FALSE(w.windowTitle().startsWith(QStringLiteral("* ")));
    EXPECT_EQ(colour(w, 2), red);
    EXPECT_EQ(gridOf(w).edtAddress[1]->text(), QStringLiteral("017"));

    TFormMain reloaded(settingsPath());
    ASSERT_TRUE(reloaded.loadHexFile(saved));
    for (int s = 0; s < TFormMain::SlotCount; ++s) {
        if (!gridOf(reloaded).edtAddress[s] || gridOf(reloaded).edtAddress[s]->isHidden())
            continue;
        EXPECT_EQ(gridOf(w).edtAddress[s]->text().toInt(), gridOf(reloaded).edtAddress[s]->text().toInt()) << "slot " << s;
        EXPECT_EQ(colour(w, s), colour(reloaded, s)) << "slot " << s;
    }
}
