// Nothing the user did is lost without his word: the unsaved-changes question
// keeps the work on Enter and Escape, "Ende" and a killed process leave the
// work in a recovery file that the next window brings back (the editors'
// changes not yet applied with it), a damaged load is
// asked about before it is saved clean, and the recent files survive every
// way of closing, names kept exactly.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "MainWindowFixture.h"
#include "document/RecoveryKeeper.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

namespace {

const QString Caption = QStringLiteral(" – Quaxel V0.981");
const QString Relais = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/105-relaisdekoder-8-dcc.hex");

void typeOver(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Two addresses typed and an output switched, each finished as the user
// does, the event loop turning after each as between the user's actions.
void editRelais(TFormMain &w)
{
    typeOver(gridOf(w).edtAddress[1], QStringLiteral("17"));
    QTest::keyClick(gridOf(w).edtAddress[1], Qt::Key_Return);
    QCoreApplication::processEvents();
    typeOver(gridOf(w).edtAddress[2], QStringLiteral("29"));
    QTest::keyClick(gridOf(w).edtAddress[2], Qt::Key_Tab);
    QCoreApplication::processEvents();
    QTest::mouseClick(gridOf(w).btnRG[2], Qt::LeftButton);
    QCoreApplication::processEvents();
}

void clickAndTurn(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    QCoreApplication::processEvents();
}

// Work of each kind a window keeps: the slot grid's, and changes in an editor
// not yet applied (its apply button then takes them over before the save),
// made on a curve or address other than the first, which shows again.
struct Work {
    const char *name;
    const char *sample;
    std::function<void(TFormMain &)> edit;
    std::function<QPushButton *(TFormMain &)> apply; // none for the grid's work
    std::function<QRadioButton *(TFormMain &)> shown;
};

const Work Works[] = {
    {"slots", "105-relaisdekoder-8-dcc.hex", editRelais, nullptr, nullptr},
    {"servo curve and pulse",
     "demo-servo.hex",
     [](TFormMain &w) {
         clickAndTurn(editorFrame<TFrameTamb>(w)->servo_rad_a[2]);
         clickAndTurn(editorFrame<TFrameTamb>(w)->btn_MirrorVertikal);
         clickAndTurn(editorFrame<TFrameTambAdr>(w)->btn_offset[0][3]);
     },
     [](TFormMain &w) { return editorFrame<TFrameTamb>(w)->servo_btn_uebernehmen; },
     [](TFormMain &w) { return editorFrame<TFrameTamb>(w)->servo_rad_a[2]; }},
    {"blink pattern",
     "demo-blink.hex",
     [](TFormMain &w) {
         clickAndTurn(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_rad_a[1]);
         clickAndTurn(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop);
         clickAndTurn(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_copy[2]);
     },
     [](TFormMain &w) { return editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_uebernehmen; },
     [](TFormMain &w) { return editorFrame<TFrameBlinkmuster>(w)->blinkmuster_rad_a[1]; }},
    {"LED blink pattern",
     "demo-led-blink.hex",
     [](TFormMain &w) {
         clickAndTurn(editorFrame<TFrameBlinkmuster_led>(w)->led_blinkmuster_rad_a[3]);
         clickAndTurn(editorFrame<TFrameBlinkmuster_led>(w)->led_blinkmuster_cbx_loop);
     },
     [](TFormMain &w) { return editorFrame<TFrameBlinkmuster_led>(w)->led_blinkmuster_btn_uebernehmen; },
     [](TFormMain &w) { return editorFrame<TFrameBlinkmuster_led>(w)->led_blinkmuster_rad_a[3]; }},
};

QString samplePath(const Work &work)
{
    return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(work.sample);
}

QStringList slotTexts(const TFormMain &w)
{
    QStringList texts;
    for (int s = 0; s < TFormMain::SlotCount; ++s)
        texts << w.document().addressText(s) + u'/' + w.document().functionText(s);
    return texts;
}

void showActive(TFormMain &w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Each test keeps unsaved work in a state folder of its own.
class KeepingWork : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        oldState_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", stateHome().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("XDG_STATE_HOME", oldState_);
        MainWindowTest::TearDown();
    }
    QString stateHome() const { return dir.filePath(QStringLiteral("state")); }
    QStringList recoveryFiles() const
    {
        return QDir(RecoveryKeeper::defaultFolder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }

    // The loaded file of the work, and the bytes a save writes after its edits
    // (applied), with the slot texts shown then.
    struct Reference {
        QString loaded;
        QByteArray saved;
        QStringList grid;
    };
    Reference savedAfterEdits(const Work &work)
    {
        const QString loaded = writeFile(QFileInfo(samplePath(work)).fileName(), contentOf(samplePath(work)));
        TFormMain w(settingsPath());
        EXPECT_TRUE(w.loadHexFile(loaded));
        showActive(w);
        work.edit(w);
        if (work.apply) {
            EXPECT_TRUE(work.apply(w)->isEnabled());
            clickAndTurn(work.apply(w));
        }
        const QString saved = dir.filePath(QStringLiteral("reference.hex"));
        Dialogs::presetSaveFileName(saved);
        w.btn_save->click();
        EXPECT_NE(contentOf(saved), contentOf(loaded)) << "the edits change the file";
        return {loaded, contentOf(saved), slotTexts(w)};
    }

    // A new window offers the work back; the question's text, answered yes.
    QString offerAnsweredYes(TFormMain &w)
    {
        const Dialogs::RealDialogsAllowed real;
        QString asked;
        whenModalShows<QMessageBox>([&asked](QMessageBox *box) {
            asked = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        w.offerRecovery();
        return asked;
    }

    // The work is back as it was: marked unsaved, the history starting there,
    // an editor's changes waiting to be applied, and after applying them a
    // save writes what a save before the end would have.
    void expectRestored(TFormMain &w, const Work &work, const Reference &reference)
    {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("* ") + QFileInfo(reference.loaded).fileName() + Caption);
        EXPECT_TRUE(w.isWindowModified());
        EXPECT_EQ(w.document().session().filePath, reference.loaded);
        EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("actUndo"))->isEnabled());
        if (work.shown) {
            EXPECT_TRUE(work.shown(w)->isChecked()) << "the curve or address edited shows again";
        }
        if (work.apply) {
            ASSERT_TRUE(work.apply(w)->isEnabled()) << "the changes wait to be applied";
            clickAndTurn(work.apply(w));
        }
        EXPECT_EQ(slotTexts(w), reference.grid);
        const QString saved = dir.filePath(QStringLiteral("after.hex"));
        Dialogs::presetSaveFileName(saved);
        w.btn_save->click();
        EXPECT_EQ(contentOf(saved), reference.saved);
        EXPECT_TRUE(recoveryFiles().isEmpty()) << "a save gives the recovery file up";
    }

    void endeLeavesTheWork(const Work &work);
    void killedProcessLosesNothing(std::size_t work);

private:
    QByteArray oldState_;
};

} // namespace

// Enter and Escape answer the question with "Nein", before a load and before
// a close by the title bar: the work stays.
// The question names the file with the folders that tell it apart from the
// recent files of the same name, and its date as the window writes dates.
TEST_F(KeepingWork, TheQuestionTellsFilesOfOneNameApart)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("a")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("b")));
    const QString first = writeFile(QStringLiteral("a/servo.hex"), contentOf(Relais));
    const QString second = writeFile(QStringLiteral("b/servo.hex"), contentOf(Relais));
    {
        TFormMain earlier(settingsPath());
        ASSERT_TRUE(earlier.loadHexFile(first));
    }
    const QDateTime edited = QDateTime::currentDateTime();
    {
        TFormMain ended(settingsPath());
        ASSERT_TRUE(ended.loadHexFile(second));
        showActive(ended);
        editRelais(ended);
        ended.btn_close->click();
    }
    ASSERT_EQ(recoveryFiles().size(), 1u);
    TFormMain next(settingsPath());
    showActive(next);
    const QString asked = offerAnsweredYes(next);

    const QString start = QStringLiteral("Ungespeicherte Änderungen an %1 vom ").arg(QDir::toNativeSeparators(QStringLiteral("b/servo.hex")));
    const QString end = QStringLiteral(" wiederherstellen?");
    ASSERT_TRUE(asked.startsWith(start) && asked.endsWith(end)) << asked.toStdString();
    const QString date = asked.mid(start.size(), asked.size() - start.size() - end.size());
    const QDateTime written = QDateTime::fromString(date, QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    ASSERT_TRUE(written.isValid()) << date.toStdString();
    EXPECT_LE(std::abs(written.secsTo(edited)), 60) << date.toStdString();
}

TEST_F(KeepingWork, EnterAndEscapeKeepTheWork)
{
    const QString loaded = writeFile(QStringLiteral("relais.hex"), contentOf(Relais));
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
    for (const bool closing : {true, false}) {
        for (const Qt::Key key : keys) {
            TFormMain w(settingsPath());
            ASSERT_TRUE(w.loadHexFile(loaded));
            showActive(w);
            typeOver(gridOf(w).edtAddress[1], QStringLiteral("77"));
            const Dialogs::RealDialogsAllowed real;
            QString asked;
            whenModalShows<QMessageBox>([&asked, key](QMessageBox *box) {
                asked = box->text();
                QTest::keyClick(box, key);
            });
            if (closing) {
                w.close();
            } else {
                Dialogs::presetOpenFileName(Relais);
                w.btn_load->click();
                Dialogs::clearPresets();
            }
            EXPECT_EQ(asked, QStringLiteral("Ungespeicherte Änderungen an relais.hex verwerfen?"));
            EXPECT_TRUE(w.isVisible()) << key;
            EXPECT_EQ(w.document().session().filePath, loaded) << key;
            EXPECT_EQ(gridOf(w).edtAddress[1]->text(), QStringLiteral("77")) << key;
            EXPECT_TRUE(w.isWindowModified()) << key;
        }
    }
}

// A file loaded in a session closed by the title bar is in the list at the
// next start; a name with a line feed or trailing blanks loads that very file,
// not the one its cut name happens to name.
TEST_F(KeepingWork, RecentFilesSurviveTheTitleBarWithTheirNamesExact)
{
    const QString feed = writeFile(QStringLiteral("line\nfeed.hex"), Torvel);
    const QString blanks = writeFile(QStringLiteral("blanks.hex  "), Torvel);
    writeFile(QStringLiteral("line"), contentOf(Relais));
    writeFile(QStringLiteral("blanks.hex"), contentOf(Relais));
    {
        TFormMain w(settingsPath());
        showActive(w);
        ASSERT_TRUE(w.loadHexFile(feed));
        ASSERT_TRUE(w.loadHexFile(blanks));
        w.close();
        ASSERT_FALSE(w.isVisible());
    }
    TFormMain again(settingsPath());
    ASSERT_EQ(recentFilesOf(again).files(), QStringList({blanks, feed}));
    for (const QString &path : {feed, blanks}) {
        ASSERT_TRUE(loadRecent(again, path));
        EXPECT_EQ(again.document().session().filePath, path);
        EXPECT_EQ(again.document().session().typeCode(), 520) << "the Torvel file, not the relais file of the cut name";
    }
}

// A file that loaded damaged stays marked; its save asks once more, "Nein"
// (also by Enter) writes nothing, and a confirmed save writes it clean.
TEST_F(KeepingWork, SavingADamagedLoadAsksFirst)
{
    QByteArray damaged = Torvel;
    damaged.replace(":100000000830023000300000", ":100000000830023000310000");
    const QString loaded = writeFile(QStringLiteral("damaged.hex"), damaged);
    TFormMain w(settingsPath());
    ASSERT_TRUE(w.loadHexFile(loaded));
    showActive(w);
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1) << "the warning at the load";
    EXPECT_EQ(w.windowTitle(), QStringLiteral("damaged.hex [beschädigt]") + Caption);

    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    {
        const Dialogs::RealDialogsAllowed real;
        QString asked;
        whenModalShows<QMessageBox>([&asked](QMessageBox *box) {
            asked = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        Dialogs::presetSaveFileName(saved);
        w.btn_save->click();
        EXPECT_TRUE(asked.startsWith(QStringLiteral("Die geladene Datei war beschädigt (Die Datei ist vielleicht "
                                                    "beschädigt: 1 Zeile(n) mit falscher Prüfsumme (erste: Zeile 2))")))
            << asked.toStdString();
        EXPECT_TRUE(asked.endsWith(QStringLiteral(". Mit neuen Prüfsummen speichern?"))) << asked.toStdString();
    }
    EXPECT_FALSE(QFile::exists(saved)) << "Nein writes nothing";
    EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("[beschädigt]")));

    Dialogs::clearPresets();
    Dialogs::presetYesNo(true);
    Dialogs::presetSaveFileName(saved);
    w.btn_save->click();
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("saved.hex") + Caption);
    Dialogs::presetSaveFileName(saved);
    w.btn_save->click(); // no more question: an unexpected one fails the test
    EXPECT_TRUE(w.loadHexFile(saved));
    EXPECT_TRUE(Dialogs::recordedMessages().isEmpty()) << "the saved file is sound";
    EXPECT_EQ(w.windowTitle(), QStringLiteral("saved.hex") + Caption);
}

// "Ende" asks nothing and leaves the work for the next window: Ja brings it
// back exactly, Nein gives it up. An open window's work is not offered.
TEST_F(KeepingWork, EndeLeavesTheWorkForTheNextWindow)
{
    for (const Work &work : Works) {
        SCOPED_TRACE(work.name);
        endeLeavesTheWork(work);
    }
}

void KeepingWork::endeLeavesTheWork(const Work &work)
{
    const Reference reference = savedAfterEdits(work);
    const QString &loaded = reference.loaded;
    ASSERT_FALSE(reference.saved.isEmpty());
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "saved work needs no recovery";

    for (const bool yes : {true, false}) {
        {
            TFormMain ended(settingsPath());
            ASSERT_TRUE(ended.loadHexFile(loaded));
            showActive(ended);
            work.edit(ended);
            EXPECT_EQ(recoveryFiles().size(), 1u) << "kept after every step";
            {
                TFormMain beside(settingsPath());
                beside.offerRecovery(); // an open window's work: no question
            }
            ended.btn_close->click();
            EXPECT_FALSE(ended.isVisible());
        }
        ASSERT_EQ(recoveryFiles().size(), 1u);
        TFormMain next(settingsPath());
        showActive(next);
        if (yes) {
            const QString asked = offerAnsweredYes(next);
            EXPECT_TRUE(asked.startsWith(QStringLiteral("Ungespeicherte Änderungen an %1 vom ")
                                             .arg(QFileInfo(loaded).fileName())));
            EXPECT_TRUE(asked.endsWith(QStringLiteral(" wiederherstellen?")));
            expectRestored(next, work, reference);
        } else {
            Dialogs::presetChoice(1);
            next.offerRecovery();
            EXPECT_TRUE(next.document().session().filePath.isEmpty());
            EXPECT_TRUE(recoveryFiles().isEmpty()) << "Verwerfen gives the work up";
        }
    }
    // A close the user confirmed gives the work up too.
    {
        TFormMain closed(settingsPath());
        ASSERT_TRUE(closed.loadHexFile(loaded));
        showActive(closed);
        work.edit(closed);
        Dialogs::presetYesNo(true);
        closed.close();
        EXPECT_FALSE(closed.isVisible());
    }
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

// Work brought back into a window started without a file shows that window
// exactly: the empty window's hint goes with the work's file.
TEST_F(KeepingWork, WorkBroughtBackLeavesNoHintOfTheEmptyWindow)
{
    {
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(writeFile(QStringLiteral("relais.hex"), contentOf(Relais))));
        showActive(w);
        editRelais(w);
        w.btn_close->click();
    }
    ASSERT_EQ(recoveryFiles().size(), 1);
    TFormMain w(settingsPath());
    showActive(w);
    auto *hint = w.findChild<QLabel *>(QStringLiteral("emptyHint"));
    ASSERT_TRUE(hint && hint->isVisible());
    EXPECT_FALSE(offerAnsweredYes(w).isEmpty());
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("* relais.hex")));
    EXPECT_FALSE(hint->isVisible());
}

// A damaged or foreign recovery file is refused with a message and removed.
TEST_F(KeepingWork, AnUnreadableRecoveryFileIsRefused)
{
    QDir().mkpath(RecoveryKeeper::defaultFolder());
    const QString bad = QDir(RecoveryKeeper::defaultFolder()).filePath(QStringLiteral("window-x.recovery"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"Quaxel recovery\",\"version\":1,\"rom\":[");
    file.close();
    TFormMain w(settingsPath());
    w.offerRecovery();
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QStringLiteral("nicht lesbar")));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_TRUE(w.document().session().filePath.isEmpty());
}

// The work of a process killed with SIGKILL after its last step comes back as
// after "Ende". The killed process is this test program, run as the child below.
TEST_F(KeepingWork, AKilledProcessLosesNothingButTheEditInProgress)
{
    for (std::size_t k = 0; k < std::size(Works); ++k) {
        SCOPED_TRACE(Works[k].name);
        killedProcessLosesNothing(k);
    }
}

void KeepingWork::killedProcessLosesNothing(std::size_t work)
{
    const Reference reference = savedAfterEdits(Works[work]);
    const QString &loaded = reference.loaded;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome());
    env.insert(QStringLiteral("QUAXEL_CHILD_HEX"), loaded);
    env.insert(QStringLiteral("QUAXEL_CHILD_WORK"), QString::number(work));
    env.insert(QStringLiteral("QUAXEL_CHILD_SETTINGS"), settingsPath());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=KeepingWorkChild.EditsAndWaits")});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    for (int waited = 0; !out.contains("edits done") && waited < 60; ++waited) {
        child.waitForReadyRead(1000);
        out += child.readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains("edits done")) << out.toStdString();
    child.kill(); // SIGKILL
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    ASSERT_EQ(recoveryFiles().size(), 1u);
    TFormMain next(settingsPath());
    showActive(next);
    EXPECT_FALSE(offerAnsweredYes(next).isEmpty()) << "a dead process's lock does not hide its work";
    expectRestored(next, Works[work], reference);
}

// The child of the test above: edits and waits to be killed. Skipped unless run so.
TEST(KeepingWorkChild, EditsAndWaits)
{
    const QString loaded = qEnvironmentVariable("QUAXEL_CHILD_HEX");
    if (loaded.isEmpty())
        GTEST_SKIP() << "run by AKilledProcessLosesNothingButTheEditInProgress";
    TFormMain w(qEnvironmentVariable("QUAXEL_CHILD_SETTINGS"));
    ASSERT_TRUE(w.loadHexFile(loaded));
    showActive(w);
    Works[qEnvironmentVariableIntValue("QUAXEL_CHILD_WORK") % std::size(Works)].edit(w);
    ASSERT_TRUE(w.isWindowModified());
    std::fputs("edits done\n", stdout);
    std::fflush(stdout);
    QTest::qWait(60000);
    ADD_FAILURE() << "not killed";
}
