// The ten-output LED blink pattern editor: its split step bytes, layout,
// drawing, edits, apply and discard.
#include "EditorFrames.h"
#include "tests/frames/Frame_blinkmuster/BlinkFrameKit.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"
#include "ui/UpDown.h"
#include "tests/app/MainWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Block 1: 10 steps, low step i = 0xF0 | (i & 0x0F), high step i = 0xC0 | i,
// flags 0xF1, outputs 5..10 used. Block 2: 100 steps of low 0x0A / high 0x15,
// stretch 5, outputs 1..4 and 5..10 used. Blocks 3 and 4 erased.
void fillTable(FirmwareImage &image)
{
    for (int i = 0; i < 100; ++i) {
        setTableByte(image, i, 0xF0 | (i & 0x0F));
        setTableByte(image, 128 + i, 0xC0 | (i & 0x3F));
        setTableByte(image, 256 + i, 0x0A);
        setTableByte(image, 256 + 128 + i, 0x15);
    }
    const std::pair<int, int> settings[] = {{100, 0xF1}, {101, 10}, {102, 10}, {103, 0x3F},
                                            {256 + 100, 0xF0}, {256 + 101, 100}, {256 + 102, 5}, {256 + 103, 0x3F}};
    for (const auto &[t, value] : settings)
        setTableByte(image, t, value);
}

class LedBlinkFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillTable(editor.session.image);
        frame = &editor.show(221);
    }
    DrawingSurface *strip(int n) { return frame->Image_led_Blink[std::size_t(n)]; }

    // Runs act and checks that only the listed entries changed, to the given values.
    void expectOnlyChanged(const std::function<void()> &act, std::map<int, int> changed)
    {
        const PatternTable before = frame->model().table();
        act();
        for (int t = 0; t < before.size(); ++t) {
            const auto it = changed.find(t);
            ASSERT_EQ(frame->model().table()[t], it == changed.end() ? before[t] : it->second) << "entry " << t;
        }
    }

    ShownEditor<TFrameBlinkmuster_led> editor;
    TFrameBlinkmuster_led *frame = nullptr;
};

TEST_F(LedBlinkFrame, ControlsLieInRows)
{
    EXPECT_EQ(frame->RadioGroup3->width(), 4 * 110 + 10);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(frame->led_blinkmuster_rad_a[std::size_t(k)]->x(), 10 + 110 * k);
    const auto right = [](const QWidget *w) { return w->x() + w->width(); };
    EXPECT_EQ(frame->led_blinkmuster_cbx_loop->x(), right(frame->RadioGroup3) + 10);
    EXPECT_EQ(frame->led_blinkmuster_lbl_KurveInfo2->x(), right(frame->UpDown9) + 10);
    const int copyTop = frame->led_blinkmuster_btn_verwerfen->y();
    EXPECT_EQ(frame->Label41->y(), copyTop + 3);
    int left = right(frame->Label41) + 5;
    for (QPushButton *copy : frame->led_blinkmuster_btn_copy) {
        EXPECT_EQ(copy->pos(), QPoint(left, copyTop));
        left = right(copy);
    }
    EXPECT_EQ(strip(9)->width(), 540 - 55 - 10);
}

TEST_F(LedBlinkFrame, PaintingReachesTheLowOrHighStepByteOfOneOutput)
{
    frame->led_blinkmuster_rad_a[1]->click();
    // Address 2 has 100 steps of 4.65 pixels: x 15 is step 3. The lower part of
    // strip 7 clears bit 2 of the high step byte.
    expectOnlyChanged([&] { drag(strip(6), {{15, 30}}); }, {{256 + 128 + 3, 0x11}});
    // The upper part of strip 2 sets bit 1 of the low step byte.
    expectOnlyChanged([&] { drag(strip(1), {{15, 23}}); }, {{256 + 3, 0x0A}});
    expectOnlyChanged([&] { drag(strip(0), {{15, 2}}); }, {{256 + 3, 0x0B}});

    // Address 1 shows 10 steps; right of them the mouse still reaches the step
    // bytes up to step 99, and no further. The stroke clears every step on its way.
    frame->led_blinkmuster_rad_a[0]->click();
    std::map<int, int> cleared;
    for (int t = 10; t < 100; ++t)
        cleared[128 + t] = (0xC0 | (t & 0x3F)) & ~0x20;
    expectOnlyChanged([&] { drag(strip(9), {{470, 35}, {5000, 35}}); }, cleared);
    EXPECT_TRUE(frame->led_blinkmuster_btn_uebernehmen->isEnabled());
}

TEST_F(LedBlinkFrame, DrawsBoxesDownToTheStripBottom)
{
    // Step 1 of address 1 spans x 46..92; output 1 on, output 2 off.
    EXPECT_EQ(pixel(strip(0), 60, 7), QColor(Qt::white));
    EXPECT_EQ(pixel(strip(0), 60, 8), QColor(Qt::black));
    EXPECT_EQ(pixel(strip(0), 60, 36), QColor(Qt::red));
    EXPECT_EQ(pixel(strip(0), 60, 37), QColor(Qt::black)) << "bottom outline";
    EXPECT_EQ(pixel(strip(1), 60, 20), QColor(Qt::white));
    // Output 6 (high bit 1) of step 2, on the lower strip 6: the box runs past it.
    EXPECT_EQ(pixel(strip(5), 100, 32), QColor(Qt::red));
}

TEST_F(LedBlinkFrame, EditsOutputBoxesApplyAndDiscard)
{
    frame->led_blinkmuster_edt_Anzahl->setText(QStringLiteral("150"));
    EXPECT_EQ(frame->model().table()[101], 100);
    frame->led_blinkmuster_edt_Anzahl->setText(QStringLiteral("abc"));
    ASSERT_EQ(Dialogs::recordedMessages().size(), 1);
    EXPECT_EQ(Dialogs::recordedMessages().first().text,
              QStringLiteral("Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..100"));
    EXPECT_EQ(frame->model().table()[101], 100);

    frame->led_blinkmuster_cbx_out[8]->click();
    EXPECT_EQ(frame->model().table()[103], 0x2F);
    EXPECT_TRUE(strip(8)->isHidden());
    frame->led_blinkmuster_cbx_out[2]->click();
    EXPECT_EQ(frame->model().table()[100], 0xB1);

    frame->led_blinkmuster_rad_a[3]->click();
    frame->led_blinkmuster_btn_copy[1]->click();
    for (int j = 0; j < 255; ++j)
        ASSERT_EQ(frame->model().table()[768 + j], frame->model().table()[256 + j]) << j;
    EXPECT_EQ(frame->model().table()[1023], 0xFF);

    const FirmwareImage before = editor.session.image;
    frame->led_blinkmuster_btn_uebernehmen->click();
    expectTableApplied(before, editor.session.image, frame->model().table());

    drag(strip(0), {{3, 2}, {400, 2}});
    frame->led_blinkmuster_btn_verwerfen->click();
    PatternTable applied(ledBlinkPatternLayout());
    applied.read(editor.session.image);
    EXPECT_EQ(frame->model().table(), applied);
    EXPECT_FALSE(frame->led_blinkmuster_btn_uebernehmen->isEnabled());
}

class LedBlinkSave : public MainWindowTest {};

TEST_F(LedBlinkSave, AnErasedTableLoadsCleanAndAPaintedStepIsAskedFor)
{
    TFormMain w(settingsPath());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.loadHexFile(sampleHex("221-led-blinkmuster-dcc"));
    TFrameBlinkmuster_led *f = editorFrame<TFrameBlinkmuster_led>(w);
    ASSERT_FALSE(f->isHidden());
    EXPECT_FALSE(f->led_blinkmuster_btn_uebernehmen->isEnabled());
    // The count is limited on the way in; the stretch edit waits while loading.
    EXPECT_EQ(f->led_blinkmuster_edt_Anzahl->text(), QStringLiteral("100"));
    EXPECT_EQ(f->led_blinkmuster_lbl_KurveInfo1->text(), QStringLiteral("Zeit-Raster = 5100 ms"));

    drag(f->Image_led_Blink[4], {{2, 37}});
    const QString out = dir.filePath(QStringLiteral("out.hex"));
    Dialogs::presetYesNo(true);
    Dialogs::presetSaveFileName(out);
    w.btn_saveClick();
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_EQ(w.document().session().image.rom[0x600 + 2 * 128], QStringLiteral("FE"));
    EXPECT_FALSE(f->led_blinkmuster_btn_uebernehmen->isEnabled());
}

} // namespace
