#include "frames/Frame_zusatz/TFrameZusatz.h"

#include <QCoreApplication>

#include "ui/Dialogs.h"
#include "ui/UpDown.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <vector>

using namespace Zusatz;
using namespace ZusatzView;

using Widgets::named;

namespace {

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
// their lines inside the panel. Their height follows when they are shown.
void fitExplanation(QLabel *explanation, int width)
{
    QFont smaller = explanation->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1.0);
    explanation->setFont(smaller);
    explanation->resize(width, explanation->height());
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

const char *const NeonSliderHint = QT_TRANSLATE_NOOP("TFrameZusatz", "rechts = HELL, Links = dunkel");

} // namespace

namespace ZusatzView {

const std::array<NeonBoxPlace, NeonBoxCount> &neonBoxPlaces()
{
    static const std::array<NeonBoxPlace, NeonBoxCount> places{{
        {"cbx_led_neon_1", 180},
        {"cbx_led_neon_2", 120},
        {"cbx_led_neon_3", 40},
        {"cbx_led_neon_4", 60},
        {"cbx_led_neon_5", 80},
        {"cbx_led_neon_7", 100},
        {"cbx_led_neon_8", 160},
    }};
    return places;
}

ModeGroupGeometry modeGroupGeometry(const ModeGroup &group, const ModeGroupHeights &heights, int panelHeight)
{
    ModeGroupGeometry geometry;
    int y = 20;
    if (group.introVisible()) {
        geometry.introTop = 20;
        y = geometry.introTop + heights.intro + 10;
    }
    if (group.bit7) {
        geometry.bit7Top = y;
        y += heights.bit7 + 10;
    }
    const int radios = std::min<int>(static_cast<int>(group.radioCaptions.size()), ModeRadioCount);
    for (int i = 0; i < radios; ++i) {
        geometry.radioTops[static_cast<std::size_t>(i)] = y;
        y += heights.radio;
    }
    if (group.bit6) {
        y += 10;
        geometry.bit6Top = y;
        y += heights.bit6;
    }
    y += 10;
    geometry.height = y;
    geometry.top = panelHeight - geometry.height - 10;
    return geometry;
}

SliderRowGeometry sliderRowGeometry(int panelWidth, int leftLabelWidth, int rightLabelWidth)
{
    SliderRowGeometry row;
    row.sliderTop = row.titleTop + 20;
    row.labelsTop = row.sliderTop + 3;
    row.rightLabelLeft = panelWidth - 16 - rightLabelWidth;
    row.sliderLeft = row.leftLabelLeft + leftLabelWidth + 10;
    row.sliderWidth = row.rightLabelLeft - 10 - row.sliderLeft;
    return row;
}

} // namespace ZusatzView

TFrameZusatz::TFrameZusatz(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameZusatz1"), DesignWidth, DesignHeight, parent), model_(session.image)
{
    makeValueControls();
    showModel();
}

// The value field with its caption, up-down, seconds text and switch-off box:
// every type shows some of them. The other groups of controls are made the
// first time a type shows them (see makeGroups).
void TFrameZusatz::makeValueControls()
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

    lbl_zusatz = Widgets::label(panel, QStringLiteral("lbl_zusatz"), {}, QRect(ControlLeft, 16, BoxWidth, 17));
    QFont bold = lbl_zusatz->font();
    bold.setBold(true);
    lbl_zusatz->setFont(bold);
    edt_zusatz = named(new QLineEdit(panel), QStringLiteral("edt_zusatz"));
    edt_zusatz->setGeometry(ControlLeft, 36, 60, EditHeight);
    UpDown_Zusatz = named(new UpDown(edt_zusatz, panel), QStringLiteral("UpDown_Zusatz"));
    UpDown_Zusatz->setGeometry(edt_zusatz->geometry().right() + 1, 36, 17, EditHeight);
    lbl_zusatz2 = Widgets::label(panel, QStringLiteral("lbl_zusatz2"), {}, QRect(101, 39, 120, 17));
    cbx_weiche_ab = checkBox(panel, "cbx_weiche_ab", QRect(ControlLeft, 66, BoxWidth, RowHeight),
                             tr("Abschalten des Antriebes NUR nach TimeOut"),
                             tr("Der Abschaltebefehl der Zentrale wird ignoriert, sodass der Antrieb immer genau "
                                  "nach der TimeOut Zeit abschaltet"));

    connect(cbx_weiche_ab, &QCheckBox::toggled, this, [this](bool on) { model_.setSwitchOff(on); });
    // The value field follows each keystroke; an accepted value refreshes the
    // frame, so the seconds text follows it.
    connect(edt_zusatz, &QLineEdit::textChanged, this, [this](const QString &text) {
        const TypedEntry<int> entry = model_.typeValue(text);
        takeEntry(edt_zusatz, entry, model_.value());
        if (entry.isAccepted())
            showModel();
    });
    connect(edt_zusatz, &QLineEdit::editingFinished, this, [this] { showStored(edt_zusatz, model_.value()); });
}

void TFrameZusatz::makeMinimumCount()
{
    lbl_MindestAnzahl = Widgets::label(pnl_Zusatz, QStringLiteral("lbl_MindestAnzahl"), tr("Mindestanzahl (1..9)"),
                                       QRect(ControlLeft, 74, 140, 17));
    edt_mindestAnzahl = named(new QLineEdit(pnl_Zusatz), QStringLiteral("edt_mindestAnzahl"));
    edt_mindestAnzahl->setGeometry(ExtraEditLeft, 70, ExtraEditWidth, EditHeight);
    edt_mindestAnzahl->setToolTip(tr("Anzahl der mindest aktiven Ausgänge beim Ablauf"));
    UpDown5 = named(new UpDown(edt_mindestAnzahl, pnl_Zusatz), QStringLiteral("UpDown5"));
    UpDown5->setGeometry(ExtraEditLeft + ExtraEditWidth, 70, 17, EditHeight);
    UpDown5->setRange(MinimumCountMin, MinimumCountMax);

    connect(edt_mindestAnzahl, &QLineEdit::textChanged, this, [this](const QString &text) {
        takeEntry(edt_mindestAnzahl, model_.typeMinimumCount(text), model_.minimumCount());
    });
    connect(edt_mindestAnzahl, &QLineEdit::editingFinished, this,
            [this] { showStored(edt_mindestAnzahl, model_.minimumCount()); });
}

void TFrameZusatz::makeSpeedSlider()
{
    TrackBar_01 = slider(pnl_Zusatz, "TrackBar_01");
    lbl_trackbar_01 =
        Widgets::label(pnl_Zusatz, QStringLiteral("lbl_trackbar_01"), {}, QRect(ControlLeft, 50, BoxWidth, 17));
    lbl_trackbar_01_l =
        Widgets::label(pnl_Zusatz, QStringLiteral("lbl_trackbar_01_l"), {}, QRect(ControlLeft, 73, 50, 17));
    lbl_trackbar_01_r = Widgets::label(pnl_Zusatz, QStringLiteral("lbl_trackbar_01_r"), {}, QRect(250, 73, 50, 17));

    connect(TrackBar_01, &QSlider::valueChanged, this, [this](int position) {
        model_.slideTo(position);
        if (model_.layout() && model_.layout()->slider == Slider::Speed)
            TrackBar_01->setFocus();
        showModel();
    });
}

void TFrameZusatz::makeNeonSliders()
{
    TrackBar_neon_1 = slider(pnl_Zusatz, "TrackBar_neon_1");
    TrackBar_neon_2 = slider(pnl_Zusatz, "TrackBar_neon_2");
    lbl_fNeon_01 = Widgets::label(pnl_Zusatz, QStringLiteral("lbl_fNeon_01"), tr("Leuchtstufe DUNKEL"),
                                  QRect(ControlLeft, 44, 114, 17));
    lbl_fNeon_02 = Widgets::label(pnl_Zusatz, QStringLiteral("lbl_fNeon_02"), tr("Leuchtstufe HELL"),
                                  QRect(ControlLeft, 64, 114, 17));
    lbl_fNeon_03 =
        Widgets::label(pnl_Zusatz, QStringLiteral("lbl_fNeon_03"),
                       tr("Die Verzögerungszeit definiert eine Einschalt-Verzögerung. \r\nDiese ist dann aktiv, "
                            "wenn noch kein Ausgang eingeschaltet \r\nist, also wenn alle Ausgäne dunkel sind. Alle "
                            "weiteren \r\nAusgänge werden dann ohne Verzögerungszeit dazu \r\ngeschaltet"),
                       QRect(ControlLeft, 104, BoxWidth, 80));
    fitExplanation(lbl_fNeon_03, BoxWidth);

    connect(TrackBar_neon_1, &QSlider::valueChanged, this, [this](int level) {
        model_.setNeonDark(level);
        TrackBar_neon_1->setFocus();
        showModel();
    });
    connect(TrackBar_neon_2, &QSlider::valueChanged, this, [this](int level) {
        model_.setNeonBright(level);
        TrackBar_neon_2->setFocus();
        showModel();
    });
}

void TFrameZusatz::makeNeonBoxes()
{
    for (int i = 0; i < NeonBoxCount; ++i) {
        const NeonBox &box = neonBoxes()[i];
        const NeonBoxPlace &place = neonBoxPlaces()[i];
        neonBox[i] =
            checkBox(pnl_Zusatz, place.name, QRect(ControlLeft, place.top, BoxWidth, RowHeight), box.caption, box.hint);
        connect(neonBox[i], &QCheckBox::toggled, this, [this, i](bool on) {
            model_.setValueBit(neonBoxes()[i].bit, on);
            showModel();
        });
    }
    cbx_led_neon_1 = neonBox[0];
    cbx_led_neon_2 = neonBox[1];
    cbx_led_neon_3 = neonBox[2];
    cbx_led_neon_4 = neonBox[3];
    cbx_led_neon_5 = neonBox[4];
    cbx_led_neon_7 = neonBox[5];
    cbx_led_neon_8 = neonBox[6];
    lbl_led_neon_1 = Widgets::label(pnl_Zusatz, QStringLiteral("lbl_led_neon_1"),
                                    tr("Tipp: Im Kandor Dekoder sind Ausgang 1-4 nutzbar"),
                                    QRect(ControlLeft, NeonTipTop, BoxWidth, 17));
}

void TFrameZusatz::makeModeGroup()
{
    group_mode = named(new QGroupBox(tr("Mode Auswahl"), pnl_Zusatz), QStringLiteral("group_mode"));
    group_mode->setGeometry(ModeGroupLeft, 100, ModeGroupWidth, 200);
    lbl_mode = Widgets::label(
        group_mode, QStringLiteral("lbl_mode"),
        tr("Wird hier ein Mode ausgewählt, so sollte die Mode-\r\nUmschaltung gesperrt werden, da  sich "
             "sonst der gewählte\r\nMode während des \"Brennen\" wieder verstellen kann."),
        QRect(10, 20, 280, 45));
    fitExplanation(lbl_mode, GroupInnerWidth);
    for (int i = 0; i < ModeRadioCount; ++i) {
        rad_mode[i] = named(new QRadioButton(group_mode), QStringLiteral("rad_mode%1").arg(i + 1));
        rad_mode[i]->setGeometry(GroupInnerLeft, 20 + RowHeight * i, GroupInnerWidth, RowHeight);
    }
    cbx_mode_bit6 = checkBox(group_mode, "cbx_mode_bit6", QRect(GroupInnerLeft, 140, GroupInnerWidth, RowHeight),
                             tr("Dumm Mode: startet immer mit Ausgängen AUS"),
                             tr("Dekoder startet mit abgeschalteten Ausgängen. der Zustand beim Abschalten wird "
                                  "also NICHT wieder hergestellt."));
    cbx_mode_bit7 = checkBox(group_mode, "cbx_mode_bit7", QRect(GroupInnerLeft, 160, GroupInnerWidth, RowHeight),
                             tr("Mode-Umschaltung SPERREN"),
                             tr("Aktiviert: eine Mode-Umschaltung (Taste beim Starten) ist dann nicht mehr möglich. "
                                  "Voreingestellte Modus ist damit garantiert. "));

    for (int i = 0; i < ModeRadioCount; ++i) {
        connect(rad_mode[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            // The group unchecks the old button too: only the newly checked one counts.
            if (checked)
                model_.chooseMode(i);
        });
    }
    connect(cbx_mode_bit6, &QCheckBox::toggled, this, [this](bool on) { model_.setModeBit6(on); });
    connect(cbx_mode_bit7, &QCheckBox::toggled, this, [this](bool on) { model_.setModeBit7(on); });
}

// The four extra value fields.
void TFrameZusatz::makeExtras()
{
    for (int k = 0; k < ExtraFieldCount; ++k) {
        const QString index = QStringLiteral("[%1]").arg(k);
        const int top = 15 + 25 * k;
        extra_lbl[k] =
            Widgets::label(pnl_Zusatz, QString(), {}, QRect(ControlLeft, top + 4, ExtraLabelWidth, RowHeight));
        extra_lbl[k]->setObjectName(QStringLiteral("extra_lbl") + index);
        extra_edt[k] = named(new QLineEdit(pnl_Zusatz), QStringLiteral("extra_edt") + index);
        extra_edt[k]->setGeometry(ExtraEditLeft, top, ExtraEditWidth, RowHeight);

        connect(extra_edt[k], &QLineEdit::textChanged, this, [this, k](const QString &text) {
            takeEntry(extra_edt[k], model_.typeExtra(k, text), model_.extraValue(k));
        });
        connect(extra_edt[k], &QLineEdit::editingFinished, this,
                [this, k] { showStored(extra_edt[k], model_.extraValue(k)); });
    }
}

// Makes the groups not made yet that the layout shows. The new controls take
// the design's places for Tab and stacking and are told to the window;
// showModel shows them. True when any was made.
bool TFrameZusatz::makeGroups(const Layout *layout)
{
    struct Group {
        bool shown;
        bool made;
        void (TFrameZusatz::*make)();
    };
    const bool typed = layout != nullptr;
    const Group groups[] = {
        {typed && layout->minimumCount, edt_mindestAnzahl != nullptr, &TFrameZusatz::makeMinimumCount},
        {typed && layout->slider != Slider::None, TrackBar_01 != nullptr, &TFrameZusatz::makeSpeedSlider},
        {typed && layout->neonSliders, TrackBar_neon_1 != nullptr, &TFrameZusatz::makeNeonSliders},
        {typed && (layout->neonBoxBits != 0 || layout->neonTip), neonBox[0] != nullptr, &TFrameZusatz::makeNeonBoxes},
        {typed && layout->mode.visible, group_mode != nullptr, &TFrameZusatz::makeModeGroup},
        {model_.extraCount() > 0, extra_edt[0] != nullptr, &TFrameZusatz::makeExtras},
    };
    QList<QWidget *> before;
    bool any = false;
    for (const Group &group : groups) {
        if (group.made || !group.shown)
            continue;
        if (!any)
            before = pnl_Zusatz->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        any = true;
        (this->*group.make)();
    }
    if (!any)
        return false;
    QList<QWidget *> made;
    for (QWidget *control : pnl_Zusatz->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!before.contains(control))
            made.append(control);
    }
    keepDesignOrder();
    emit controlsMade(made);
    return true;
}

// The panel's controls in the order the frame's design makes them.
QList<QWidget *> TFrameZusatz::designOrder() const
{
    QList<QWidget *> order{lbl_zusatz, edt_zusatz, UpDown_Zusatz, lbl_zusatz2, cbx_weiche_ab, lbl_MindestAnzahl,
                           edt_mindestAnzahl, UpDown5, TrackBar_01, lbl_trackbar_01, lbl_trackbar_01_l,
                           lbl_trackbar_01_r, TrackBar_neon_1, TrackBar_neon_2, lbl_fNeon_01, lbl_fNeon_02,
                           lbl_fNeon_03};
    for (QCheckBox *box : neonBox)
        order.append(box);
    order.append(lbl_led_neon_1);
    order.append(group_mode);
    for (int k = 0; k < ExtraFieldCount; ++k) {
        order.append(extra_lbl[k]);
        order.append(extra_edt[k]);
    }
    order.removeAll(nullptr);
    return order;
}

// Stacking and Tab follow the design's order, whatever order the groups
// were made in: each control is raised over those before it, and Tab goes
// from each control that takes focus by Tab to the next.
void TFrameZusatz::keepDesignOrder()
{
    QWidget *previous = nullptr;
    for (QWidget *control : designOrder()) {
        control->raise();
        QList<QWidget *> chain{control};
        chain.append(control->findChildren<QWidget *>());
        for (QWidget *w : chain) {
            if (!(w->focusPolicy() & Qt::TabFocus))
                continue;
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
}

void TFrameZusatz::resizeEvent(QResizeEvent *)
{
    pnl_Zusatz->setGeometry(rect());
}

void TFrameZusatz::loadFromSession()
{
    pnl_Zusatz->setGeometry(rect());
    model_.load(typeCode());
    showModel();
}

void TFrameZusatz::showModel()
{
    const Layout *layout = model_.layout();
    makeGroups(layout);

    const QList<QWidget *> controls = pnl_Zusatz->findChildren<QWidget *>();
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(static_cast<std::size_t>(controls.size()));
    for (QWidget *control : controls)
        blockers.emplace_back(control);

    // A group not made yet has never been shown: there is nothing to hide.
    showValueField(layout);
    if (group_mode)
        showModeGroup(layout);
    if (TrackBar_01)
        showSpeedSlider(layout);
    if (TrackBar_neon_1)
        showNeonSliders(layout);
    if (neonBox[0])
        showNeonBoxes(layout);
    // The value field shows the byte the boxes build, also where it stays hidden.
    const QString value = QString::number(model_.value());
    if (edt_zusatz->text() != value)
        edt_zusatz->setText(value);

    if (edt_mindestAnzahl) {
        const bool minimumCount = layout && layout->minimumCount;
        lbl_MindestAnzahl->setVisible(minimumCount);
        edt_mindestAnzahl->setVisible(minimumCount);
        UpDown5->setVisible(minimumCount);
        if (minimumCount)
            edt_mindestAnzahl->setText(QString::number(model_.minimumCount()));
    }

    if (extra_edt[0])
        showExtras();
    if (layout && layout->mode.visible)
        layOutModeGroup(layout->mode);
}

void TFrameZusatz::showValueField(const Layout *layout)
{
    lbl_zusatz->setText(model_.valueCaption());
    const bool edit = layout && layout->valueEdit;
    const bool upDown = layout && layout->valueUpDown;
    edt_zusatz->setVisible(edit);
    if (edit)
        edt_zusatz->setToolTip(layout->valueHint);
    // The up-down shows the value within the neutral range, then takes the type's range.
    UpDown_Zusatz->setRange(NeutralMin, NeutralMax);
    UpDown_Zusatz->setPosition(model_.value());
    UpDown_Zusatz->setRange(model_.valueMin(), model_.valueMax());
    UpDown_Zusatz->setVisible(upDown);
    UpDown_Zusatz->move(UpDown_Zusatz->x(), edt_zusatz->y());
    lbl_zusatz2->setText(upDown ? model_.secondsText() : QString());
    cbx_weiche_ab->setVisible(layout && layout->switchOffOption);
    cbx_weiche_ab->setChecked(model_.switchOff());
}

void TFrameZusatz::fitExplanationHeight(QLabel *explanation, bool &fitted)
{
    if (fitted)
        return;
    explanation->resize(explanation->width(), explanation->sizeHint().height());
    fitted = true;
}

void TFrameZusatz::showModeGroup(const Layout *layout)
{
    const ModeGroup neutral;
    const ModeGroup &group = layout ? layout->mode : neutral;
    if (group.visible)
        fitExplanationHeight(lbl_mode, modeExplanationFitted_);
    group_mode->setVisible(group.visible);
    if (!group.visible)
        group_mode->move(ModeGroupLeft, 100);
    lbl_mode->setVisible(!group.visible || group.introVisible());
    for (int i = 0; i < ModeRadioCount; ++i) {
        const bool listed = i < group.radioCaptions.size();
        rad_mode[i]->setText(listed ? group.radioCaptions[i] : tr("Mode %1").arg(i + 1));
        rad_mode[i]->setVisible(group.visible ? listed : i < 2);
    }
    cbx_mode_bit6->setVisible(group.bit6);
    cbx_mode_bit7->setVisible(group.bit7);
    checkModeRadio(model_.modeRadio());
    cbx_mode_bit6->setChecked(model_.modeBit6());
    cbx_mode_bit7->setChecked(model_.modeBit7());
}

void TFrameZusatz::showSpeedSlider(const Layout *layout)
{
    const Slider kind = layout ? layout->slider : Slider::None;
    if (kind == Slider::Fading) {
        lbl_trackbar_01->setText(tr("Geschwindigkeit Überblendung (Fading)"));
        TrackBar_01->setRange(0, FadingPositions - 1);
        TrackBar_01->setTickInterval(1);
        TrackBar_01->setValue(model_.fadingPosition());
    } else if (kind == Slider::Speed) {
        lbl_trackbar_01->setText(model_.speedTitle());
        TrackBar_01->setRange(SpeedMin, SpeedMax);
        TrackBar_01->setTickInterval(5);
        TrackBar_01->setToolTip(QString());
        TrackBar_01->setValue(model_.value());
    }
    const bool slider = kind != Slider::None;
    if (slider) {
        lbl_trackbar_01_l->setText(tr("schnell"));
        lbl_trackbar_01_r->setText(tr("langsam"));
        lbl_trackbar_01_l->adjustSize();
        lbl_trackbar_01_r->adjustSize();
        const SliderRowGeometry row =
            sliderRowGeometry(pnl_Zusatz->width(), lbl_trackbar_01_l->width(), lbl_trackbar_01_r->width());
        lbl_trackbar_01->move(row.titleLeft, row.titleTop);
        lbl_trackbar_01_l->move(row.leftLabelLeft, row.labelsTop);
        lbl_trackbar_01_r->move(row.rightLabelLeft, row.labelsTop);
        TrackBar_01->setGeometry(row.sliderLeft, row.sliderTop, row.sliderWidth, TrackBar_01->height());
    }
    for (QWidget *w : {static_cast<QWidget *>(TrackBar_01), static_cast<QWidget *>(lbl_trackbar_01),
                       static_cast<QWidget *>(lbl_trackbar_01_l), static_cast<QWidget *>(lbl_trackbar_01_r)})
        w->setVisible(slider);
}

void TFrameZusatz::showNeonSliders(const Layout *layout)
{
    const bool neon = layout && layout->neonSliders;
    if (neon) {
        fitExplanationHeight(lbl_fNeon_03, neonExplanationFitted_);
        TrackBar_neon_1->setGeometry(NeonSliderLeft, 170, NeonSliderWidth, TrackBar_neon_1->height());
        TrackBar_neon_2->setGeometry(NeonSliderLeft, 210, NeonSliderWidth, TrackBar_neon_2->height());
        for (QSlider *level : {TrackBar_neon_1, TrackBar_neon_2}) {
            level->setRange(0, NeonLevelMax);
            level->setTickInterval(1);
            level->setToolTip(tr(NeonSliderHint));
        }
        TrackBar_neon_1->setValue(model_.neonDark());
        TrackBar_neon_2->setValue(model_.neonBright());
        lbl_fNeon_01->move(edt_zusatz->x(), TrackBar_neon_1->y() + 3);
        lbl_fNeon_02->move(edt_zusatz->x(), TrackBar_neon_2->y() + 3);
        lbl_fNeon_03->move(edt_zusatz->x(), 70);
    }
    for (QWidget *w : {static_cast<QWidget *>(TrackBar_neon_1), static_cast<QWidget *>(TrackBar_neon_2),
                       static_cast<QWidget *>(lbl_fNeon_01), static_cast<QWidget *>(lbl_fNeon_02),
                       static_cast<QWidget *>(lbl_fNeon_03)})
        w->setVisible(neon);
}

void TFrameZusatz::showNeonBoxes(const Layout *layout)
{
    for (int i = 0; i < NeonBoxCount; ++i) {
        const int bit = neonBoxes()[i].bit;
        neonBox[i]->setChecked(model_.valueBit(bit));
        neonBox[i]->setVisible(model_.valueBitOffered(bit));
    }
    lbl_led_neon_1->setVisible(layout && layout->neonTip);
}

void TFrameZusatz::showExtras()
{
    const int count = model_.extraCount();
    for (int k = 0; k < ExtraFieldCount; ++k) {
        const bool shown = k < count;
        extra_edt[k]->move(ExtraEditLeft, 120 + 25 * k);
        extra_lbl[k]->move(ControlLeft, extra_edt[k]->y() + 3);
        if (shown) {
            extra_lbl[k]->setText(model_.extraCaption(k));
            extra_edt[k]->setText(QString::number(model_.extraValue(k)));
        }
        extra_edt[k]->setVisible(shown);
        extra_lbl[k]->setVisible(shown);
    }
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

void TFrameZusatz::takeEntry(QLineEdit *edit, const TypedEntry<int> &entry, int stored)
{
    if (!entry.isRefused())
        return;
    Dialogs::warningCancel(this, entry.message);
    showStored(edit, stored);
    edit->setFocus();
    edit->selectAll();
}

void TFrameZusatz::showStored(QLineEdit *edit, int stored)
{
    const QSignalBlocker blocker(edit);
    edit->setText(QString::number(stored));
}
