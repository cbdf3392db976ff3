// The four-output blink pattern editor: painting, drawing, edits, copy, apply
// and discard, and the save's question for unapplied patterns.
#include "EditorFrames.h"
#include "BlinkFrameKit.h"
#include "ui/UpDown.h"
#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "tests/app/MainWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// Block 1: 10 steps, step i = 0xF0 | (i & 0x0F), stretch 10, loop, outputs 1..4.
// Block 2: 20 steps of 0x05, stretch 3, outputs 1 and 3. Blocks 3 and 4 erased.
void fillTable(FirmwareImage &image)
{
    for (int i = 0; i < 53; ++i)
        setTableByte(image, i, 0xF0 | (i & 0x0F));
    setTableByte(image, 53, 10);
    setTableByte(image, 54, 10);
    setTableByte(image, 55, 0xF1);
    for (int i = 0; i < 53; ++i)
        setTableByte(image, 64 + i, 0x05);
    setTableByte(image, 64 + 53, 20);
    setTableByte(image, 64 + 54, 3);
    setTableByte(image, 64 + 55, 0x50);
    for (int j = 56; j < 64; ++j)
        setTableByte(image, 64 + j, j);
}

class BlinkFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillTable(editor.session.image);
        frame = &editor.show(1);
    }
    DrawingSurface *strip(int n) { return frame->Image_Blink[std::size_t(n)]; }

    ShownEditor<TFrameBlinkmuster> editor;
    TFrameBlinkmuster *frame = nullptr;
};

// Strips are 475 pixels wide: 10 steps of 46.5 pixels. Upper part (y <= 24)
// switches on, lower part off. Block 1's count equals the edit's design text
// "10", so no count handler has run before these drags.
struct Drag {
    int strip;
    std::initializer_list<QPoint> path;
    std::initializer_list<int> steps; // steps whose bit is painted
    bool on;
};

TEST_F(BlinkFrame, DraggingPaintsOneOutputOfTheStepsCrossed)
{
    const Drag drags[] = {
        // Strip 3 upper part across steps 1..3: bit 2 set there, all else stays.
        {2, {{50, 5}, {100, 10}, {150, 24}}, {1, 2, 3}, true},
        // Strip 1 lower part: bit 0 cleared.
        {0, {{10, 30}, {60, 25}}, {0, 1}, false},
        // Past the last step and out of the strip: the last step only.
        {3, {{440, 40}, {470, 41}, {900, 60}}, {9}, false},
        // Left of the strip, held above it: step 0.
        {1, {{3, 3}, {-40, -20}}, {0}, true},
    };
    for (const Drag &d : drags) {
        const PatternTable before = frame->model().table();
        drag(strip(d.strip), d.path);
        for (int t = 0; t < before.size(); ++t) {
            const bool painted = t < 64 && std::find(d.steps.begin(), d.steps.end(), t) != d.steps.end();
            const int mask = 1 << d.strip;
            const int expected = painted ? (d.on ? before[t] | mask : before[t] & ~mask) : before[t];
            ASSERT_EQ(frame->model().table()[t], expected) << "strip " << d.strip << ", entry " << t;
        }
        EXPECT_TRUE(frame->blinkmuster_btn_uebernehmen->isEnabled());
    }
    // A press and a release alone change nothing.
    const PatternTable before = frame->model().table();
    QTest::mouseClick(strip(0), Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(frame->model().table(), before);
}

TEST_F(BlinkFrame, DrawsAStepAsARedBoxInBlackFromY8)
{
    // Step 1 spans x 46..92; strip 1 has it on (0xF1), strip 2 off.
    const DrawingSurface *on = strip(0);
    EXPECT_EQ(pixel(on, 46, 20), QColor(Qt::black)) << "left outline";
    EXPECT_EQ(pixel(on, 92, 20), QColor(Qt::black)) << "right outline";
    EXPECT_EQ(pixel(on, 60, 8), QColor(Qt::black)) << "top outline";
    EXPECT_EQ(pixel(on, 60, 7), QColor(Qt::white));
    EXPECT_EQ(pixel(on, 60, 9), QColor(Qt::red));
    EXPECT_EQ(pixel(on, 60, 40), QColor(Qt::red)) << "the box runs past the bottom";
    EXPECT_EQ(pixel(strip(1), 60, 20), QColor(Qt::white));
    EXPECT_EQ(pixel(on, 470, 20), QColor(Qt::white)) << "right of the last step";
}

TEST_F(BlinkFrame, CountAndStretchEdits)
{
    EXPECT_EQ(frame->blinkmuster_lbl_KurveInfo1->text(), QStringLiteral("Zeit-Raster = 200 ms"));
    EXPECT_EQ(frame->blinkmuster_lbl_KurveInfo2->text(), QStringLiteral("Gesamtzeit = 2000 ms"));
    frame->blinkmuster_edt_Anzahl->setText(QStringLiteral("75"));
    EXPECT_EQ(frame->model().table()[53], 50);
    EXPECT_EQ(frame->blinkmuster_edt_Anzahl->text(), QStringLiteral("50"));
    EXPECT_EQ(frame->stepWidth, 9.3f);
    // Step 49 of 50 starts at trunc(49 * 9.3) = 455.
    EXPECT_EQ(pixel(strip(0), 455, 20), QColor(Qt::black));
    EXPECT_EQ(pixel(strip(0), 460, 20), QColor(Qt::red));
    frame->blinkmuster_edt_Anzahl->setText(QStringLiteral("0"));
    EXPECT_EQ(frame->model().table()[53], 1);
    EXPECT_EQ(frame->blinkmuster_lbl_KurveInfo2->text(), QStringLiteral("Gesamtzeit = 200 ms"));

    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    frame->blinkmuster_edt_stretch->setText(QStringLiteral("abc"));
    EXPECT_EQ(QApplication::focusWidget(), frame->blinkmuster_edt_stretch);
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().text,
              QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..200"));
    EXPECT_EQ(Dialogs::recordedMessages().first().kind, BoxKind::WarningCancel);
    EXPECT_EQ(frame->model().table()[54], 10);
    frame->blinkmuster_edt_stretch->setText(QString());
    EXPECT_EQ(frame->model().table()[54], 10);
    frame->UpDown4->upButton()->click();
    EXPECT_EQ(frame->model().table()[54], 11);
}

TEST_F(BlinkFrame, AddressSwitchShowsTheBlockAndPaintsInIt)
{
    frame->blinkmuster_rad_a[1]->click();
    EXPECT_EQ(frame->blinkmuster_edt_Anzahl->text(), QStringLiteral("20"));
    EXPECT_EQ(frame->blinkmuster_edt_stretch->text(), QStringLiteral("3"));
    EXPECT_FALSE(frame->blinkmuster_cbx_loop->isChecked());
    EXPECT_EQ(frame->blinkmuster_cbx_out[1]->isChecked(), false);
    EXPECT_TRUE(strip(0)->isVisibleTo(frame) && !strip(1)->isVisibleTo(frame));
    EXPECT_FALSE(frame->blinkmuster_btn_copy[1]->isEnabled());
    EXPECT_TRUE(frame->blinkmuster_btn_copy[0]->isEnabled());
    // 20 steps of 23.25 pixels: x 240 is step 10.
    drag(strip(2), {{240, 30}});
    EXPECT_EQ(frame->model().table()[64 + 10], 0x01);
    EXPECT_EQ(frame->model().table()[10], 0xFA) << "block 1 untouched";
}

TEST_F(BlinkFrame, CopyOutputBoxesApplyAndDiscard)
{
    frame->blinkmuster_rad_a[3]->click();
    EXPECT_FALSE(frame->blinkmuster_btn_copy[3]->isEnabled());
    frame->blinkmuster_btn_copy[1]->click();
    for (int j = 0; j < 64; ++j)
        ASSERT_EQ(frame->model().table()[192 + j], frame->model().table()[64 + j]) << j;
    EXPECT_EQ(frame->blinkmuster_edt_Anzahl->text(), QStringLiteral("20"));

    frame->blinkmuster_rad_a[0]->click();
    frame->blinkmuster_cbx_out[1]->click();
    EXPECT_EQ(frame->model().table()[55], 0xD1);
    EXPECT_TRUE(strip(1)->isHidden());
    EXPECT_EQ(frame->model().table()[1], 0xF1) << "step bits of output 2 stay";

    const FirmwareImage before = editor.session.image;
    frame->blinkmuster_btn_uebernehmen->click();
    EXPECT_FALSE(frame->blinkmuster_btn_uebernehmen->isEnabled());
    expectTableApplied(before, editor.session.image, frame->model().table());

    drag(strip(0), {{10, 5}, {300, 5}});
    frame->blinkmuster_btn_verwerfen->click();
    PatternTable applied(blinkPatternLayout());
    applied.read(editor.session.image);
    EXPECT_EQ(frame->model().table(), applied);
    EXPECT_FALSE(frame->blinkmuster_btn_uebernehmen->isEnabled());
    EXPECT_EQ(pixel(strip(0), 60, 20), QColor(Qt::red)) << "step 1 shown on again";
}

TEST_F(BlinkFrame, AnErasedBlockDrawsFiftyStepsAndStaysInside)
{
    frame->blinkmuster_rad_a[2]->click(); // block 3 reads 255 steps
    EXPECT_EQ(frame->model().table()[128 + 53], 50);
    drag(strip(0), {{470, 40}, {2000, 40}});
    EXPECT_EQ(frame->model().table()[128 + 49], 0xFE);
    for (int j = 50; j < 64; ++j)
        EXPECT_EQ(frame->model().table()[128 + j], j == 53 ? 50 : j == 54 ? 200 : 255) << j;
}

// Every number edit of both editors. A refused text gives way to the stored
// value, all of it selected, with the focus back in the edit; a limited or
// emptied edit shows the stored value once Enter is pressed; the arrows reach
// the top of the range and stop there.
TEST(BlinkEdits, EveryEditShowsWhatIsStored)
{
    struct LiveEdit {
        int typeCode;
        const char *edit, *arrows;
        int entry; // block 1's table entry the edit stores to
        int max;
    };
    const LiveEdit edits[] = {
        {1, "blinkmuster_edt_Anzahl", "UpDown3", 53, 50},
        {1, "blinkmuster_edt_stretch", "UpDown4", 54, 200},
        {221, "led_blinkmuster_edt_Anzahl", "UpDown9", 101, 100},
        {221, "led_blinkmuster_edt_stretch", "UpDown10", 102, 200},
    };
    for (const LiveEdit &e : edits) {
        SCOPED_TRACE(e.edit);
        ShownEditor<TFrameBlinkmuster> blink;
        ShownEditor<TFrameBlinkmuster_led> led;
        const PatternLayout &layout = e.typeCode == 1 ? blinkPatternLayout() : ledBlinkPatternLayout();
        FirmwareImage &image = (e.typeCode == 1 ? blink.session : led.session).image;
        setTableByte(image, layout.countOffset, 10);
        setTableByte(image, layout.stretchOffset, 10);
        BlinkPatternView &frame = e.typeCode == 1 ? static_cast<BlinkPatternView &>(blink.show(1))
                                                  : static_cast<BlinkPatternView &>(led.show(221));
        auto *edit = frame.findChild<QLineEdit *>(QString::fromLatin1(e.edit));
        auto *arrows = frame.findChild<UpDown *>(QString::fromLatin1(e.arrows));
        ASSERT_TRUE(edit && arrows);
        QApplication::setActiveWindow(&frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

        edit->setText(QStringLiteral("12a"));
        ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
        EXPECT_EQ(frame.model().table()[e.entry], 10);
        EXPECT_EQ(edit->text(), QStringLiteral("10"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("10"));
        EXPECT_EQ(QApplication::focusWidget(), edit);

        struct Typed {
            const char *text;
            int stored;
        };
        for (const Typed &t : {Typed{"9999", e.max}, {"", e.max}, {"0", 1}, {"-3", 1}, {"", 1}}) {
            edit->setText(QString::fromLatin1(t.text));
            QTest::keyClick(edit, Qt::Key_Return);
            EXPECT_EQ(frame.model().table()[e.entry], t.stored) << t.text;
            EXPECT_EQ(edit->text(), QString::number(t.stored)) << t.text;
        }

        edit->setText(QString::number(e.max - 1));
        for (int click = 0; click < 2; ++click) {
            arrows->upButton()->click();
            EXPECT_EQ(frame.model().table()[e.entry], e.max) << "arrow click " << click + 1;
        }
        EXPECT_EQ(Dialogs::recordedMessages().size(), 1);
    }
}

class BlinkSave : public MainWindowTest {};

TEST_F(BlinkSave, UnappliedPatternsAreAskedForBeforeSaving)
{
    // The sample's table is erased: loading it leaves the editor clean.
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.loadHexFile(sampleHex("1-kandor-blinkmuster-dcc"));
    TFrameBlinkmuster *f = editorFrame<TFrameBlinkmuster>(w);
    ASSERT_FALSE(f->isHidden());
    EXPECT_FALSE(f->blinkmuster_btn_uebernehmen->isEnabled());

    drag(f->Image_Blink[0], {{5, 40}});
    const FirmwareImage before = w.document().session().image;
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    Dialogs::presetYesNo(false);
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(w.document().session().image.rom, before.rom);
    EXPECT_TRUE(f->blinkmuster_btn_uebernehmen->isEnabled());

    Dialogs::clearPresets();
    Dialogs::presetYesNo(true);
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    ASSERT_TRUE(QFile::exists(out));
    EXPECT_EQ(w.document().session().image.rom[0x600], QStringLiteral("FE"));
    EXPECT_EQ(w.document().session().image.rom[0x601], QStringLiteral("3F"));
    TFormMain reloaded(settingsPath());
    reloaded.loadHexFile(out);
    EXPECT_EQ(editorFrame<TFrameBlinkmuster>(reloaded)->model().table()[0], 0xFE);
}

} // namespace
