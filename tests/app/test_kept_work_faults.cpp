// Kept work survives every way the next start can go wrong: a recovery file
// that cannot come back is put aside under a name that says why, never
// deleted; the restore question keeps the work on Escape; a file changed on
// disk since is told, and its save asks; a recovery file that cannot be
// written is told at once, once; two windows never offer the same work.
#include "MainWindowFixture.h"
#include "document/RecoveryDocument.h"
#include "document/RecoveryKeeper.h"
#include "common/PermissionsHold.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "EditorFrames.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString Samples = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/");
const QString Relais = Samples + QStringLiteral("105-relaisdekoder-8-dcc.hex");

void typeAndEnter(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void editRelais(TFormMain &w)
{
    typeAndEnter(gridOf(w).edtAddress[1], QStringLiteral("17"));
    typeAndEnter(gridOf(w).edtAddress[2], QStringLiteral("29"));
}

void clickAndTurn(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    QCoreApplication::processEvents();
}

void showActive(TFormMain &w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

class KeptWorkFaults : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        oldState_ = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("XDG_STATE_HOME", oldState_);
        MainWindowTest::TearDown();
    }
    static QString folder() { return RecoveryKeeper::defaultFolder(); }
    static QStringList namesIn(const QString &pattern)
    {
        return QDir(folder()).entryList({pattern}, QDir::Files | QDir::System);
    }

    // The work an edit leaves when "Ende" ends the window: its recovery file.
    QString endedWork(const QString &loaded, const std::function<void(TFormMain &)> &edit = editRelais)
    {
        {
            TFormMain ended(settingsPath());
            EXPECT_TRUE(ended.loadHexFile(loaded));
            showActive(ended);
            edit(ended);
            ended.btn_close->click();
            EXPECT_FALSE(ended.isVisible());
        }
        const QStringList files = namesIn(QStringLiteral("*.recovery"));
        EXPECT_EQ(files.size(), 1);
        return files.size() == 1 ? QDir(folder()).filePath(files.first()) : QString();
    }

private:
    QByteArray oldState_;
};

void setKey(QByteArray &bytes, const char *key, const QJsonValue &value)
{
    QJsonObject object = QJsonDocument::fromJson(bytes).object();
    object.insert(QLatin1String(key), value);
    bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

// Nothing is deleted: a file that cannot be read, one of a later version and
// one that is damaged (also where only the lines the work started from no
// longer load) is renamed beside, the message says where, nobody is asked,
// and it is not offered again.
TEST_F(KeptWorkFaults, WorkThatCannotComeBackIsPutAsideUnderItsReason)
{
    const QString loaded = writeFile(QStringLiteral("relais.hex"), contentOf(Relais));
    const struct {
        const char *name;
        std::function<void(const QString &, QByteArray &)> spoil;
        const char *suffix;
    } rows[] = {
        {"mode 000", [](const QString &path, QByteArray &) { QFile::setPermissions(path, {}); }, "-unreadable"},
        {"a later version", [](const QString &, QByteArray &b) { setKey(b, "version", 2); }, "-newer-version"},
        {"cut in half", [](const QString &, QByteArray &b) { b.chop(b.size() / 2); }, "-damaged"},
        {"lines that no longer load",
         [](const QString &, QByteArray &b) {
             setKey(b, "lines", QJsonArray{QStringLiteral("kein HEX")});
             setKey(b, "content", QString::fromLatin1(QByteArray("kein HEX\r\n").toBase64()));
         },
         "-damaged"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString kept = endedWork(loaded);
        ASSERT_FALSE(kept.isEmpty());
        QByteArray bytes = contentOf(kept);
        const QByteArray before = bytes;
        row.spoil(kept, bytes);
        if (bytes != before)
            writeFile(QDir(dir.path()).relativeFilePath(kept), bytes);
        Dialogs::clearPresets();
        TFormMain next(settingsPath());
        {
            const PermissionsHold hold;
            next.offerRecovery(); // asks nothing: a question would fail the test
        }
        const QString aside = kept + QLatin1String(row.suffix);
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(aside))
            << Dialogs::recordedMessages().first().text.toStdString();
        EXPECT_FALSE(QFile::exists(kept));
        QFile::setPermissions(aside, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(contentOf(aside), bytes) << "nothing of it is lost";
        EXPECT_TRUE(next.document().session().filePath.isEmpty());
        next.offerRecovery();
        EXPECT_EQ(Dialogs::recordedMessages().size(), 1) << "not offered again";
        QFile::remove(aside);
    }
}

// Escape and closing the box keep the work for the next start, nobody
// holding it; only a click on "Verwerfen" gives it up.
TEST_F(KeptWorkFaults, TheRestoreQuestionLosesNothingOnEscape)
{
    const QString kept = endedWork(writeFile(QStringLiteral("relais.hex"), contentOf(Relais)));
    const QByteArray bytes = contentOf(kept);
    const struct {
        const char *name;
        std::function<void(QMessageBox *)> answer;
        bool stays;
    } rows[] = {
        {"Escape", [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }, true},
        {"closed", [](QMessageBox *box) { box->close(); }, true},
        {"Verwerfen", [](QMessageBox *box) { box->button(QMessageBox::No)->click(); }, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TFormMain next(settingsPath());
        showActive(next);
        const Dialogs::RealDialogsAllowed real;
        QString buttons;
        whenModalShows<QMessageBox>([&row, &buttons](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons())
                buttons += button->text() + u'|';
            row.answer(box);
        });
        next.offerRecovery();
        EXPECT_TRUE(buttons.contains(QStringLiteral("Später fragen"))) << buttons.toStdString();
        EXPECT_TRUE(next.document().session().filePath.isEmpty());
        EXPECT_EQ(QFile::exists(kept), row.stays);
        if (row.stays) {
            EXPECT_EQ(contentOf(kept), bytes);
        }
        EXPECT_EQ(namesIn(QStringLiteral("*.lock")), QStringList()) << "nobody holds it";
    }
}

// Work kept over a file that another program changed since: the question
// says so, and the save asks before it replaces the change (Enter: no).
// Over an unchanged file nothing more is said or asked.
TEST_F(KeptWorkFaults, AFileChangedSinceTheWorkWasKeptIsToldAndAskedFor)
{
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "changed" : "unchanged");
        const QString loaded = writeFile(QStringLiteral("relais.hex"), contentOf(Relais));
        ASSERT_FALSE(endedWork(loaded).isEmpty());
        if (changed)
            writeFile(QStringLiteral("relais.hex"), Torvel);
        TFormMain next(settingsPath());
        showActive(next);
        QString asked;
        {
            const Dialogs::RealDialogsAllowed real;
            whenModalShows<QMessageBox>([&asked](QMessageBox *box) {
                asked = box->text();
                box->button(QMessageBox::Yes)->click();
            });
            next.offerRecovery();
        }
        EXPECT_EQ(asked.contains(QStringLiteral("relais.hex wurde geändert, nachdem die Änderungen aufbewahrt wurden")),
                  changed)
            << asked.toStdString();
        ASSERT_EQ(next.document().session().filePath, loaded);
        if (changed) {
            const Dialogs::RealDialogsAllowed real;
            QString question;
            whenModalShows<QMessageBox>([&question](QMessageBox *box) {
                question = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            });
            Dialogs::presetSaveFileName(loaded);
            next.btn_save->click();
            EXPECT_TRUE(question.endsWith(QStringLiteral("Die Datei trotzdem ersetzen?"))) << question.toStdString();
            EXPECT_EQ(contentOf(loaded), Torvel) << "the other program's change stays";
            EXPECT_TRUE(next.isWindowModified());
            Dialogs::presetYesNo(true);
        }
        Dialogs::presetSaveFileName(loaded);
        next.btn_save->click();
        EXPECT_FALSE(next.isWindowModified());
        EXPECT_NE(contentOf(loaded), Torvel);
        EXPECT_NE(contentOf(loaded), contentOf(Relais)) << "the work is saved";
    }
}

// A recovery file that cannot be written is told at the first edit, with why,
// and not again at the next; the window goes on, and keeps the work again as
// soon as it can.
TEST_F(KeptWorkFaults, AFailedKeepIsToldAtOnceAndOnce)
{
    const QString loaded = writeFile(QStringLiteral("relais.hex"), contentOf(Relais));
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const auto chmodFolder = [](mode_t mode) { ::chmod(QFile::encodeName(folder()).constData(), mode); };
    const struct {
        const char *name;
        std::function<void()> make;
        std::function<void()> undo;
        const char *reason;
    } rows[] = {
        {"a folder not writable", [&] { QDir().mkpath(folder()); chmodFolder(0500); }, [&] { chmodFolder(0700); },
         "nicht beschreibbar"},
        {"a dangling link",
         [&] {
             QDir(folder()).removeRecursively();
             QDir().mkpath(QFileInfo(folder()).path());
             QFile::link(dir.filePath(QStringLiteral("nowhere")), folder());
         },
         [&] { QFile::remove(folder()); }, "den es nicht gibt"},
        {"a file size limit",
         [&] {
             rlimit small = unlimited;
             small.rlim_cur = 4096;
             ::setrlimit(RLIMIT_FSIZE, &small);
         },
         [&] { ::setrlimit(RLIMIT_FSIZE, &unlimited); }, "zu groß"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(loaded));
        showActive(w);
        Dialogs::clearPresets();
        row.make();
        {
            const PermissionsHold hold;
            editRelais(w);
        }
        row.undo();
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        const QString told = Dialogs::recordedMessages().first().text;
        EXPECT_TRUE(told.startsWith(QStringLiteral("Die ungespeicherten Änderungen an relais.hex werden nicht "
                                                   "aufbewahrt")))
            << told.toStdString();
        EXPECT_TRUE(told.contains(QString::fromUtf8(row.reason))) << told.toStdString();
        EXPECT_EQ(gridOf(w).edtAddress[2]->text(), QStringLiteral("29"));
        EXPECT_TRUE(w.isWindowModified());
        typeAndEnter(gridOf(w).edtAddress[3], QStringLiteral("31"));
        EXPECT_EQ(namesIn(QStringLiteral("*.recovery")).size(), 1) << "kept as soon as it can be";
        Dialogs::presetYesNo(true);
        w.close();
        EXPECT_TRUE(namesIn(QStringLiteral("*")).isEmpty());
    }
}

// While one window asks about kept work, a second does not find it; after
// Escape it is there for the next.
TEST_F(KeptWorkFaults, TwoWindowsNeverOfferTheSameWork)
{
    const QString kept = endedWork(writeFile(QStringLiteral("relais.hex"), contentOf(Relais)));
    TFormMain first(settingsPath());
    showActive(first);
    // What a second window finds: its keeper is one of its own.
    const RecoveryKeeper second;
    QStringList foundMeanwhile{QStringLiteral("(not asked)")};
    {
        const Dialogs::RealDialogsAllowed real;
        whenModalShows<QMessageBox>([&second, &foundMeanwhile](QMessageBox *box) {
            foundMeanwhile = second.leftBehind();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        first.offerRecovery();
    }
    EXPECT_EQ(foundMeanwhile, QStringList());
    EXPECT_EQ(second.leftBehind(), QStringList{kept});
}

// A working copy goes back only into an editor the file's type shows: a
// blink table kept with servo work is not put into the blink editor a file
// shown before made, and the message counts it.
TEST_F(KeptWorkFaults, AWorkingCopyGoesBackOnlyIntoAnEditorOfItsType)
{
    const auto endedDocument = [this](const char *sample, const std::function<void(TFormMain &)> &edit) {
        const QString kept = endedWork(writeFile(QLatin1String(sample), contentOf(Samples + QLatin1String(sample))), edit);
        auto read = RecoveryDocument::fromBytes(contentOf(kept));
        QFile::remove(kept);
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<RecoveryDocument>>(read));
        return std::get<std::unique_ptr<RecoveryDocument>>(std::move(read));
    };
    const auto servo = endedDocument("demo-servo.hex", [](TFormMain &w) {
        clickAndTurn(editorFrame<TFrameTamb>(w)->servo_rad_a[2]);
        clickAndTurn(editorFrame<TFrameTamb>(w)->btn_MirrorVertikal);
    });
    const auto blink = endedDocument("demo-blink.hex", [](TFormMain &w) {
        clickAndTurn(editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop);
    });
    ASSERT_TRUE(servo && blink);
    ASSERT_EQ(servo->frameCopies.size(), 1u);
    ASSERT_EQ(blink->frameCopies.size(), 1u);
    servo->frameCopies.push_back(blink->frameCopies.front());
    writeFile(QStringLiteral("state/Quaxel/recovery/window-mixed.recovery"), servo->toBytes());

    TFormMain next(settingsPath());
    showActive(next);
    // The blink editor is made (and hidden again by the servo file).
    ASSERT_TRUE(next.loadHexFile(dir.filePath(QStringLiteral("demo-blink.hex"))));
    ASSERT_NE(editorFrame<TFrameBlinkmuster>(next), nullptr);
    Dialogs::presetChoice(0);
    next.offerRecovery();
    ASSERT_EQ(next.document().session().filePath, servo->filePath);
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_TRUE(Dialogs::recordedMessages().first().text.contains(QStringLiteral("in 1 Editor(en) passen nicht")))
        << Dialogs::recordedMessages().first().text.toStdString();
    EXPECT_TRUE(editorFrame<TFrameTamb>(next)->servo_btn_uebernehmen->isEnabled()) << "the servo editor's copy is back";
    EXPECT_FALSE(editorFrame<TFrameBlinkmuster>(next)->blinkmuster_btn_uebernehmen->isEnabled());
}
