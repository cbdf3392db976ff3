// The operating-mode editor in the main window: what each type shows, and what
// typing, clicking and sliding write into the EEPROM image.
#include "EditorFrames.h"
#include "frames/Frame_zusatz/TFrameZusatz.h"
#include "ui/UpDown.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "image/HexByte.h"
#include "tests/frames/Frame_zusatz/EepromFrameFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <iterator>
#include <set>

using namespace Zusatz;
using namespace ZusatzView;

namespace {

class FrameZusatz : public EepromFrameTest {
protected:
    // The frame makes a group of controls the first time a type shows it.
    // Before the first load of a test, one type for each group is loaded, so
    // that every control exists whatever the type under test shows.
    void load(int code, const std::map<int, QString> &bytes = {})
    {
        if (!everyGroupMade_) {
            everyGroupMade_ = true;
            makeEveryGroup();
        }
        EepromFrameTest::load(code, bytes);
    }
    void makeEveryGroup()
    {
        std::set<int> groups;
        for (int code : knownTypeCodes()) {
            const Layout *l = layoutFor(code);
            ASSERT_NE(l, nullptr) << code;
            const bool shows[] = {l->minimumCount, l->slider != Slider::None, l->neonSliders,
                                  l->neonBoxBits != 0 || l->neonTip, l->mode.visible, !l->extras.empty()};
            bool adds = false;
            for (int g = 0; g < int(std::size(shows)); ++g)
                adds = (shows[g] && groups.insert(g).second) || adds;
            if (adds)
                EepromFrameTest::load(code);
        }
        ASSERT_EQ(groups.size(), 6u) << "a group of controls that no type shows";
    }
    TFrameZusatz *frame() const { return editorFrame<TFrameZusatz>(*window); }
    template <class W>
    W *control(const char *name) const
    {
        W *widget = frame()->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static bool shown(const QWidget *w) { return !w->isHidden(); }

private:
    bool everyGroupMade_ = false;
};

// Loads every type of the editor one after the other, so each check also sees
// what an earlier type may have left behind.
TEST_F(FrameZusatz, EveryTypeShowsExactlyItsControlsFilledFromTheImage)
{
    for (int code : knownTypeCodes()) {
        SCOPED_TRACE(code);
        // A mode byte without mode bits after one with bit 2: no radio button stays checked.
        load(code, {{ModeByte, code % 2 ? QStringLiteral("04") : QStringLiteral("C0")},
                    {NeonDarkByte, QStringLiteral("03")},
                    {NeonBrightByte, QStringLiteral("0C")}});
        const Layout &layout = *layoutFor(code);
        const TFrameZusatz *f = frame();
        ASSERT_TRUE(shown(f));
        const int value = HexByteValue(fileEeprom.at(ValueByte));

        EXPECT_EQ(f->lbl_zusatz->text(), layout.valueCaption);
        EXPECT_EQ(shown(f->edt_zusatz), layout.valueEdit);
        if (layout.valueEdit) {
            EXPECT_EQ(f->edt_zusatz->text(), QString::number(value));
            EXPECT_EQ(f->edt_zusatz->toolTip(), layout.valueHint);
        }
        EXPECT_EQ(shown(f->UpDown_Zusatz), layout.valueUpDown);
        EXPECT_EQ(f->lbl_zusatz2->text(), layout.valueUpDown ? secondsText(value) : QString());
        if (layout.valueUpDown) {
            EXPECT_EQ(f->UpDown_Zusatz->minimum(), layout.valueMin);
            EXPECT_EQ(f->UpDown_Zusatz->maximum(), layout.valueMax);
        }
        EXPECT_EQ(shown(f->cbx_weiche_ab), layout.switchOffOption);

        EXPECT_EQ(shown(f->group_mode), layout.mode.visible);
        if (layout.mode.visible) {
            EXPECT_EQ(shown(f->lbl_mode), layout.mode.introVisible());
            // The explanation is exactly as tall as its lines in its smaller font.
            EXPECT_EQ(f->lbl_mode->height(), f->lbl_mode->sizeHint().height());
            for (int i = 0; i < ModeRadioCount; ++i) {
                const bool listed = i < layout.mode.radioCaptions.size();
                EXPECT_EQ(shown(f->rad_mode[i]), listed) << i;
                if (listed) {
                    EXPECT_EQ(f->rad_mode[i]->text(), layout.mode.radioCaptions[i]) << i;
                }
            }
            EXPECT_EQ(shown(f->cbx_mode_bit6), layout.mode.bit6);
            EXPECT_EQ(shown(f->cbx_mode_bit7), layout.mode.bit7);
            EXPECT_EQ(f->group_mode->geometry().bottom() + 1, f->pnl_Zusatz->height() - 10);
        }
        const std::optional<int> radio = modeRadioIndex(HexByteValue(fileEeprom.at(ModeByte)));
        for (int i = 0; i < ModeRadioCount; ++i)
            EXPECT_EQ(f->rad_mode[i]->isChecked(), radio == i) << i;

        EXPECT_EQ(shown(f->TrackBar_01), layout.slider != Slider::None);
        EXPECT_EQ(shown(f->lbl_trackbar_01_r), layout.slider != Slider::None);
        if (layout.slider == Slider::Speed) {
            EXPECT_EQ(f->TrackBar_01->value(), value);
            EXPECT_EQ(f->lbl_trackbar_01->text(), speedTitle(value));
        }
        EXPECT_EQ(shown(f->TrackBar_neon_1), layout.neonSliders);
        EXPECT_EQ(shown(f->lbl_fNeon_03), layout.neonSliders);
        if (layout.neonSliders) {
            EXPECT_EQ(f->lbl_fNeon_03->height(), f->lbl_fNeon_03->sizeHint().height());
            EXPECT_EQ(f->TrackBar_neon_1->value(), HexByteValue(fileEeprom.at(NeonDarkByte)));
            EXPECT_EQ(f->TrackBar_neon_2->value(), HexByteValue(fileEeprom.at(NeonBrightByte)));
        }
        for (int i = 0; i < NeonBoxCount; ++i) {
            const int bit = 1 << neonBoxes()[i].bit;
            EXPECT_EQ(shown(f->neonBox[i]), (layout.neonBoxBits & bit) != 0) << i;
            if (layout.neonBoxBits & bit) {
                EXPECT_EQ(f->neonBox[i]->isChecked(), (value & bit) != 0) << i;
            }
        }
        EXPECT_EQ(shown(f->lbl_led_neon_1), layout.neonTip);
        EXPECT_EQ(shown(f->edt_mindestAnzahl), layout.minimumCount);
        EXPECT_EQ(shown(f->UpDown5), layout.minimumCount);
        if (layout.minimumCount) {
            EXPECT_EQ(f->edt_mindestAnzahl->text(), QString::number(HexByteValue(fileEeprom.at(MinimumCountByte))));
        }

        EXPECT_EQ(f->model().extraCount(), static_cast<int>(layout.extras.size()));
        for (int k = 0; k < ExtraFieldCount; ++k) {
            const bool defined = k < static_cast<int>(layout.extras.size());
            EXPECT_EQ(shown(f->extra_edt[k]), defined) << k;
            EXPECT_EQ(shown(f->extra_lbl[k]), defined) << k;
            if (defined) {
                EXPECT_EQ(f->extra_lbl[k]->text(), layout.extras[k].caption);
                EXPECT_EQ(f->extra_edt[k]->text(),
                          QString::number(HexByteValue(fileEeprom.at(layout.extras[k].eepromIndex))));
            }
        }

        // Filling the frame writes nothing, but an unknown fading code.
        if (layout.slider == Slider::Fading)
            expectOthersAsInFile({ValueByte});
        else
            expectOthersAsInFile({});
        EXPECT_TRUE(takeMessages().isEmpty());
    }
}

// What the frame shows of each of its controls (place, visibility, texts,
// state, hints, fonts), then the order of Tab and of stacking among those
// shown. Controls the frame has not made are left out; they must be hidden
// in the frame that has them.
QStringList frameLook(TFrameZusatz &f, const QStringList &only = {})
{
    QStringList rows;
    QStringList tab;
    QStringList stack;
    const auto included = [&](const QWidget *w) { return only.isEmpty() || only.contains(w->objectName()); };
    for (QWidget *w : f.pnl_Zusatz->findChildren<QWidget *>()) {
        if (!included(w) || w->objectName().isEmpty())
            continue;
        const QRect g = w->geometry();
        QString row = QStringLiteral("%1 %2 %3,%4 %5x%6 [%7] %8")
                          .arg(w->objectName(), w->isVisibleTo(&f) ? QStringLiteral("shown") : QStringLiteral("hidden"))
                          .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                          .arg(w->toolTip(), w->font().toString());
        if (auto *label = qobject_cast<QLabel *>(w))
            row += u' ' + label->text();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            row += u' ' + edit->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            row += QStringLiteral(" %1 %2").arg(button->text()).arg(button->isChecked());
        if (auto *slider = qobject_cast<QSlider *>(w))
            row += QStringLiteral(" %1..%2 %3").arg(slider->minimum()).arg(slider->maximum()).arg(slider->value());
        rows << row;
    }
    for (QWidget *w = f.edt_zusatz->nextInFocusChain(); w != f.edt_zusatz; w = w->nextInFocusChain()) {
        if (f.isAncestorOf(w) && included(w) && w->isVisibleTo(&f) && (w->focusPolicy() & Qt::TabFocus))
            tab << w->objectName();
    }
    for (QObject *child : f.pnl_Zusatz->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && included(w) && w->isVisibleTo(&f))
            stack << w->objectName();
    }
    rows << QStringLiteral("tab: ") + tab.join(u' ') << QStringLiteral("stack: ") + stack.join(u' ');
    return rows;
}

QStringList namesOf(const TFrameZusatz &f)
{
    QStringList names;
    for (const QWidget *w : f.pnl_Zusatz->findChildren<QWidget *>())
        names << w->objectName();
    return names;
}

// The groups of controls are made as types first show them, in any order. A
// frame that made them late shows what one that had every control from the
// start does, in the same order for Tab and stacking, and writes the same.
TEST_F(FrameZusatz, ControlsMadeLateLookAsIfTheyHadAlwaysBeenThere)
{
    // The early window has every group of controls before the comparison
    // starts: it has shown every type once.
    TFormMain early(dir.filePath(QStringLiteral("early.ini")));
    early.show();
    for (int code : knownTypeCodes())
        ASSERT_TRUE(early.loadHexFile(samplePath(code))) << code;
    std::vector<int> codes = knownTypeCodes();
    std::reverse(codes.begin(), codes.end());
    const std::vector<int> forward = knownTypeCodes();
    codes.insert(codes.end(), forward.begin(), forward.end());
    for (int code : codes) {
        SCOPED_TRACE(code);
        EepromFrameTest::load(code, {{ModeByte, code % 3 ? QStringLiteral("04") : QStringLiteral("C0")}});
        ASSERT_TRUE(early.loadHexFile(window->document().session().filePath));
        TFrameZusatz &late = *editorFrame<TFrameZusatz>(*window);
        const QStringList made = namesOf(late);
        EXPECT_EQ(frameLook(late), frameLook(*editorFrame<TFrameZusatz>(early), made));
        for (QWidget *w : editorFrame<TFrameZusatz>(early)->pnl_Zusatz->findChildren<QWidget *>()) {
            if (!made.contains(w->objectName())) {
                EXPECT_FALSE(w->isVisibleTo(editorFrame<TFrameZusatz>(early))) << w->objectName().toStdString();
            }
        }
    }
    // Once every type has been shown, all of it is alike, the hidden
    // controls' state included; and a value typed into each writes the same
    // bytes.
    EXPECT_EQ(frameLook(*editorFrame<TFrameZusatz>(*window)), frameLook(*editorFrame<TFrameZusatz>(early)));
    typeInto(editorFrame<TFrameZusatz>(*window)->edt_zusatz, QStringLiteral("7"));
    typeInto(editorFrame<TFrameZusatz>(early)->edt_zusatz, QStringLiteral("7"));
    for (int i = 0; i < FirmwareImage::EepromSize; ++i)
        EXPECT_EQ(byte(i), early.document().session().image.eeprom.at(i)) << i;
}

// Typing key by key: every keystroke is a change of its own.
struct TypingCase {
    int code;
    const char *edit;
    const char *typed;
    int index;             // the EEPROM byte the edit writes
    const char *stored;    // its text afterwards; nullptr: as in the file
    std::vector<const char *> messages;
    const char *secondsText = nullptr;
};

const char *const TooSmall = "Wert für <Time Out (1..127)> ist zu klein";
const char *const TooLarge = "Wert für <Time Out (1..127)> ist zu gross";
const char *const NoNumber = "Ungültige Eingabe.\rZugelassen sind nur Zahlen";
const char *const NoCount = "Ungültige Eingabe.\rZugelassen sind nur Zahlen im Werte-Bereich 1..9";

const TypingCase TypingCases[] = {
    {8, "edt_zusatz", "0", ValueByte, nullptr, {TooSmall}},
    {8, "edt_zusatz", "128", ValueByte, "0C", {TooLarge}},
    {8, "edt_zusatz", "127", ValueByte, "7F", {}, "(63.5 sek.)"},
    {10, "edt_zusatz", "09", ValueByte, "09", {TooSmall}, "(4.5 sek.)"}, // the refill drops the zero
    {8, "edt_zusatz", "", ValueByte, nullptr, {}},
    {2, "edt_zusatz", "-", ValueByte, nullptr, {"Ungültige Eingabe für <Time Out (1..127)> "}},
    {105, "edt_zusatz", "256", ValueByte, "19", {"Wert für <Verzögerungszeit (0..255)> ist zu gross"}},
    {113, "edt_zusatz", "0", ValueByte, "00", {}},
    {113, "edt_mindestAnzahl", "12", MinimumCountByte, "09", {}},
    {113, "edt_mindestAnzahl", "0", MinimumCountByte, "01", {}},
    {113, "edt_mindestAnzahl", "ab", MinimumCountByte, nullptr, {NoCount, NoCount}},
    {615, "extra_edt[0]", "42", 0x60, "2A", {}},
    {615, "extra_edt[1]", "300", 0x70, "1E", {NoNumber}},
    {615, "extra_edt[1]", "x", 0x70, nullptr, {NoNumber}},
};

void PrintTo(const TypingCase &c, std::ostream *os)
{
    *os << c.code << " " << c.edit << " \"" << c.typed << '"';
}

class Typing : public FrameZusatz, public testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, WritesEachAcceptedKeystrokeAndReturnsTheFocusOnAFault)
{
    const TypingCase &c = GetParam();
    load(c.code, {{c.index, QStringLiteral("05")}});
    auto *edit = control<QLineEdit>(c.edit);
    ASSERT_NE(edit, nullptr);
    typeInto(edit, QString::fromUtf8(c.typed));

    EXPECT_EQ(byte(c.index), c.stored ? QString::fromLatin1(c.stored) : QStringLiteral("05"));
    expectOthersAsInFile({c.index});
    QStringList expected;
    for (const char *message : c.messages)
        expected << QString::fromUtf8(message);
    EXPECT_EQ(takeMessages(), expected);
    if (!expected.isEmpty()) {
        EXPECT_EQ(QApplication::focusWidget(), edit);
    }
    if (c.secondsText) {
        EXPECT_EQ(frame()->lbl_zusatz2->text(), QString::fromLatin1(c.secondsText));
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, Typing, testing::ValuesIn(TypingCases));

TEST_F(FrameZusatz, UpDownStepsTheValueWithinTheTypeRange)
{
    load(8, {{ValueByte, QStringLiteral("7E")}});
    UpDown *upDown = frame()->UpDown_Zusatz;
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("7F"));
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("7F"));
    EXPECT_EQ(frame()->edt_zusatz->text(), QStringLiteral("127"));
    QTest::mouseClick(upDown->downButton(), Qt::LeftButton);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("7E"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

// The arrows stop where the model's range ends: a click past the end leaves
// the edit showing the stored value.
TEST_F(FrameZusatz, ArrowsStopAtTheModelsLimits)
{
    const struct {
        int code;
        const char *arrows;
        const char *edit;
        int index;
        const char *stored;
        bool up;
    } rows[] = {
        {113, "UpDown5", "edt_mindestAnzahl", MinimumCountByte, "09", true},
        {113, "UpDown5", "edt_mindestAnzahl", MinimumCountByte, "01", false},
        {8, "UpDown_Zusatz", "edt_zusatz", ValueByte, "7F", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.arrows);
        load(row.code, {{row.index, QString::fromLatin1(row.stored)}});
        auto *arrows = control<UpDown>(row.arrows);
        auto *edit = control<QLineEdit>(row.edit);
        ASSERT_TRUE(arrows && edit);
        const QString shown = edit->text();
        QTest::mouseClick(row.up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
        EXPECT_EQ(edit->text(), shown);
        EXPECT_EQ(byte(row.index), QString::fromLatin1(row.stored));
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

// Clicks in the mode group and on the switch-off option.
struct ClickCase {
    int code;
    const char *modeByte;
    const char *target;
    const char *written;
};

const ClickCase ClickCases[] = {
    {11, "C1", "rad_mode3", "04"},       // hidden bit boxes: bits 6 and 7 of the image are dropped
    {2769152, "C1", "rad_mode2", "C2"},  // visible bit boxes keep their bits
    {2769152, "C1", "cbx_mode_bit7", "41"},
    {81664, "85", "cbx_mode_bit6", "C5"}, // no radio buttons: only bit 6 changes
    {81408, "02", "rad_mode1", "01"},
    {520, "AB", "cbx_weiche_ab", "01"},
    {613, "01", "cbx_weiche_ab", "AB"},
};

void PrintTo(const ClickCase &c, std::ostream *os)
{
    *os << c.code << " " << c.modeByte << " " << c.target;
}

class Clicking : public FrameZusatz, public testing::WithParamInterface<ClickCase> {};

TEST_P(Clicking, WritesTheModeByte)
{
    const ClickCase &c = GetParam();
    load(c.code, {{ModeByte, QString::fromLatin1(c.modeByte)}});
    if (QLatin1String(c.target) == QLatin1String("cbx_weiche_ab")) {
        EXPECT_EQ(frame()->cbx_weiche_ab->isChecked(), QLatin1String(c.modeByte) == QLatin1String("AB"));
    }
    auto *button = control<QAbstractButton>(c.target);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    clickIndicator(button);
    EXPECT_EQ(byte(ModeByte), QString::fromLatin1(c.written));
    expectOthersAsInFile({ModeByte});
}

INSTANTIATE_TEST_SUITE_P(ModeGroup, Clicking, testing::ValuesIn(ClickCases));

TEST_F(FrameZusatz, FadingCodeReadOnLoad)
{
    const struct {
        const char *stored;
        int position;
        const char *afterLoad;
    } cases[] = {{"44", 5, "11"}, {"FF", 0, "FF"}, {"66", 1, "66"}, {"33", 2, "33"}, {"12", 4, "12"}, {"11", 5, "11"}};
    for (const int code : {359, 615}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(c.stored);
            load(code, {{ValueByte, QString::fromLatin1(c.stored)}});
            EXPECT_EQ(frame()->TrackBar_01->value(), c.position);
            EXPECT_EQ(byte(ValueByte), QString::fromLatin1(c.afterLoad));
        }
    }
}

// Sliders moved with the keyboard, as a user does once the slider has the focus.
struct SlideCase {
    int code;
    int index;
    const char *stored;
    const char *slider;
    Qt::Key key;
    int position;
    const char *written;
    bool takesFocus;
};

const SlideCase SlideCases[] = {
    {359, ValueByte, "FF", "TrackBar_01", Qt::Key_Right, 1, "66", false},
    {615, ValueByte, "12", "TrackBar_01", Qt::Key_End, 5, "11", false},
    {615, ValueByte, "33", "TrackBar_01", Qt::Key_Left, 1, "66", false},
    {111, ValueByte, "24", "TrackBar_01", Qt::Key_Right, 37, "25", true},
    {2769152, NeonDarkByte, "03", "TrackBar_neon_1", Qt::Key_Right, 4, "04", true},
    {1720576, NeonBrightByte, "0F", "TrackBar_neon_2", Qt::Key_Home, 0, "00", true},
};

void PrintTo(const SlideCase &c, std::ostream *os)
{
    *os << c.code << " " << c.slider << " from " << c.stored;
}

class Sliding : public FrameZusatz, public testing::WithParamInterface<SlideCase> {};

TEST_P(Sliding, WritesThePositionAndRefreshes)
{
    const SlideCase &c = GetParam();
    load(c.code, {{c.index, QString::fromLatin1(c.stored)}});
    auto *slider = control<QSlider>(c.slider);
    ASSERT_NE(slider, nullptr);
    window->btn_load->setFocus();
    QTest::keyClick(slider, c.key);
    EXPECT_EQ(slider->value(), c.position);
    EXPECT_EQ(byte(c.index), QString::fromLatin1(c.written));
    expectOthersAsInFile({c.index});
    if (c.takesFocus) {
        EXPECT_EQ(QApplication::focusWidget(), slider);
    }
    if (c.code == 111) {
        EXPECT_EQ(frame()->lbl_trackbar_01->text(), QStringLiteral("Geschwindigkeit: 37"));
    }
}

INSTANTIATE_TEST_SUITE_P(Sliders, Sliding, testing::ValuesIn(SlideCases));

TEST_F(FrameZusatz, NeonBoxesRebuildTheirBitsAndKeepTheOthers)
{
    load(624, {{ValueByte, QStringLiteral("20")}});
    clickIndicator(frame()->cbx_led_neon_8);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("A0"));
    EXPECT_EQ(frame()->edt_zusatz->text(), QStringLiteral("160"));
    clickIndicator(frame()->cbx_led_neon_3);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("A4"));
    EXPECT_TRUE(frame()->cbx_led_neon_8->isChecked());

    // Type 368 shows two boxes; the five hidden ones, checked by the earlier
    // file, must not reach this file: bits 2..7 stay as read.
    load(624, {{ValueByte, QStringLiteral("DF")}});
    load(368, {{ValueByte, QStringLiteral("A4")}});
    EXPECT_FALSE(frame()->cbx_led_neon_1->isChecked());
    clickIndicator(frame()->cbx_led_neon_1);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("A5"));
    clickIndicator(frame()->cbx_led_neon_2);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("A7"));
    clickIndicator(frame()->cbx_led_neon_1);
    EXPECT_EQ(byte(ValueByte), QStringLiteral("A6"));
    expectOthersAsInFile({ValueByte});
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST(ZusatzGeometry, ModeGroupStacksAndSitsAtThePanelBottom)
{
    ModeGroup group;
    group.visible = true;
    group.radioCaptions = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    group.bit6 = group.bit7 = true;
    const ModeGroupGeometry g = modeGroupGeometry(group, {45, 17, 20, 17}, 691);
    EXPECT_EQ(g.introTop, 20);
    EXPECT_EQ(g.bit7Top, 75);
    EXPECT_EQ(g.radioTops[0], 102);
    EXPECT_EQ(g.radioTops[1], 122);
    EXPECT_EQ(g.bit6Top, 152);
    EXPECT_EQ(g.height, 179);
    EXPECT_EQ(g.top, 691 - 179 - 10);

    const SliderRowGeometry row = sliderRowGeometry(320, 40, 50);
    EXPECT_EQ(row.sliderTop, 70);
    EXPECT_EQ(row.labelsTop, 73);
    EXPECT_EQ(row.rightLabelLeft, 254);
    EXPECT_EQ(row.sliderLeft, 66);
    EXPECT_EQ(row.sliderWidth, 178);
}

TEST(ZusatzGeometry, NeonBoxNamesAndStack)
{
    const char *const names[] = {"cbx_led_neon_1", "cbx_led_neon_2", "cbx_led_neon_3", "cbx_led_neon_4",
                                 "cbx_led_neon_5", "cbx_led_neon_7", "cbx_led_neon_8"};
    const int tops[] = {180, 120, 40, 60, 80, 100, 160};
    for (int i = 0; i < NeonBoxCount; ++i) {
        EXPECT_STREQ(neonBoxPlaces()[i].name, names[i]);
        EXPECT_EQ(neonBoxPlaces()[i].top, tops[i]);
    }
}

// Every live edit of the mode editor and the CV list: a refused text is
// replaced by what the image holds, all of it selected, with the focus back;
// a value stored otherwise than typed, or an emptied edit, shows the stored
// value once the edit is left.
struct EntryCase {
    int code;
    const char *edit;
    int index;             // its EEPROM byte, "05" in the file
    const char *typed;
    const char *refusedShows; // nullptr: no message
    const char *leftShows;
};

const EntryCase EntryCases[] = {
    {8, "edt_zusatz", ValueByte, "0", "5", "5"},
    {8, "edt_zusatz", ValueByte, "128", "12", "12"},
    {2, "edt_zusatz", ValueByte, "", nullptr, "5"},
    {113, "edt_mindestAnzahl", MinimumCountByte, "12", nullptr, "9"},
    {113, "edt_mindestAnzahl", MinimumCountByte, "0", nullptr, "1"},
    {113, "edt_mindestAnzahl", MinimumCountByte, "7a", "7", "7"},
    {113, "edt_mindestAnzahl", MinimumCountByte, "", nullptr, "5"},
    {615, "extra_edt[1]", 0x70, "300", "30", "30"},
    {615, "extra_edt[0]", 0x60, "", nullptr, "5"},
    {17408, "cv_edt[5]", 0x68, "7x", "7", "7"},
    {17408, "cv_edt[24]", 0xA9, "", nullptr, "5"},
};

void PrintTo(const EntryCase &c, std::ostream *os)
{
    *os << c.code << " " << c.edit << " \"" << c.typed << '"';
}

class Entries : public FrameZusatz, public testing::WithParamInterface<EntryCase> {};

TEST_P(Entries, EditShowsWhatIsStored)
{
    const EntryCase &c = GetParam();
    load(c.code, {{c.index, QStringLiteral("05")}});
    auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(c.edit));
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isVisible());
    typeInto(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(takeMessages().size(), c.refusedShows ? 1 : 0);
    if (c.refusedShows) {
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.refusedShows));
        EXPECT_EQ(edit->selectedText(), edit->text());
        EXPECT_EQ(QApplication::focusWidget(), edit);
    }
    // Leaving the edit.
    edit->setFocus();
    window->btn_load->setFocus();
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.leftShows));
    EXPECT_EQ(HexByteValue(byte(c.index)), edit->text().toInt());
    EXPECT_TRUE(takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LiveEdits, Entries, testing::ValuesIn(EntryCases));

} // namespace
