// The servo address frame on the sample servo firmwares: layout by type,
// choices written into the working copy, option boxes and pulse buttons.
#include "EditorFrames.h"
#include "app/TFormMain.h"
#include "common/Samples.h"
#include "frames/Frame_tamb/ServoModel.h"
#include "frames/Frame_tamb/TFrameTamb.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "image/HexByte.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const char *const Sample211 = "211-tamb-4-servo-dekoder-dcc.hex";
const char *const Sample210 = "210-tamb-kubo-servo-dekoder-mot.hex";
const char *const Sample16896 = "16896-tamb-kubo-servo-dekoder-f-dekoder-dcc.hex";

// A sample loaded into a session, the servo model loaded from it and the frame
// showing the model, as the main window does it.
struct LoadedFrame {
    explicit LoadedFrame(const char *sample, const std::array<int, 8> &pulses = {125, 0, 125, 0, 125, 0, 125, 0})
    {
        session = loadedSession(samplePath(QLatin1String(sample)));
        for (int j = 0; j < 8; ++j)
            session.image.eeprom[0x60 + j] = hexByte(pulses[static_cast<std::size_t>(j)]);
        model.load();
        frame = std::make_unique<TFrameTambAdr>(session, model, nullptr);
        changes = std::make_unique<QSignalSpy>(frame.get(), &TFrameTambAdr::valuesChanged);
        frame->loadFromSession();
    }

    // Sets entries of the working copy and refreshes the controls.
    void set(std::initializer_list<std::array<int, 3>> entries)
    {
        ServoWorkingCopy copy = model.snapshot();
        for (const auto &[record, entry, value] : entries)
            copy.curves[record][static_cast<std::size_t>(entry)] = value;
        model.restore(copy);
        frame->RefreshControls();
    }
    // Sets a row's two bytes in the working copy and refreshes the controls.
    void setRow(int row, int actionByte, int curveByte)
    {
        set({{row % 4, row < 4 ? 103 : 106, actionByte}, {row % 4, row < 4 ? 104 : 107, curveByte}});
    }

    DecoderSession session;
    ServoModel model{session};
    const CurveRecords &curves = model.curves();
    std::unique_ptr<TFrameTambAdr> frame;
    std::unique_ptr<QSignalSpy> changes;
};

// The user's choice of an item: the list stands one item off and the arrow key
// moves it, as on a closed drop-down list.
void choose(QComboBox *box, int item)
{
    box->setCurrentIndex(item > 0 ? item - 1 : 1);
    QTest::keyClick(box, item > 0 ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), item);
}

TEST(FrameTambAdr, LayoutByType)
{
    struct Case {
        const char *sample;
        bool four;
        const char *label2;
    };
    for (const Case &c : {Case{Sample211, true, "Adresse 02"}, Case{Sample210, false, "Adresse 02"},
                          Case{Sample16896, false, "Adresse 01 aus"}}) {
        LoadedFrame f(c.sample);
        TFrameTambAdr &w = *f.frame;
        EXPECT_EQ(w.lbl_servo_adresse[1]->text(), QString::fromUtf8(c.label2));
        EXPECT_EQ(w.lbl_servo_adresse[6]->text(), QStringLiteral("Adresse 07:"));
        for (int row = 0; row < 8; ++row) {
            f.setRow(row, 0x01, 0x11); // "Start": the curve list follows the type alone
            EXPECT_EQ(!w.lbl_servo_adresse[row]->isHidden(), row < 4 || c.four) << c.sample << row;
            EXPECT_EQ(!w.cbx_ax_action[row]->isHidden(), row < 4 || c.four) << c.sample << row;
            EXPECT_EQ(!w.cbx_ax_curve[row]->isHidden(), row < 4 || c.four) << c.sample << row;
            EXPECT_EQ(!w.cbx_ax_servo[row]->isHidden(), c.four) << c.sample << row;
            EXPECT_EQ(!w.cbx_ax_relais[row]->isHidden(), c.four) << c.sample << row;
        }
        EXPECT_FALSE(w.GroupBox_Servo[0]->isHidden());
        for (int servo = 1; servo < 4; ++servo)
            EXPECT_EQ(!w.GroupBox_Servo[servo]->isHidden(), c.four) << c.sample;
        EXPECT_EQ(f.changes->count(), 0);
    }
}

TEST(FrameTambAdr, RefreshShowsTheBytesAndRunsNoHandler)
{
    LoadedFrame f(Sample211);
    f.setRow(0, 0x28, 0x84); // valid choices, "Abbruch"
    f.setRow(5, 0x30, 0x00); // no servo bit
    f.setRow(2, 0x81, 0x6C); // an action with bit 7, two relay bits
    f.set({{1, 100, 0xC4}});
    const CurveRecords before = f.curves;
    f.frame->RefreshControls();

    TFrameTambAdr &w = *f.frame;
    const auto shown = [&](int row) {
        return QList<int>{w.cbx_ax_servo[row]->currentIndex(), w.cbx_ax_action[row]->currentIndex(),
                          w.cbx_ax_curve[row]->currentIndex(), w.cbx_ax_relais[row]->currentIndex()};
    };
    EXPECT_EQ(shown(0), QList<int>({3, 2, 3, 2}));
    EXPECT_EQ(shown(5), QList<int>({-1, 1, 0, 0}));
    EXPECT_EQ(shown(2), QList<int>({0, -1, 1, 2}));
    EXPECT_TRUE(w.cbx_ax_curve[0]->isHidden() && w.cbx_ax_relais[0]->isHidden());
    EXPECT_FALSE(w.cbx_ax_curve[2]->isHidden() || w.cbx_ax_relais[2]->isHidden());
    EXPECT_FALSE(w.cbx_v_off[1]->isChecked());
    EXPECT_TRUE(w.cbx_imp_off[1]->isChecked() && w.cbx_no_ir[1]->isChecked() && w.cbx_no_rep[1]->isChecked());
    EXPECT_EQ(f.curves, before);
    EXPECT_EQ(f.changes->count(), 0);
    // Showing leaves the frame listening to the user again.
    w.cbx_v_off[1]->click();
    EXPECT_EQ(f.changes->count(), 1);
}

TEST(FrameTambAdr, UserChoicesWriteTheRowAndReportTheChange)
{
    struct Case {
        const char *sample;
        int row;
        char column; // s, a, c, r
        int item;
        int actionByte, curveByte; // after the choice, from 0x42 / 0x21
        bool curveShown, relayShown;
    };
    for (const Case &c : {Case{Sample211, 6, 's', 3, 0x48, 0x21, false, false},
                          Case{Sample211, 2, 'a', 2, 0x22, 0x21, false, false}, // curve bits stay stored
                          Case{Sample211, 7, 'a', 1, 0x12, 0x21, true, true},
                          Case{Sample210, 1, 'a', 0, 0x02, 0x21, true, false},
                          Case{Sample16896, 3, 'a', 3, 0x42, 0x21, false, false},
                          Case{Sample211, 5, 'c', 3, 0x42, 0x81, false, false},
                          Case{Sample211, 0, 'r', 2, 0x42, 0x24, false, false}}) {
        LoadedFrame f(c.sample);
        f.setRow(c.row, 0x42, 0x21);
        CurveRecords expected = f.curves;
        TFrameTambAdr &w = *f.frame;
        choose(c.column == 's' ? w.cbx_ax_servo[c.row]
               : c.column == 'a' ? w.cbx_ax_action[c.row]
               : c.column == 'c' ? w.cbx_ax_curve[c.row]
                                 : w.cbx_ax_relais[c.row],
               c.item);
        expected[c.row % 4][c.row < 4 ? 103 : 106] = c.actionByte;
        expected[c.row % 4][c.row < 4 ? 104 : 107] = c.curveByte;
        EXPECT_EQ(f.curves, expected) << c.row;
        EXPECT_EQ(f.changes->count(), 1) << c.row;
        EXPECT_EQ(!w.cbx_ax_curve[c.row]->isHidden(), c.curveShown) << c.row;
        EXPECT_EQ(!w.cbx_ax_relais[c.row]->isHidden(), c.relayShown) << c.row;
    }
}

TEST(FrameTambAdr, OneOptionClickRewritesThatBitInAllFourRecords)
{
    LoadedFrame f(Sample211);
    const int before[] = {0x02, 0x00, 0xFF, 0x40};
    f.set({{0, 100, before[0]}, {1, 100, before[1]}, {2, 100, before[2]}, {3, 100, before[3]}});
    f.frame->cbx_v_off[1]->click();
    f.frame->cbx_no_ir[3]->click();
    EXPECT_EQ(QList<int>({f.curves[0][100], f.curves[1][100], f.curves[2][100], f.curves[3][100]}),
              QList<int>({0x02, 0x02, 0xFF, 0x00}));
    EXPECT_EQ(f.changes->count(), 2);
}

TEST(FrameTambAdr, PulseButtonsAndTimeTexts)
{
    struct Case {
        int servo;
        bool factor;
        int button; // 0 "<<" .. 3 ">>"
        int offset, span, offsetAfter, spanAfter;
        const char *minText, *maxText;
    };
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The offset rows move Min and Max away from the loaded texts, but the
    // first, which stops at the lower limit.
    for (const Case &c : {Case{0, false, 1, 50, 0, 50, 0, "0,400", "1,416"},
                          Case{1, false, 3, 100, 0, 110, 0, "0,880", "1,896"},
                          Case{2, false, 0, 55, 0, 50, 0, "0,400", "1,416"},
                          Case{0, true, 2, 125, 127, 125, 127, "1,000", "3,024"},
                          Case{3, true, 1, 125, 1, 125, 253, "1,000", "2,008"}}) {
        std::array<int, 8> bytes{100, 10, 100, 10, 100, 10, 100, 10};
        const auto at = static_cast<std::size_t>(2 * c.servo);
        bytes[at] = c.offset;
        bytes[at + 1] = c.span;
        LoadedFrame f(Sample211, bytes);
        TFrameTambAdr &w = *f.frame;
        (c.factor ? w.btn_faktor : w.btn_offset)[c.servo][c.button]->click();
        bytes[at] = c.offsetAfter;
        bytes[at + 1] = c.spanAfter;
        EXPECT_EQ(f.model.pulseBytes(), bytes) << c.servo;
        EXPECT_EQ(w.servo_edt_Offset[c.servo]->text(), QLatin1String(c.minText));
        EXPECT_EQ(w.servo_edt_max[c.servo]->text(), QLatin1String(c.maxText));
        EXPECT_EQ(f.changes->count(), 1);
    }
    QLocale::setDefault(QLocale::c());
}

TEST(FrameTambAdr, InTheWindowChangesEnableApplyWhichStoresThePulseBytes)
{
    QTemporaryDir dir;
    Dialogs::setRecordMessages(true);
    TFormMain window(dir.filePath(QStringLiteral("quaxel.ini")));
    window.loadHexFile(samplePath(QLatin1String(Sample211)));
    TFrameTamb &curves = *editorFrame<TFrameTamb>(window);
    TFrameTambAdr &w = *editorFrame<TFrameTambAdr>(window);
    ASSERT_FALSE(curves.servo_btn_uebernehmen->isEnabled());
    const ServoModel &model = curves.model();
    const int actionBefore = w.cbx_ax_action[4]->currentIndex();
    ASSERT_NE(actionBefore, 2);

    choose(w.cbx_ax_action[4], 2);
    EXPECT_EQ(model.curves()[0][106] & 0xF0, 0x20);
    EXPECT_TRUE(curves.servo_btn_uebernehmen->isEnabled());

    const std::array<int, 8> before = model.pulseBytes();
    const QString maxBefore = w.servo_edt_max[1]->text();
    w.btn_faktor[1][3]->click();
    w.btn_offset[3][1]->click();
    const std::array<int, 8> after = model.pulseBytes();
    EXPECT_NE(after, before);
    EXPECT_NE(w.servo_edt_max[1]->text(), maxBefore);
    // Discarding reads the pulse bytes back from the image as loading does, and
    // the address frame shows the image's rows and times again.
    curves.servo_btn_verwerfen->click();
    EXPECT_EQ(model.curves(), CurveRecords::read(window.document().session().image));
    EXPECT_EQ(model.pulseBytes(), before);
    EXPECT_EQ(w.servo_edt_max[1]->text(), maxBefore);
    EXPECT_EQ(w.cbx_ax_action[4]->currentIndex(), actionBefore);
    EXPECT_EQ(window.document().session().image.eeprom[0x63], hexByte(before[3]));
    EXPECT_FALSE(curves.servo_btn_uebernehmen->isEnabled());

    w.btn_offset[0][2]->click();
    EXPECT_TRUE(curves.servo_btn_uebernehmen->isEnabled());
    curves.servo_btn_uebernehmen->click();
    const std::array<int, 8> stored = model.pulseBytes();
    for (int j = 0; j < 8; ++j)
        EXPECT_EQ(window.document().session().image.eeprom[0x60 + j], hexByte(stored[static_cast<std::size_t>(j)])) << j;
    Dialogs::setRecordMessages(false);
}

} // namespace
