// Undo and redo driven by the user's keys and clicks: any sequence of user
// actions, undone to the start, gives the image as loaded, byte for byte;
// redone to the end, the image as it was before the undo. Ctrl+Z and Ctrl+Y
// reach the window from an edit with the cursor in it; the "* " marker follows
// every keystroke; selecting is no change.
#include "WindowParts.h"
#include "EditorFrames.h"
#include "MainWindowFixture.h"
#include "app/MainWindowHost.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <random>

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(name); }

const QString Caption = QStringLiteral(" – Quaxel V0.981");

bool marked(const TFormMain &w)
{
    return w.windowTitle().startsWith(QStringLiteral("* "));
}

// The keys go where the user's keys go: to the control with the focus.
QWidget *focused(TFormMain &w)
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : &w;
}

void pressUndo(TFormMain &w) { QTest::keyClick(focused(w), Qt::Key_Z, Qt::ControlModifier); }
void pressRedo(TFormMain &w) { QTest::keyClick(focused(w), Qt::Key_Y, Qt::ControlModifier); }

// Types over the edit's text, one keystroke at a time, the cursor left in it.
void typeOver(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// What the user can change, as bytes and texts.
struct Seen {
    decltype(FirmwareImage::rom) rom;
    decltype(FirmwareImage::eeprom) eeprom;
    QStringList grid;
    bool operator==(const Seen &) const = default;
};

Seen seen(const TFormMain &w)
{
    Seen s{w.document().session().image.rom, w.document().session().image.eeprom, {}};
    for (int k = 0; k < TFormMain::SlotCount; ++k)
        s.grid << w.document().addressText(k) + u'/' + w.document().functionText(k);
    return s;
}

class UndoTest : public MainWindowTest {
protected:
    void showActive(TFormMain &w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
};

using Action = std::function<void(TFormMain &, std::mt19937 &)>;

// A slot edit typed as the user does, ended with Enter.
void typeIntoASlot(TFormMain &w, std::mt19937 &random)
{
    std::vector<QLineEdit *> shown;
    for (QLineEdit *edit : gridOf(w).edtAddress) {
        if (edit && !edit->isHidden())
            shown.push_back(edit);
    }
    if (shown.empty()) // the CV decoder has no slots
        return;
    QLineEdit *edit = shown[random() % shown.size()];
    typeOver(edit, QString::number(random() % 200));
    QTest::keyClick(edit, Qt::Key_Return);
}

std::vector<Action> actionsFor(const char *file)
{
    std::vector<Action> actions{typeIntoASlot};
    const QString name = QString::fromLatin1(file);
    if (name.contains(QStringLiteral("servo"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) { editorFrame<TFrameTamb>(w)->servo_rad_a[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { editorFrame<TFrameTamb>(w)->btn_MirrorVertikal->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { editorFrame<TFrameTamb>(w)->servo_btn_uebernehmen->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { editorFrame<TFrameTamb>(w)->servo_btn_verwerfen->click(); });
    } else if (name.contains(QStringLiteral("blink"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) { editorFrame<TFrameBlinkmuster>(w)->blinkmuster_rad_a[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { editorFrame<TFrameBlinkmuster>(w)->blinkmuster_cbx_loop->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &r) { editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_copy[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { editorFrame<TFrameBlinkmuster>(w)->blinkmuster_btn_uebernehmen->click(); });
    } else if (name.contains(QStringLiteral("neon"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) {
            QSlider *level = editorFrame<TFrameZusatz>(w)->TrackBar_neon_1;
            level->setFocus();
            QTest::keyClick(level, r() % 2 ? Qt::Key_Right : Qt::Key_Left);
        });
    } else {
        actions.push_back([](TFormMain &w, std::mt19937 &r) {
            QLineEdit *edit = editorFrame<TFrameRegister>(w)->cv_edt[r() % 4];
            typeOver(edit, QString::number(r() % 256));
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }
    return actions;
}

class UndoProperty : public UndoTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(UndoProperty, UndoneToTheStartGivesTheLoadedImageAndRedoneTheLast)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample(GetParam())));
        showActive(w);
        Dialogs::clearPresets();
        const Seen loaded = seen(w);
        std::mt19937 random(seed);
        const std::vector<Action> actions = actionsFor(GetParam());
        for (int step = 0; step < 20; ++step) {
            actions[random() % actions.size()](w, random);
            QApplication::processEvents(); // a slider's step ends after its value moved
        }
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
        const Seen last = seen(w);
        for (int step = 0; step < 25; ++step)
            pressUndo(w);
        EXPECT_TRUE(seen(w) == loaded);
        EXPECT_FALSE(w.isWindowModified());
        EXPECT_FALSE(marked(w));
        for (int step = 0; step < 25; ++step)
            pressRedo(w);
        EXPECT_TRUE(seen(w) == last);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, UndoProperty,
                         ::testing::Values("demo-servo.hex", "demo-blink.hex",
                                           "2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex",
                                           "17408-f-dekoder-mit-cv-dcc.hex"));

// However the edit ends, or while it is still being typed, Ctrl+Z in it takes
// the whole edit back and Ctrl+Y (or Ctrl+Shift+Z) brings it again; the marker
// is right after every keystroke and every key of the history.
TEST_F(UndoTest, UndoAndRedoKeysFromTheEditThatWasTyped)
{
    const struct {
        const char *ending;
        Qt::Key endKey; // Qt::Key_unknown: the cursor stays in the edit
        QKeyCombination redo;
    } cases[] = {
        {"still typing", Qt::Key_unknown, QKeyCombination(Qt::ControlModifier, Qt::Key_Y)},
        {"Enter", Qt::Key_Return, QKeyCombination(Qt::ControlModifier, Qt::Key_Y)},
        {"left by Tab", Qt::Key_Tab, QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ending);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel)));
        showActive(w);
        QLineEdit *edit = gridOf(w).edtAddress[1];
        const QString loaded = edit->text();
        ASSERT_NE(loaded, QStringLiteral("42"));

        edit->setFocus();
        edit->selectAll();
        for (const QChar key : QStringLiteral("42")) {
            QTest::keyClicks(edit, QString(key));
            EXPECT_EQ(w.windowTitle(), QStringLiteral("* good.hex") + Caption) << "after the key " << key.toLatin1();
        }
        if (c.endKey != Qt::Key_unknown)
            QTest::keyClick(edit, c.endKey);
        edit->setFocus();
        edit->setCursorPosition(1);

        pressUndo(w);
        EXPECT_EQ(edit->text(), loaded);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("good.hex") + Caption);
        QTest::keyClick(edit, c.redo.key(), c.redo.keyboardModifiers());
        EXPECT_EQ(edit->text(), QStringLiteral("42"));
        EXPECT_TRUE(marked(w));
        pressUndo(w);
        EXPECT_EQ(edit->text(), loaded);
        pressUndo(w);
        EXPECT_EQ(edit->text(), loaded) << "nothing left to undo";
        EXPECT_FALSE(marked(w));

        // Typed back to what the file holds: no marker, although a step was made.
        typeOver(edit, QStringLiteral("5"));
        EXPECT_TRUE(marked(w));
        typeOver(edit, loaded);
        EXPECT_FALSE(marked(w));
    }
}

// In the program the window sits in its host window, which shows the title.
TEST_F(UndoTest, UndoKeysWorkInTheHostWindowToo)
{
    auto *w = new TFormMain(settingsPath());
    MainWindowHost host(w);
    ASSERT_TRUE(w->loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel)));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    typeOver(gridOf(*w).edtAddress[1], QStringLiteral("42"));
    EXPECT_EQ(host.windowTitle(), QStringLiteral("* good.hex") + Caption);
    QTest::keyClick(gridOf(*w).edtAddress[1], Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(host.windowTitle(), QStringLiteral("good.hex") + Caption);
    QTest::keyClick(gridOf(*w).edtAddress[1], Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(gridOf(*w).edtAddress[1]->text(), QStringLiteral("42"));
}

// Two addresses typed and a colour switched, three Ctrl+Z from an edit: the
// save writes the file as it was loaded.
TEST_F(UndoTest, ThreeUndoKeysAfterTwoAddressesAndAColourSaveTheLoadedFile)
{
    const QString loaded = writeFile(QStringLiteral("relais.hex"), contentOf(sample("105-relaisdekoder-8-dcc.hex")));
    TFormMain w(settingsPath());
    ASSERT_TRUE(w.loadHexFile(loaded));
    showActive(w);
    ASSERT_FALSE(gridOf(w).btnRG[2]->isHidden());

    typeOver(gridOf(w).edtAddress[1], QStringLiteral("17"));
    QTest::keyClick(gridOf(w).edtAddress[1], Qt::Key_Return);
    typeOver(gridOf(w).edtAddress[2], QStringLiteral("29"));
    QTest::keyClick(gridOf(w).edtAddress[2], Qt::Key_Tab);
    QTest::mouseClick(gridOf(w).btnRG[2], Qt::LeftButton);
    EXPECT_TRUE(marked(w));

    gridOf(w).edtAddress[1]->setFocus();
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(gridOf(w).edtAddress[1], Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("relais.hex") + Caption);

    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetSaveFileName(saved);
    w.btn_save->click();
    EXPECT_EQ(contentOf(saved), contentOf(loaded));
}

// Choosing which address or curve an editor shows is no change: no marker, no
// step, no question before the next load.
TEST_F(UndoTest, SelectingAnAddressOrACurveIsNoChange)
{
    const struct {
        const char *file;
        std::function<QRadioButton *(TFormMain &)> choice;
    } cases[] = {
        {"demo-blink.hex", [](TFormMain &w) { return editorFrame<TFrameBlinkmuster>(w)->blinkmuster_rad_a[2]; }},
        {"demo-led-blink.hex", [](TFormMain &w) { return editorFrame<TFrameBlinkmuster_led>(w)->led_blinkmuster_rad_a[2]; }},
        {"demo-servo.hex", [](TFormMain &w) { return editorFrame<TFrameTamb>(w)->servo_rad_a[2]; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample(c.file)));
        showActive(w);
        QRadioButton *choice = c.choice(w);
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
        ASSERT_TRUE(choice->isChecked());
        EXPECT_FALSE(marked(w));
        EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("actUndo"))->isEnabled()) << "no step";
        pressUndo(w);
        EXPECT_TRUE(choice->isChecked());
        Dialogs::presetOpenFileName(sample(c.file));
        w.btn_load->click(); // an unexpected question fails the test
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    }
}

// A curve file or a set file loaded into the servo editor is a change at once.
TEST_F(UndoTest, CurveAndSetFileLoadsAreMarkedAtOnce)
{
    const struct {
        const char *kind;
        QPushButton *TFrameTamb::*save;
        QPushButton *TFrameTamb::*load;
        const char *file;
    } cases[] = {
        {"curve file", &TFrameTamb::servo_save_1, &TFrameTamb::servo_load_1, "mirrored.cur"},
        {"set file", &TFrameTamb::servo_save_all, &TFrameTamb::servo_load_all, "mirrored.set"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample("demo-servo.hex")));
        showActive(w);
        TFrameTamb &servo = *editorFrame<TFrameTamb>(w);
        QTest::mouseClick(servo.btn_MirrorVertikal, Qt::LeftButton);
        ASSERT_TRUE(marked(w));
        const QString file = dir.filePath(QString::fromLatin1(c.file));
        Dialogs::presetSaveFileName(file);
        (servo.*c.save)->click();
        pressUndo(w);
        ASSERT_FALSE(marked(w));

        Dialogs::presetOpenFileName(file);
        QTest::mouseClick(servo.*c.load, Qt::LeftButton);
        EXPECT_TRUE(servo.servo_btn_uebernehmen->isEnabled());
        EXPECT_TRUE(marked(w));
        pressUndo(w);
        EXPECT_FALSE(marked(w));
        pressRedo(w);
        EXPECT_TRUE(marked(w));
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
    }
}

// The title names the file and marks unsaved changes; loading another file or
// closing by the title bar asks first, and "No" keeps everything; "Ende" does not ask.
TEST_F(UndoTest, UnsavedChangesAreMarkedAndAskedFor)
{
    TFormMain w(settingsPath());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quaxel V0.981"));
    const QString good = writeFile(QStringLiteral("good.hex"), Torvel);
    const QString other = writeFile(QStringLiteral("other.hex"), Torvel);
    ASSERT_TRUE(w.loadHexFile(good));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("good.hex – Quaxel V0.981"));
    showActive(w);

    typeOver(gridOf(w).edtAddress[1], QStringLiteral("77"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("* good.hex – Quaxel V0.981"));
    EXPECT_TRUE(w.isWindowModified());

    Dialogs::presetYesNo(false);
    w.btn_load->click();
    EXPECT_EQ(w.document().session().filePath, good) << "No keeps the file and its changes";
    EXPECT_EQ(gridOf(w).edtAddress[1]->text(), QStringLiteral("77"));

    Dialogs::presetYesNo(false);
    w.close();
    EXPECT_TRUE(w.isVisible()) << "No keeps the window open";

    pressUndo(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("good.hex – Quaxel V0.981")) << "back at what was loaded";
    EXPECT_FALSE(w.isWindowModified());
    pressRedo(w);
    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetSaveFileName(saved);
    w.btn_saveClick();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("saved.hex – Quaxel V0.981"));

    typeOver(gridOf(w).edtAddress[1], QStringLiteral("78"));
    Dialogs::presetYesNo(true);
    Dialogs::presetOpenFileName(other);
    w.btn_load->click();
    EXPECT_EQ(w.document().session().filePath, other);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("other.hex – Quaxel V0.981"));

    typeOver(gridOf(w).edtAddress[1], QStringLiteral("79"));
    w.btn_close->click(); // "Ende": no question (an unexpected one fails the test)
    EXPECT_FALSE(w.isVisible());
}

// Ctrl+Z shows only what a step held. Over 408 as loaded, "4 0 9 Backspace 8"
// ends where it began: no step, no marker, and Ctrl+Z leaves 408 (the edit's
// own undo would show 40); the save writes the file as it was.
TEST_F(UndoTest, AnEditTypedBackToWhereItBeganIsNoStep)
{
    const QString made = dir.filePath(QStringLiteral("408.hex"));
    const auto firstAddress = [](TFormMain &w) {
        const auto shown = std::find_if(gridOf(w).edtAddress.begin(), gridOf(w).edtAddress.end(),
                                        [](const QLineEdit *e) { return e && !e->isHidden(); });
        return shown == gridOf(w).edtAddress.end() ? nullptr : *shown;
    };
    {
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample("1566720-drehscheibe-24-position-dcc.hex")));
        showActive(w);
        ASSERT_NE(firstAddress(w), nullptr);
        typeOver(firstAddress(w), QStringLiteral("408"));
        QTest::keyClick(firstAddress(w), Qt::Key_Return);
        Dialogs::presetSaveFileName(made);
        w.btn_save->click();
        ASSERT_TRUE(Dialogs::recordedMessages().isEmpty());
    }
    TFormMain w(settingsPath());
    ASSERT_TRUE(w.loadHexFile(made));
    showActive(w);
    QLineEdit *edit = firstAddress(w);
    ASSERT_EQ(edit->text(), QStringLiteral("408"));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("409"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("8"));
    EXPECT_FALSE(marked(w));
    pressUndo(w);
    EXPECT_EQ(edit->text(), QStringLiteral("408"));
    EXPECT_FALSE(marked(w));
    const QString again = dir.filePath(QStringLiteral("again.hex"));
    Dialogs::presetSaveFileName(again);
    w.btn_save->click();
    EXPECT_EQ(contentOf(again), contentOf(made));
}

// A save is no step: after it, an edit typed back to what was saved leaves
// nothing to undo but the edit before the save, and Ctrl+Y comes back to
// what the file holds, unmarked.
TEST_F(UndoTest, AfterASaveUndoTakesTheEditBackAndRedoComesBackToTheFile)
{
    TFormMain w(settingsPath());
    ASSERT_TRUE(w.loadHexFile(writeFile(QStringLiteral("good.hex"), Torvel)));
    showActive(w);
    QLineEdit *edit = gridOf(w).edtAddress[1];
    const QString loaded = edit->text();
    typeOver(edit, QStringLiteral("42"));
    QTest::keyClick(edit, Qt::Key_Return);
    Dialogs::presetSaveFileName(dir.filePath(QStringLiteral("saved.hex")));
    w.btn_save->click();
    ASSERT_FALSE(marked(w));

    typeOver(edit, QStringLiteral("5"));
    typeOver(edit, QStringLiteral("42"));
    EXPECT_FALSE(marked(w));
    pressUndo(w);
    EXPECT_EQ(edit->text(), loaded);
    EXPECT_TRUE(marked(w));
    pressRedo(w);
    EXPECT_EQ(edit->text(), QStringLiteral("42"));
    EXPECT_FALSE(marked(w));
}

} // namespace
