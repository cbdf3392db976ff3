// Undo and redo as a property: any sequence of user actions, undone to the
// start, gives the image as loaded, byte for byte; redone to the end, it gives
// the image as it was before the undo. And the unsaved-changes marker and the
// question before unsaved work goes.
#include "MainWindowFixture.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_register/TFrameRegister.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <random>

namespace {

QString sample(const char *name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + QString::fromLatin1(name); }

// What the user can change, as bytes and texts.
struct Seen {
    decltype(FirmwareImage::rom) rom;
    decltype(FirmwareImage::eeprom) eeprom;
    QStringList grid;
    bool operator==(const Seen &) const = default;
};

Seen seen(const TFormMain &w)
{
    Seen s{w.session.image.rom, w.session.image.eeprom, {}};
    for (int k = 0; k < TFormMain::SlotCount; ++k)
        s.grid << w.slotAddressText(k) + u'/' + w.slotFunctionText(k);
    return s;
}

using Action = std::function<void(TFormMain &, std::mt19937 &)>;

// A slot edit typed as the user does, one keystroke at a time.
void typeIntoASlot(TFormMain &w, std::mt19937 &random)
{
    std::vector<QLineEdit *> shown;
    for (QLineEdit *edit : w.edtAddress) {
        if (edit && !edit->isHidden())
            shown.push_back(edit);
    }
    if (shown.empty()) // the CV decoder has no slots
        return;
    QLineEdit *edit = shown[random() % shown.size()];
    edit->clear();
    for (const QChar c : QString::number(random() % 200))
        edit->insert(QString(c));
}

std::vector<Action> actionsFor(const char *file)
{
    std::vector<Action> actions{typeIntoASlot};
    const QString name = QString::fromLatin1(file);
    if (name.contains(QStringLiteral("servo"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) { w.FrameTamb1->servo_rad_a[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { w.FrameTamb1->btn_MirrorVertikal->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { w.FrameTamb1->servo_btn_uebernehmen->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { w.FrameTamb1->servo_btn_verwerfen->click(); });
    } else if (name.contains(QStringLiteral("blink"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) { w.FrameBlinkmuster1->blinkmuster_rad_a[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { w.FrameBlinkmuster1->blinkmuster_cbx_loop->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &r) { w.FrameBlinkmuster1->blinkmuster_btn_copy[r() % 4]->click(); });
        actions.push_back([](TFormMain &w, std::mt19937 &) { w.FrameBlinkmuster1->blinkmuster_btn_uebernehmen->click(); });
    } else if (name.contains(QStringLiteral("neon"))) {
        actions.push_back([](TFormMain &w, std::mt19937 &r) { w.FrameZusatz1->TrackBar_neon_1->setValue(int(r() % 100)); });
    } else {
        actions.push_back([](TFormMain &w, std::mt19937 &r) {
            QLineEdit *edit = w.FrameRegister1->cv_edt[r() % 4];
            edit->setText(QString::number(r() % 256));
        });
    }
    return actions;
}

class UndoProperty : public MainWindowTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(UndoProperty, UndoneToTheStartGivesTheLoadedImageAndRedoneTheLast)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        TFormMain w(settingsPath());
        ASSERT_TRUE(w.loadHexFile(sample(GetParam())));
        Dialogs::clearPresets();
        const Seen loaded = seen(w);
        std::mt19937 random(seed);
        const std::vector<Action> actions = actionsFor(GetParam());
        for (int step = 0; step < 20; ++step) {
            actions[random() % actions.size()](w, random);
            w.noteUserAction();
        }
        EXPECT_TRUE(Dialogs::recordedMessages().isEmpty());
        const Seen last = seen(w);
        for (int step = 0; step < 25; ++step)
            w.undo();
        EXPECT_TRUE(seen(w) == loaded);
        EXPECT_FALSE(w.hasUnsavedChanges());
        EXPECT_FALSE(w.windowTitle().startsWith(QStringLiteral("* ")));
        for (int step = 0; step < 25; ++step)
            w.redo();
        EXPECT_TRUE(seen(w) == last);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, UndoProperty,
                         ::testing::Values("demo-servo.hex", "demo-blink.hex",
                                           "2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex",
                                           "17408-f-dekoder-mit-cv-dcc.hex"));

// The title names the file and marks unsaved changes; loading another file or
// closing by the title bar asks first, and "No" keeps everything; "Ende" does not ask.
TEST_F(MainWindowTest, UnsavedChangesAreMarkedAndAskedFor)
{
    TFormMain w(settingsPath());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quaxel V0.981"));
    const QString good = writeFile(QStringLiteral("good.hex"), Torvel);
    const QString other = writeFile(QStringLiteral("other.hex"), Torvel);
    ASSERT_TRUE(w.loadHexFile(good));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("good.hex – Quaxel V0.981"));

    w.edtAddress[1]->setText(QStringLiteral("77"));
    w.noteUserAction();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("* good.hex – Quaxel V0.981"));

    Dialogs::presetYesNo(false);
    w.btn_load->click();
    EXPECT_EQ(w.session.filePath, good) << "No keeps the file and its changes";
    EXPECT_EQ(w.edtAddress[1]->text(), QStringLiteral("77"));

    w.show();
    Dialogs::presetYesNo(false);
    w.close();
    EXPECT_TRUE(w.isVisible()) << "No keeps the window open";

    w.undo();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("good.hex – Quaxel V0.981")) << "back at what was loaded";
    w.redo();
    const QString saved = dir.filePath(QStringLiteral("saved.hex"));
    Dialogs::presetSaveFileName(saved);
    w.btn_saveClick();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("saved.hex – Quaxel V0.981"));

    w.edtAddress[1]->setText(QStringLiteral("78"));
    w.noteUserAction();
    Dialogs::presetYesNo(true);
    Dialogs::presetOpenFileName(other);
    w.btn_load->click();
    EXPECT_EQ(w.session.filePath, other);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("other.hex – Quaxel V0.981"));

    w.edtAddress[1]->setText(QStringLiteral("79"));
    w.noteUserAction();
    w.btn_close->click(); // "Ende": no question (an unexpected one fails the test)
    EXPECT_FALSE(w.isVisible());
}

} // namespace
