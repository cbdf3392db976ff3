#include "frames/Frame_zusatz/TFrameZusatz.h"

#include "ui/UpDown.h"
#include "image/HexByte.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>

using namespace Zusatz;

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

template <class W>
W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry, const QString &caption = {})
{
    auto *l = named(new QLabel(caption, parent), QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                    const QString &hint = {})
{
    auto *box = named(new QCheckBox(caption, parent), QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setToolTip(hint);
    return box;
}

QSlider *slider(QWidget *parent, const char *name)
{
    auto *s = named(new QSlider(Qt::Horizontal, parent), QString::fromLatin1(name));
    s->setTickPosition(QSlider::TicksBelow);
    s->setGeometry(120, 40, 180, 30);
    return s;
}

// The two explanations keep their own line breaks; a smaller font keeps
// their lines inside the panel.
void fitExplanation(QLabel *explanation, int width)
{
    QFont smaller = explanation->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1.0);
    explanation->setFont(smaller);
    explanation->resize(width, explanation->sizeHint().height());
}

constexpr int ControlLeft = 16;
constexpr int BoxWidth = 290;
constexpr int RowHeight = 20;
constexpr int EditHeight = 21;
constexpr int ExtraEditLeft = 166;
constexpr int ExtraLabelWidth = 148;
constexpr int ExtraEditWidth = 40;
constexpr int GroupInnerLeft = 6;
constexpr int GroupInnerWidth = 290;
// The brightness sliders leave their titles room on the left.
constexpr int NeonSliderLeft = 132;
constexpr int NeonSliderWidth = 170;

const char *const NeonSliderHint = "rechts = HELL, Links = dunkel";

} // namespace

TFrameZusatz::TFrameZusatz(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameZusatz1"), DesignWidth, DesignHeight, parent)
{
    buildControls();

    // The four extra value fields, hidden until a type defines them.
    for (int k = 0; k < ExtraFieldCount; ++k) {
        const QString index = QStringLiteral("[%1]").arg(k);
        const int top = 15 + 25 * k;
        extra_lbl[k] = label(pnl_Zusatz, "", QRect(ControlLeft, top + 4, ExtraLabelWidth, RowHeight));
        extra_lbl[k]->setObjectName(QStringLiteral("extra_lbl") + index);
        extra_lbl[k]->hide();
        extra_edt[k] = named(new QLineEdit(pnl_Zusatz), QStringLiteral("extra_edt") + index);
        extra_edt[k]->setGeometry(ExtraEditLeft, top, ExtraEditWidth, RowHeight);
        extra_edt[k]->hide();
        connect(extra_edt[k], &QLineEdit::textChanged, this, [this, k] { ExtraValueChange(k); });
    }
    PrepareFrame();
}

void TFrameZusatz::buildControls()
{
    // The frame is designed for a narrow panel: a small font keeps the long
    // captions inside it.
    QFont small = font();
    small.setPointSizeF(std::min<qreal>(small.pointSizeF(), 8.0));
    setFont(small);

    pnl_Zusatz = named(new QWidget(this), QStringLiteral("pnl_Zusatz"));
    pnl_Zusatz->setAutoFillBackground(true);
    pnl_Zusatz->setGeometry(0, 0, DesignWidth, DesignHeight);
    QWidget *panel = pnl_Zusatz;

    lbl_zusatz = label(panel, "lbl_zusatz", QRect(ControlLeft, 16, BoxWidth, 17));
    QFont bold = lbl_zusatz->font();
    bold.setBold(true);
    lbl_zusatz->setFont(bold);
    edt_zusatz = named(new QLineEdit(panel), QStringLiteral("edt_zusatz"));
    edt_zusatz->setGeometry(ControlLeft, 36, 60, EditHeight);
    UpDown_Zusatz = named(new UpDown(edt_zusatz, panel), QStringLiteral("UpDown_Zusatz"));
    UpDown_Zusatz->setGeometry(edt_zusatz->geometry().right() + 1, 36, 17, EditHeight);
    lbl_zusatz2 = label(panel, "lbl_zusatz2", QRect(101, 39, 120, 17));
    cbx_weiche_ab = checkBox(panel, "cbx_weiche_ab", QRect(ControlLeft, 66, BoxWidth, RowHeight),
                             text("Abschalten des Antriebes NUR nach TimeOut"),
                             text("Der Abschaltebefehl der Zentrale wird ignoriert, sodass der Antrieb immer genau "
                                  "nach der TimeOut Zeit abschaltet"));

    lbl_MindestAnzahl = label(panel, "lbl_MindestAnzahl", QRect(ControlLeft, 74, 140, 17), text("Mindestanzahl (1..9)"));
    edt_mindestAnzahl = named(new QLineEdit(panel), QStringLiteral("edt_mindestAnzahl"));
    edt_mindestAnzahl->setGeometry(ExtraEditLeft, 70, ExtraEditWidth, EditHeight);
    edt_mindestAnzahl->setToolTip(text("Anzahl der mindest aktiven Ausgänge beim Ablauf"));
    UpDown5 = named(new UpDown(edt_mindestAnzahl, panel), QStringLiteral("UpDown5"));
    UpDown5->setGeometry(ExtraEditLeft + ExtraEditWidth, 70, 17, EditHeight);
    UpDown5->setRange(1, 127);

    TrackBar_01 = slider(panel, "TrackBar_01");
    lbl_trackbar_01 = label(panel, "lbl_trackbar_01", QRect(ControlLeft, 50, BoxWidth, 17));
    lbl_trackbar_01_l = label(panel, "lbl_trackbar_01_l", QRect(ControlLeft, 73, 50, 17));
    lbl_trackbar_01_r = label(panel, "lbl_trackbar_01_r", QRect(250, 73, 50, 17));

    TrackBar_neon_1 = slider(panel, "TrackBar_neon_1");
    TrackBar_neon_2 = slider(panel, "TrackBar_neon_2");
    lbl_fNeon_01 = label(panel, "lbl_fNeon_01", QRect(ControlLeft, 44, 114, 17), text("Leuchtstufe DUNKEL"));
    lbl_fNeon_02 = label(panel, "lbl_fNeon_02", QRect(ControlLeft, 64, 114, 17), text("Leuchtstufe HELL"));
    lbl_fNeon_03 = label(panel, "lbl_fNeon_03", QRect(ControlLeft, 104, BoxWidth, 80),
                         text("Die Verzögerungszeit definiert eine Einschalt-Verzögerung. \r\nDiese ist dann aktiv, "
                              "wenn noch kein Ausgang eingeschaltet \r\nist, also wenn alle Ausgäne dunkel sind. Alle "
                              "weiteren \r\nAusgänge werden dann ohne Verzögerungszeit dazu \r\ngeschaltet"));
    fitExplanation(lbl_fNeon_03, BoxWidth);

    for (int i = 0; i < NeonBoxCount; ++i) {
        const NeonBox &box = neonBoxes()[i];
        neonBox[i] = checkBox(panel, box.name, QRect(ControlLeft, box.top, BoxWidth, RowHeight), box.caption, box.hint);
        connect(neonBox[i], &QCheckBox::toggled, this, [this] { cbx_led_neon_x_Click(); });
    }
    cbx_led_neon_1 = neonBox[0];
    cbx_led_neon_2 = neonBox[1];
    cbx_led_neon_3 = neonBox[2];
    cbx_led_neon_4 = neonBox[3];
    cbx_led_neon_5 = neonBox[4];
    cbx_led_neon_7 = neonBox[5];
    cbx_led_neon_8 = neonBox[6];
    lbl_led_neon_1 = label(panel, "lbl_led_neon_1", QRect(ControlLeft, NeonTipTop, BoxWidth, 17),
                           text("Tipp: Im Kandor Dekoder sind Ausgang 1-4 nutzbar"));

    group_mode = named(new QGroupBox(text("Mode Auswahl"), panel), QStringLiteral("group_mode"));
    group_mode->setGeometry(10, 100, 300, 200);
    lbl_mode = label(group_mode, "lbl_mode", QRect(10, 20, 280, 45),
                     text("Wird hier ein Mode ausgewählt, so sollte die Mode-\r\nUmschaltung gesperrt werden, da  sich "
                          "sonst der gewählte\r\nMode während des \"Brennen\" wieder verstellen kann."));
    fitExplanation(lbl_mode, GroupInnerWidth);
    for (int i = 0; i < ModeRadioCount; ++i) {
        rad_mode[i] = named(new QRadioButton(group_mode), QStringLiteral("rad_mode%1").arg(i + 1));
        rad_mode[i]->setGeometry(GroupInnerLeft, 20 + RowHeight * i, GroupInnerWidth, RowHeight);
        connect(rad_mode[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            // The group unchecks the old button too: only the newly checked one counts.
            if (checked)
                rad_modexClick(i);
        });
    }
    cbx_mode_bit6 = checkBox(group_mode, "cbx_mode_bit6", QRect(GroupInnerLeft, 140, GroupInnerWidth, RowHeight),
                             text("Dumm Mode: startet immer mit Ausgängen AUS"),
                             text("Dekoder startet mit abgeschalteten Ausgängen. der Zustand beim Abschalten wird "
                                  "also NICHT wieder hergestellt."));
    cbx_mode_bit7 = checkBox(group_mode, "cbx_mode_bit7", QRect(GroupInnerLeft, 160, GroupInnerWidth, RowHeight),
                             text("Mode-Umschaltung SPERREN"),
                             text("Aktiviert: eine Mode-Umschaltung (Taste beim Starten) ist dann nicht mehr möglich. "
                                  "Voreingestellte Modus ist damit garantiert. "));

    connect(cbx_mode_bit6, &QCheckBox::toggled, this, [this] { rad_modexClick(std::nullopt); });
    connect(cbx_mode_bit7, &QCheckBox::toggled, this, [this] { rad_modexClick(std::nullopt); });
    connect(cbx_weiche_ab, &QCheckBox::toggled, this, &TFrameZusatz::cbx_weiche_abClick);
    connect(edt_zusatz, &QLineEdit::textChanged, this, &TFrameZusatz::edt_zusatzChange);
    connect(edt_mindestAnzahl, &QLineEdit::textChanged, this, &TFrameZusatz::edt_mindestAnzahlChange);
    connect(TrackBar_01, &QSlider::valueChanged, this, &TFrameZusatz::TrackBar_01Change);
    connect(TrackBar_neon_1, &QSlider::valueChanged, this, &TFrameZusatz::TrackBar_neon_1Change);
    connect(TrackBar_neon_2, &QSlider::valueChanged, this, &TFrameZusatz::TrackBar_neon_2Change);
}

void TFrameZusatz::resizeEvent(QResizeEvent *)
{
    pnl_Zusatz->setGeometry(rect());
}

void TFrameZusatz::PrepareFrame()
{
    pnl_Zusatz->setGeometry(rect());

    for (int k = 0; k < ExtraFieldCount; ++k) {
        extra_lbl[k]->hide();
        extra_edt[k]->hide();
    }
    extra_count = 0;

    edt_zusatz->hide();
    edt_mindestAnzahl->hide();
    UpDown_Zusatz->hide();
    cbx_weiche_ab->hide();
    cbx_weiche_ab->move(cbx_weiche_ab->x(), edt_zusatz->y() + 30);
    UpDown5->hide();
    lbl_MindestAnzahl->hide();
    lbl_led_neon_1->hide();
    for (int i = 0; i < NeonBoxCount; ++i) {
        neonBox[i]->hide();
        neonBox[i]->move(ControlLeft, neonBoxes()[i].top);
    }
    lbl_led_neon_1->move(ControlLeft, NeonTipTop);

    TrackBar_01->hide();
    lbl_trackbar_01->hide();
    lbl_trackbar_01_l->hide();
    lbl_trackbar_01_r->hide();
    group_mode->hide();
    group_mode->move(10, 100);

    for (int i = 0; i < ModeRadioCount; ++i) {
        rad_mode[i]->setText(QStringLiteral("Mode %1").arg(i + 1));
        rad_mode[i]->setVisible(i < 2);
    }
    lbl_mode->show();
    cbx_mode_bit6->hide();
    cbx_mode_bit7->hide();

    TrackBar_neon_1->hide();
    TrackBar_neon_2->hide();
    lbl_fNeon_01->hide();
    lbl_fNeon_02->hide();
    lbl_fNeon_03->hide();
    TrackBar_neon_1->move(TrackBar_neon_1->x(), 40);
    TrackBar_neon_2->move(TrackBar_neon_2->x(), 60);
    lbl_fNeon_01->move(lbl_fNeon_01->x(), 44);
    lbl_fNeon_02->move(lbl_fNeon_02->x(), 64);
    lbl_fNeon_03->move(lbl_fNeon_03->x(), 104);

    lbl_zusatz->setText(QString());
    lbl_zusatz->move(lbl_zusatz->x(), 16);
    edt_zusatz->move(edt_zusatz->x(), lbl_zusatz->y() + 20);
    lbl_zusatz2->setText(QString());
    lbl_zusatz2->move(edt_zusatz->x() + edt_zusatz->width() + 25, edt_zusatz->y() + 3);

    zusatz_max = NeutralMax;
    zusatz_min = NeutralMin;
}

void TFrameZusatz::LoadFromImage()
{
    loading = true;
    extra_count = 0;
    int extraFields = 0;
    const FirmwareImage &img = image();

    zusatz_value = HexByteValue(img.eeprom[ValueByte]);
    edt_zusatz->setText(QString::number(zusatz_value));
    UpDown_Zusatz->setRange(NeutralMin, NeutralMax);
    UpDown_Zusatz->setPosition(zusatz_value);

    const int mode = HexByteValue(img.eeprom[ModeByte]);
    checkModeRadio(modeRadioIndex(mode));
    cbx_mode_bit6->setChecked(mode & 0x40);
    cbx_mode_bit7->setChecked(mode & 0x80);

    const Layout *layout = layoutFor(typeCode());
    if (layout)
        applyLayout(*layout, extraFields);

    extra_count = std::min(extraFields, ExtraFieldCount);
    for (int k = 0; k < extra_count; ++k)
        extra_edt[k]->setText(QString::number(HexByteValue(img.eeprom[extra_pos[k]])));
    for (int k = 0; k < ExtraFieldCount; ++k) {
        const bool shown = k < extra_count;
        extra_edt[k]->move(ExtraEditLeft, 120 + 25 * k);
        extra_lbl[k]->move(ControlLeft, extra_edt[k]->y() + 3);
        extra_edt[k]->setVisible(shown);
        extra_lbl[k]->setVisible(shown);
    }

    if (layout && !group_mode->isHidden())
        layOutModeGroup(layout->mode);

    UpDown_Zusatz->setRange(zusatz_min, zusatz_max);
    UpDown_Zusatz->move(UpDown_Zusatz->x(), edt_zusatz->y());
    loading = false;
}

void TFrameZusatz::applyLayout(const Layout &layout, int &extraFields)
{
    FirmwareImage &img = image();

    lbl_zusatz->setText(layout.valueCaption);
    if (layout.valueEdit) {
        edt_zusatz->show();
        edt_zusatz->setToolTip(layout.valueHint);
        zusatz_min = layout.valueMin;
        zusatz_max = layout.valueMax;
    }
    if (layout.valueUpDown) {
        UpDown_Zusatz->show();
        lbl_zusatz2->setText(secondsText(zusatz_value));
    }

    if (layout.switchOffOption) {
        cbx_weiche_ab->show();
        cbx_weiche_ab->setChecked(switchOffChecked(img.eeprom[ModeByte]));
    }

    if (layout.mode.visible) {
        group_mode->show();
        lbl_mode->setVisible(layout.mode.introVisible());
        for (int i = 0; i < ModeRadioCount; ++i) {
            const bool listed = i < layout.mode.radioCaptions.size();
            if (listed)
                rad_mode[i]->setText(layout.mode.radioCaptions[i]);
            rad_mode[i]->setVisible(listed);
        }
        cbx_mode_bit6->setVisible(layout.mode.bit6);
        cbx_mode_bit7->setVisible(layout.mode.bit7);
    }

    if (layout.slider == Slider::Fading) {
        lbl_trackbar_01->setText(text("Geschwindigkeit Überblendung (Fading)"));
        lbl_trackbar_01_l->setText(text("schnell"));
        lbl_trackbar_01_r->setText(text("langsam"));
        TrackBar_01->setRange(0, FadingPositions - 1);
        TrackBar_01->setTickInterval(1);
        const FadingReading reading = readFadingCode(img.eeprom[ValueByte]);
        TrackBar_01->setValue(reading.position);
        // A code the firmware does not know becomes the slowest fading, in the image too.
        if (reading.rewrite)
            img.eeprom[ValueByte] = fadingCodes()[reading.position];
        showSliderRow();
    } else if (layout.slider == Slider::Speed) {
        if (TrackBar_01->isHidden()) {
            TrackBar_01->setRange(1, 255);
            TrackBar_01->setTickInterval(5);
            TrackBar_01->setToolTip(QString());
            lbl_trackbar_01_l->setText(text("schnell"));
            lbl_trackbar_01_r->setText(text("langsam"));
            TrackBar_01->setValue(zusatz_value);
            showSliderRow();
        }
        lbl_trackbar_01->setText(speedTitle(zusatz_value));
    }

    if (layout.neonSliders && TrackBar_neon_1->isHidden())
        showNeonSliders();

    if (layout.neonBoxBits != 0) {
        // Every box follows its bit, also the hidden ones, so no box keeps the
        // state of an earlier file.
        for (int i = 0; i < NeonBoxCount; ++i) {
            const int bit = 1 << neonBoxes()[i].bit;
            neonBox[i]->setChecked(zusatz_value & bit);
            neonBox[i]->setVisible(layout.neonBoxBits & bit);
        }
    }
    lbl_led_neon_1->setVisible(layout.neonTip);

    if (layout.minimumCount) {
        lbl_MindestAnzahl->show();
        edt_mindestAnzahl->show();
        UpDown5->show();
        edt_mindestAnzahl->setText(QString::number(HexByteValue(img.eeprom[MinimumCountByte])));
    }

    for (const ExtraField &field : layout.extras) {
        if (extraFields >= ExtraFieldCount)
            break;
        extra_lbl[extraFields]->setText(field.caption);
        extra_pos[extraFields] = field.eepromIndex;
        ++extraFields;
    }
}

void TFrameZusatz::showSliderRow()
{
    lbl_trackbar_01_l->adjustSize();
    lbl_trackbar_01_r->adjustSize();
    const SliderRowGeometry row =
        sliderRowGeometry(pnl_Zusatz->width(), lbl_trackbar_01_l->width(), lbl_trackbar_01_r->width());
    lbl_trackbar_01->move(row.titleLeft, row.titleTop);
    lbl_trackbar_01_l->move(row.leftLabelLeft, row.labelsTop);
    lbl_trackbar_01_r->move(row.rightLabelLeft, row.labelsTop);
    TrackBar_01->setGeometry(row.sliderLeft, row.sliderTop, row.sliderWidth, TrackBar_01->height());
    TrackBar_01->show();
    lbl_trackbar_01->show();
    lbl_trackbar_01_l->show();
    lbl_trackbar_01_r->show();
}

void TFrameZusatz::showNeonSliders()
{
    const FirmwareImage &img = image();
    TrackBar_neon_1->setGeometry(NeonSliderLeft, 170, NeonSliderWidth, TrackBar_neon_1->height());
    TrackBar_neon_2->setGeometry(NeonSliderLeft, 210, NeonSliderWidth, TrackBar_neon_2->height());
    for (QSlider *neon : {TrackBar_neon_1, TrackBar_neon_2}) {
        neon->setRange(0, 15);
        neon->setTickInterval(1);
        neon->setToolTip(text(NeonSliderHint));
        neon->show();
    }
    lbl_fNeon_01->move(edt_zusatz->x(), TrackBar_neon_1->y() + 3);
    lbl_fNeon_02->move(edt_zusatz->x(), TrackBar_neon_2->y() + 3);
    lbl_fNeon_03->move(edt_zusatz->x(), 70);
    lbl_fNeon_01->show();
    lbl_fNeon_02->show();
    lbl_fNeon_03->show();
    TrackBar_neon_1->setValue(HexByteValue(img.eeprom[NeonDarkByte]));
    TrackBar_neon_2->setValue(HexByteValue(img.eeprom[NeonBrightByte]));
}

void TFrameZusatz::layOutModeGroup(const ModeGroup &group)
{
    ModeGroupHeights heights;
    heights.intro = lbl_mode->height();
    heights.bit7 = cbx_mode_bit7->height();
    heights.radio = rad_mode[0]->height();
    heights.bit6 = cbx_mode_bit6->height();
    const ModeGroupGeometry geometry = modeGroupGeometry(group, heights, pnl_Zusatz->height());
    lbl_mode->move(lbl_mode->x(), geometry.introTop);
    cbx_mode_bit7->move(cbx_mode_bit7->x(), geometry.bit7Top);
    for (int i = 0; i < ModeRadioCount; ++i)
        rad_mode[i]->move(rad_mode[i]->x(), geometry.radioTops[i]);
    cbx_mode_bit6->move(cbx_mode_bit6->x(), geometry.bit6Top);
    group_mode->setGeometry(group_mode->x(), geometry.top, group_mode->width(), geometry.height);
}

void TFrameZusatz::checkModeRadio(std::optional<int> index)
{
    if (index) {
        rad_mode[*index]->setChecked(true);
        return;
    }
    // No mode bit set: no radio button stays checked, not even one of an earlier file.
    for (QRadioButton *radio : rad_mode) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

void TFrameZusatz::writeByte(int index, int value)
{
    image().eeprom[index] = hexByte(value);
}

// ---------------------------------------------------------------- handlers

void TFrameZusatz::rad_modexClick(std::optional<int> radioIndex)
{
    if (loading)
        return;
    const int mode = HexByteValue(image().eeprom[ModeByte]);
    writeByte(ModeByte, modeByteAfterClick(mode, radioIndex, !cbx_mode_bit6->isHidden(), cbx_mode_bit6->isChecked(),
                                           !cbx_mode_bit7->isHidden(), cbx_mode_bit7->isChecked()));
}

void TFrameZusatz::cbx_weiche_abClick()
{
    if (loading)
        return;
    image().eeprom[ModeByte] = switchOffText(cbx_weiche_ab->isChecked());
}

void TFrameZusatz::edt_zusatzChange()
{
    if (loading)
        return;
    const InputCheck check = checkValueInput(edt_zusatz->text(), lbl_zusatz->text(), zusatz_min, zusatz_max);
    if (check.number)
        zusatz_value = *check.number;
    if (check.rejected()) {
        Dialogs::warningCancel(this, check.message);
        edt_zusatz->setFocus();
        return;
    }
    if (!check.accepted())
        return;
    writeByte(ValueByte, check.value);
    LoadFromImage();
}

void TFrameZusatz::edt_mindestAnzahlChange()
{
    if (loading)
        return;
    const InputCheck check = checkMinimumCountInput(edt_mindestAnzahl->text());
    if (check.rejected()) {
        Dialogs::warningCancel(this, check.message);
        edt_mindestAnzahl->setFocus();
        return;
    }
    if (check.accepted())
        writeByte(MinimumCountByte, check.value);
}

void TFrameZusatz::TrackBar_01Change()
{
    if (loading)
        return;
    const Layout *layout = layoutFor(typeCode());
    const Slider kind = layout ? layout->slider : Slider::None;
    const int position = TrackBar_01->value();
    if (kind == Slider::Fading && position >= 0 && position < FadingPositions) {
        image().eeprom[ValueByte] = fadingCodes()[position];
    } else if (kind == Slider::Speed) {
        writeByte(ValueByte, position);
        TrackBar_01->setFocus();
    }
    LoadFromImage();
}

void TFrameZusatz::neonSliderChange(QSlider *slider, int eepromIndex)
{
    if (loading)
        return;
    writeByte(eepromIndex, slider->value());
    slider->setFocus();
    LoadFromImage();
}

void TFrameZusatz::TrackBar_neon_1Change()
{
    neonSliderChange(TrackBar_neon_1, NeonDarkByte);
}

void TFrameZusatz::TrackBar_neon_2Change()
{
    neonSliderChange(TrackBar_neon_2, NeonBrightByte);
}

void TFrameZusatz::cbx_led_neon_x_Click()
{
    if (loading)
        return;
    const Layout *layout = layoutFor(typeCode());
    if (!layout || layout->neonBoxBits == 0)
        return;
    int checkedBits = 0;
    for (int i = 0; i < NeonBoxCount; ++i) {
        if (neonBox[i]->isChecked())
            checkedBits |= 1 << neonBoxes()[i].bit;
    }
    // Bits without a visible box keep their value from the image.
    const int value = neonValue(zusatz_value, layout->neonBoxBits, checkedBits);
    edt_zusatz->setText(QString::number(value));
    writeByte(ValueByte, value);
}

void TFrameZusatz::ExtraValueChange(int k)
{
    if (loading || k < 0 || k >= extra_count)
        return;
    const InputCheck check = checkByteInput(extra_edt[k]->text());
    if (check.rejected()) {
        Dialogs::warningCancel(this, check.message);
        extra_edt[k]->setFocus();
        return;
    }
    if (check.accepted())
        writeByte(extra_pos[k], check.value);
}

void TFrameZusatz::loadFromSession()
{
    loading = true;
    PrepareFrame();
    LoadFromImage();
}
