// The settings as data in the window: Ctrl+D lists the user's changes in
// settings terms, a document exported from one window and applied in another
// gives the same file, an apply is one undo step, and a refused document
// changes nothing.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "MainWindowFixture.h"
#include "common/PlantedReadBack.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(name); }

// An accessory decoder with two slots ("Weiche 1" 1092g, "Weiche 2" 739r)
// and the value edit of the modes editor (255).
const char *const Kandor = "10-kandor-dcc.hex";

void typeOver(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Ctrl+D from where the focus is; the list as the dialog shows it.
QString pressShowChanges(TFormMain &w)
{
    QString shown;
    whenModalShows<QDialog>([&shown](QDialog *dialog) {
        if (auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("settingsDiffText")))
            shown = text->toPlainText();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("settingsDiffClose")), Qt::LeftButton);
    });
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w, Qt::Key_D, Qt::ControlModifier);
    // The window is active again once the dialog has gone.
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return shown;
}

QStringList sectionLines(const QString &text, const QString &heading)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    const qsizetype start = lines.indexOf(heading);
    if (start < 0)
        return {};
    lines = lines.mid(start + 1);
    const qsizetype end = lines.indexOf(QString());
    return end < 0 ? lines : lines.mid(0, end);
}

class SettingsActionsTest : public MainWindowTest {
protected:
    void open(TFormMain &w, const char *name)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        ASSERT_TRUE(w.loadHexFile(sample(name)));
        Dialogs::clearPresets();
    }

    // The two edits: an address typed into slot 1, a time into the modes editor.
    static void editTwoSettings(TFormMain &w)
    {
        typeOver(gridOf(w).edtAddress[1], QStringLiteral("1093"));
        typeOver(editorFrame<TFrameZusatz>(w)->edt_zusatz, QStringLiteral("100"));
    }

    QByteArray saved(TFormMain &w, const QString &name)
    {
        const QString path = dir.filePath(name);
        Dialogs::presetSaveFileName(path);
        QTest::mouseClick(w.btn_save, Qt::LeftButton);
        return contentOf(path);
    }

    struct Seen {
        QByteArray eeprom;
        QStringList texts;
        QString title;
        bool operator==(const Seen &) const = default;
    };
    static Seen seen(const TFormMain &w)
    {
        Seen s;
        for (const QString &byte : w.document().session().image.eeprom)
            s.eeprom += byte.toLatin1();
        for (int k = 0; k < TFormMain::SlotCount; ++k)
            s.texts << w.document().addressText(k) + u'/' + w.document().functionText(k) + (w.document().session().slotValues[k].green ? u'g' : u'r');
        s.title = w.windowTitle();
        return s;
    }
};

TEST_F(SettingsActionsTest, CtrlDListsExactlyTheTwoEditsInSettingsTerms)
{
    TFormMain w(settingsPath());
    open(w, Kandor);
    EXPECT_EQ(sectionLines(pressShowChanges(w), QStringLiteral("Geändert gegenüber der geladenen Datei:")),
              QStringList());
    editTwoSettings(w);
    // The address edit keeps the focus: the window's key all the same.
    gridOf(w).edtAddress[1]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), gridOf(w).edtAddress[1]);
    const QString text = pressShowChanges(w);
    EXPECT_EQ(sectionLines(text, QStringLiteral("Geändert gegenüber der geladenen Datei:")).join(u'|').toStdString(),
              "Weiche 1: 1092g -> 1093g|Time Out (1..127): 255 -> 100");
    EXPECT_FALSE(text.contains(QStringLiteral("Noch nicht übernommen")));
}

// A blink editor's working copy is listed apart until it is applied; showing
// it leaves the copy and the image as they were.
TEST_F(SettingsActionsTest, CtrlDListsAWorkingCopyApartUntilItIsApplied)
{
    const QString changed = QStringLiteral("Geändert gegenüber der geladenen Datei:");
    const QString waiting = QStringLiteral("Noch nicht übernommen (nicht im Image):");
    const struct {
        const char *file;
        void (*change)(TFormMain &w);
        EditorFrame *(*frame)(TFormMain &w);
        QPushButton *(*apply)(TFormMain &w);
        qsizetype lines; // listed apart while they wait
    } cases[] = {
        {"demo-blink.hex",
         [](TFormMain &w) {
             QCheckBox *loop = editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop;
             ASSERT_TRUE(loop->isEnabled());
             loop->setFocus();
             QTest::keyClick(loop, Qt::Key_Space);
         },
         [](TFormMain &w) -> EditorFrame * { return editorFrame<TFrameBlinkmuster>(w); },
         [](TFormMain &w) { return editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_uebernehmen; }, 1},
        {"demo-servo.hex", [](TFormMain &w) { QTest::mouseClick(editorFrame<TFrameTamb>(w)->btn_MirrorVertikal, Qt::LeftButton); },
         [](TFormMain &w) -> EditorFrame * { return editorFrame<TFrameTamb>(w); },
         [](TFormMain &w) { return editorFrame<TFrameTamb>(w)->servo_btn_uebernehmen; }, 30}, // curve 1 turned over
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        TFormMain w(settingsPath());
        open(w, c.file);
        c.change(w);
        ASSERT_TRUE(c.frame(w)->hasUnappliedChanges());
        const Seen before = seen(w);
        const QString first = pressShowChanges(w);
        const QStringList copyLines = sectionLines(first, waiting);
        EXPECT_EQ(copyLines.size(), c.lines) << qPrintable(first);
        EXPECT_TRUE(sectionLines(first, changed).isEmpty());
        EXPECT_EQ(seen(w), before);
        EXPECT_TRUE(c.frame(w)->hasUnappliedChanges());

        QTest::mouseClick(c.apply(w), Qt::LeftButton);
        const QString second = pressShowChanges(w);
        EXPECT_EQ(sectionLines(second, changed), copyLines) << qPrintable(second);
        EXPECT_TRUE(sectionLines(second, waiting).isEmpty());
    }
}

TEST_F(SettingsActionsTest, ExportThenApplyOntoAFreshLoadGivesTheSameFileAndOneUndoStep)
{
    const QString document = dir.filePath(QStringLiteral("kandor.json"));
    QByteArray edited;
    {
        TFormMain w(settingsPath());
        open(w, Kandor);
        editTwoSettings(w);
        Dialogs::presetSaveFileName(document);
        chooseFromButtonsMenu(w, "actExportSettings");
        ASSERT_FALSE(contentOf(document).isEmpty());
        edited = saved(w, QStringLiteral("edited.hex"));
        ASSERT_FALSE(edited.isEmpty());
    }
    TFormMain fresh(settingsPath());
    open(fresh, Kandor);
    const Seen loaded = seen(fresh);
    Dialogs::presetOpenFileName(document);
    chooseFromButtonsMenu(fresh, "actApplySettings");
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    EXPECT_TRUE(fresh.windowTitle().startsWith(QStringLiteral("* ")));
    EXPECT_EQ(fresh.document().addressText(1), QStringLiteral("1093"));
    const Seen applied = seen(fresh);

    QTest::keyClick(&fresh, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(seen(fresh), loaded);
    QTest::keyClick(&fresh, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(seen(fresh), applied);
    EXPECT_EQ(saved(fresh, QStringLiteral("applied.hex")), edited);
}

TEST_F(SettingsActionsTest, ARefusedDocumentChangesNothingAndSaysWhy)
{
    const struct {
        const char *name;
        QByteArray document;
        QString message; // a part of the message shown
    } cases[] = {
        // The mode's value would go in, the slot is refused: nothing goes in.
        {"a slot the rules refuse",
         R"({"formatVersion":1,"decoder":{"typeCode":10},"modes":{"value":200},"slots":[{"slot":1,"address":99999}]})",
         QStringLiteral("slots[0]")},
        {"another decoder type", R"({"formatVersion":1,"decoder":{"typeCode":520},"modes":{"value":200}})",
         QStringLiteral("decoder.typeCode")},
        {"no JSON", "{\"formatVersion\":1,", QStringLiteral("JSON")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TFormMain w(settingsPath());
        open(w, Kandor);
        const Seen before = seen(w);
        Dialogs::presetOpenFileName(writeFile(QStringLiteral("refused.json"), c.document));
        chooseFromButtonsMenu(w, "actApplySettings");
        EXPECT_EQ(seen(w), before);
        const QList<UserMessage> messages = Dialogs::recordedMessages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().text.contains(c.message)) << qPrintable(messages.first().text);
        EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("actUndo"))->isEnabled());
    }
}

// After a save under a new name the document is the saved file's: Ctrl+D
// compares with it, and the export names it with the SHA-256 of its bytes.
TEST_F(SettingsActionsTest, AfterASaveTheChangesAndTheExportFollowTheSavedFile)
{
    TFormMain w(settingsPath());
    open(w, Kandor);
    editTwoSettings(w);
    const QByteArray written = saved(w, QStringLiteral("new.hex"));
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(pressShowChanges(w), QStringLiteral("Keine Änderungen gegenüber der geladenen Datei.\n"));

    const QString document = dir.filePath(QStringLiteral("new.json"));
    Dialogs::presetSaveFileName(document);
    chooseFromButtonsMenu(w, "actExportSettings");
    const QJsonObject source = QJsonDocument::fromJson(contentOf(document)).object().value("source").toObject();
    EXPECT_EQ(source.value("file").toString(), QStringLiteral("new.hex"));
    EXPECT_EQ(source.value("sha256").toString(),
              QString::fromLatin1(QCryptographicHash::hash(written, QCryptographicHash::Sha256).toHex()));
}

// Export and apply start where the last settings document was, whatever
// folder the HEX file is in; the export proposes the HEX file's name there.
TEST_F(SettingsActionsTest, DocumentDialogsStartInTheLastDocumentsFolder)
{
    TFormMain w(settingsPath());
    open(w, Kandor);
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("documents")));
    const QString documents = QDir(dir.filePath(QStringLiteral("documents"))).absolutePath();
    Dialogs::presetSaveFileName(documents + QStringLiteral("/first.json"));
    chooseFromButtonsMenu(w, "actExportSettings");
    ASSERT_FALSE(contentOf(documents + QStringLiteral("/first.json")).isEmpty());
    ASSERT_TRUE(w.loadHexFile(writeFile(QStringLiteral("servo.hex"), contentOf(sample(Kandor)))));

    const Dialogs::RealDialogsAllowed real;
    for (const char *action : {"actExportSettings", "actApplySettings"}) {
        SCOPED_TRACE(action);
        QString folder;
        QString name;
        whenModalShows<QFileDialog>([&](QFileDialog *dialog) {
            folder = dialog->directory().absolutePath();
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name = edit->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        chooseFromButtonsMenu(w, action);
        EXPECT_EQ(folder.toStdString(), documents.toStdString());
        if (QByteArray(action) == "actExportSettings") {
            EXPECT_EQ(name.toStdString(), "servo.json");
        }
    }
}

// The export goes through the verified save: a document that does not read
// back as written is not saved, the file exported before keeps its bytes, and
// the message says why.
TEST_F(SettingsActionsTest, AnExportThatDoesNotReadBackKeepsTheOldFile)
{
    TFormMain w(settingsPath());
    open(w, Kandor);
    const QString document = writeFile(QStringLiteral("kandor.json"), "old export\n");
    const PlantedReadBack planted([](InputFile &file) { file.content += "}"; });
    Dialogs::presetSaveFileName(document);
    chooseFromButtonsMenu(w, "actExportSettings");
    const QList<UserMessage> messages = Dialogs::recordedMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().text.contains(QStringLiteral("liest sich mit anderen Bytes zurück")))
        << messages.first().text.toStdString();
    EXPECT_EQ(contentOf(document), QByteArray("old export\n"));
}

} // namespace
