#include "frames/Frame_tamb/TFrameTamb.h"

#include "image/SafeFile.h"
#include "image/SafeSave.h"
#include "ui/UpDown.h"
#include "ui/Widgets.h"

#include "frames/Frame_tamb/CurveDiagram.h"
#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/Frame_tamb/CurveFiles.h"
#include "frames/Frame_tamb/CurvePlayback.h"
#include "frames/Playback.h"
#include "frames/Frame_tamb/CurveView.h"
#include "frames/Frame_tamb/CurveWidgets.h"
#include "frames/Frame_tamb_adr/TFrameTambAdr.h"
#include "image/HexRecord.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

using namespace CurveEditorRules;

namespace {

// Up-down arrows 1..max (position 10) right beside the edit.
UpDown *upDownBeside(const QString &name, QLineEdit *edit, int max, QWidget *parent)
{
    auto *upDown = new UpDown(edit, 1, max, 10, parent);
    upDown->setObjectName(name);
    const QRect r = edit->geometry();
    upDown->setGeometry(r.right() + 1, r.top(), 16, r.height());
    return upDown;
}

QLineEdit *makeEdit(const char *name, const QString &text, const QString &hint, QRect geometry, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    return edit;
}

QStringList numberItems(int last)
{
    QStringList items;
    for (int k = 0; k <= last; ++k)
        items << QString::number(k);
    return items;
}

// The item index of a list without a selection counts as 0.
int chosen(const QComboBox *list)
{
    return std::max(0, list->currentIndex());
}

} // namespace

TFrameTamb::TFrameTamb(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameTamb1"), DesignWidth, DesignHeight, parent), model_(session)
{
    pnl_servo = new QWidget(this);
    pnl_servo->setObjectName(QStringLiteral("pnl_servo"));
    pnl_servo->setGeometry(0, 0, DesignWidth, DesignHeight);
    QWidget *p = pnl_servo;

    // Curve choice, count, stretch, times and grid.
    RadioGroup1 = new QGroupBox(tr("Parameter für ..."), p);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(5, 2, 105, 100);
    for (int k = 0; k < 4; ++k) {
        auto *radio = new QRadioButton(tr("Kurve %1").arg(k + 1), RadioGroup1);
        radio->setObjectName(QStringLiteral("servo_rad_a%1").arg(k + 1));
        radio->setToolTip(tr("Auswahl, für welche Adresse die Angezeigten Parameter gültig sind"));
        radio->setGeometry(10, 17 + 20 * k, 85, 18);
        radio->setChecked(k == 0);
        servo_rad_a[static_cast<std::size_t>(k)] = radio;
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                servo_rad_axClick();
        });
    }

    Label1 = Widgets::label(p, QStringLiteral("Label1"), tr("Anzahl Punkte"), QPoint(120, 8));
    edt_Anzahl = makeEdit("edt_Anzahl", QStringLiteral("10"), tr("Anzahl der Kurven-Punkte"),
                          QRect(120, 24, 45, 21), p);
    UpDown1 = upDownBeside(QStringLiteral("UpDown1"), edt_Anzahl, CurveRecords::MaxPoints, p);
    Label2 = Widgets::label(p, QStringLiteral("Label2"), tr("Stretch-Faktor"), QPoint(120, 52));
    edt_stretch = makeEdit("edt_stretch", QStringLiteral("10"), tr("ermöglicht es, den Ablauf zu Verlangsamen"),
                           QRect(120, 68, 45, 21), p);
    UpDown2 = upDownBeside(QStringLiteral("UpDown2"), edt_stretch, CurveRecords::MaxStretch, p);
    lbl_KurveInfo1 = Widgets::label(p, QStringLiteral("lbl_KurveInfo1"), QString(), QPoint(195, 27));
    lbl_KurveInfo1->resize(285, 16);
    lbl_KurveInfo2 = Widgets::label(p, QStringLiteral("lbl_KurveInfo2"), QString(), QPoint(195, 71));
    lbl_KurveInfo2->resize(285, 16);
    Label6 = Widgets::label(p, QStringLiteral("Label6"), tr("Raster X"), QPoint(485, 8));
    cbx_raster_x = Widgets::list(p, QStringLiteral("cbx_raster_x"), QString(), QRect(485, 24, 55, 21));
    cbx_raster_x->addItems(numberItems(70));
    Label7 = Widgets::label(p, QStringLiteral("Label7"), tr("Raster Y"), QPoint(485, 52));
    cbx_raster_y = Widgets::list(p, QStringLiteral("cbx_raster_y"), QString(), QRect(485, 68, 55, 21));
    cbx_raster_y->addItems(numberItems(10));

    // The diagram and the relay strip.
    Label27 = Widgets::label(p, QStringLiteral("Label27"), tr("Servo"), QPoint(10, 96));
    servo_Image1 = new ImageSurface(QStringLiteral("servo_Image1"), 10, 112, 530, 201, p);
    servo_Image1->setToolTip(tr("Definieren der Kurvenform (Maus: Klick & Move)"));
    Label_Servo_Relais =
        Widgets::label(p, QStringLiteral("Label_Servo_Relais"), tr("Relais"), QPoint(10, 315));
    servo_Image2 = new ImageSurface(QStringLiteral("servo_Image2"), 10, 330, 530, 57, p);
    servo_Image2->setToolTip(
        tr("Definieren, ob Relais zu einem bestimmten Kurven-Zeitpunkt AUS oder EIN (rotes Feld) ist"));

    // Generators, mirrors, copies, files, scaling and shifting.
    const int top = 392;
    const int row1 = top + 16;
    const int row2 = top + 41;
    Label4 = Widgets::label(p, QStringLiteral("Label4"), tr("Funktionen"), QPoint(10, top));
    btn_Lin = Widgets::button(p, QStringLiteral("btn_Lin"), tr("Lin"),
                              tr("lineare Kurvenform erstellen"), QRect(10, row1, 50, 23));
    btn_Sin = Widgets::button(p, QStringLiteral("btn_Sin"), tr("1/4 Sin"),
                              tr("Sinus-Kurvenform erstellen (halbe Welle)"), QRect(62, row1, 50, 23));
    btn_Log = Widgets::button(p, QStringLiteral("btn_Log"), tr("Log"),
                              tr("log, Kurvenform erstellen"), QRect(10, row2, 50, 23));
    btn_sin2 = Widgets::button(p, QStringLiteral("btn_sin2"), tr("1/2 Sin"),
                               tr("Sinus-Kurvenform erstellen (Welle)"), QRect(62, row2, 50, 23));
    Label3 = Widgets::label(p, QStringLiteral("Label3"), tr("Spiegeln"), QPoint(118, top));
    btn_MirrorVertikal =
        Widgets::button(p, QStringLiteral("btn_MirrorVertikal"), tr("vertikal"),
                        tr("vertikales Spiegeln der Kurvenform"), QRect(118, row1, 66, 23));
    btn_MirrorHorizontal =
        Widgets::button(p, QStringLiteral("btn_MirrorHorizontal"), tr("horizontal"),
                        tr("horizonzales Spiegeln der Kurvenform"), QRect(118, row2, 66, 23));
    Label5 = Widgets::label(p, QStringLiteral("Label5"), tr("Kurve kopieren"), QPoint(190, top));
    for (int k = 0; k < 4; ++k) {
        btn_copy[static_cast<std::size_t>(k)] =
            Widgets::button(p, QStringLiteral("btn_copy%1").arg(k + 1), tr("von #%1").arg(k + 1),
                            tr("Kopieren der Kurvenformen von Kurve %1").arg(k + 1),
                            QRect(190 + 52 * (k % 2), k < 2 ? row1 : row2, 50, 23));
        connect(btn_copy[static_cast<std::size_t>(k)], &QPushButton::clicked, this, [this, k] { btn_copyClick(k); });
    }
    Label29 = Widgets::label(p, QStringLiteral("Label29"), tr("Kurve"), QPoint(298, top));
    servo_load_1 = Widgets::button(p, QStringLiteral("servo_load_1"), tr("laden"),
                                   tr("laden von Kurven-Daten"), QRect(298, row1, 63, 23));
    servo_save_1 = Widgets::button(p, QStringLiteral("servo_save_1"), tr("speichern"),
                                   tr("speichern von Kurven-Daten"), QRect(298, row2, 63, 23));
    Label30 = Widgets::label(p, QStringLiteral("Label30"), tr("Setup"), QPoint(364, top));
    servo_load_all = Widgets::button(p, QStringLiteral("servo_load_all"), tr("laden"),
                                     tr("laden Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc."),
                                     QRect(364, row1, 63, 23));
    servo_save_all = Widgets::button(p, QStringLiteral("servo_save_all"), tr("speichern"),
                                     tr("speichern Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc."),
                                     QRect(364, row2, 63, 23));
    Label8 = Widgets::label(p, QStringLiteral("Label8"), tr("Skalierung"), QPoint(432, top));
    edt_scale = makeEdit("edt_scale", CurveShapes::scaleDesignText(), QString(), QRect(432, row1, 32, 21), p);
    btn_scale = Widgets::button(p, QStringLiteral("btn_scale"), tr("anwenden"), QString(),
                                QRect(466, row1, 74, 23));
    Label9 = Widgets::label(p, QStringLiteral("Label9"), tr("Hoch/Runter"), QPoint(432, row2 + 2));
    edt_shift = makeEdit("edt_shift", QStringLiteral("10"), QString(), QRect(432, row2 + 18, 32, 21), p);
    btn_shift = Widgets::button(p, QStringLiteral("btn_shift"), tr("anwenden"), QString(),
                                QRect(466, row2 + 18, 74, 23));

    // SW1 function and key actions.
    servo_GroupBox1 = new QGroupBox(tr("Funktion für Taster SW1"), p);
    servo_GroupBox1->setObjectName(QStringLiteral("servo_GroupBox1"));
    servo_GroupBox1->setGeometry(5, 476, 165, 55);
    servo_rad_servo = new QRadioButton(tr("Servo-Bedienung"), servo_GroupBox1);
    servo_rad_servo->setObjectName(QStringLiteral("servo_rad_servo"));
    servo_rad_servo->setGeometry(8, 16, 150, 17);
    servo_rad_lernen = new QRadioButton(tr("Lernen + Justage"), servo_GroupBox1);
    servo_rad_lernen->setObjectName(QStringLiteral("servo_rad_lernen"));
    servo_rad_lernen->setGeometry(8, 34, 150, 17);
    servo_rad_lernen->setChecked(true);
    // The lists of button 1 are shown for servo operation only; the choice
    // goes into the image when the user makes it.
    for (QRadioButton *radio : {servo_rad_servo, servo_rad_lernen}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                showSw1Choice();
        });
        connect(radio, &QRadioButton::clicked, this, &TFrameTamb::servo_rad_Click);
    }

    const QString keyHint = tr("ermöglicht das Auslösen von Aktionen \r\nvia (Justage-)Taster");
    const std::array<const char *, 4> titleNames{"Label_Servo_sw1a", "Label_Servo_sw1b", "Label_Servo_sw2a", "Label_Servo_sw2b"};
    const std::array<const char *, 4> listNames{"servo_cbx_s1c", "servo_cbx_s1o", "servo_cbx_s2c", "servo_cbx_s2o"};
    const std::array<QString, 4> titles = keyEventTitles(ServoVariant::FourServos);
    std::array<QLabel *, 4> titleLabels{};
    std::array<QComboBox *, 4> lists{};
    for (std::size_t k = 0; k < 4; ++k) {
        const int x = 176 + 92 * static_cast<int>(k);
        titleLabels[k] = Widgets::label(p, QString::fromLatin1(titleNames[k]), titles[k], QPoint(x, 482));
        lists[k] = Widgets::list(p, QString::fromLatin1(listNames[k]), keyHint, QRect(x, 498, 88, 21));
        // Only the user's choice runs the handler: selections set by code
        // (load, discard) must not rewrite the records.
        connect(lists[k], &QComboBox::activated, this, [this, k](int index) { servo_cbx_sxxChange(static_cast<int>(k), index); });
    }
    Label_Servo_sw1a = titleLabels[0];
    Label_Servo_sw1b = titleLabels[1];
    Label_Servo_sw2a = titleLabels[2];
    Label_Servo_sw2b = titleLabels[3];
    servo_cbx_s1c = lists[0];
    servo_cbx_s1o = lists[1];
    servo_cbx_s2c = lists[2];
    servo_cbx_s2o = lists[3];

    servo_btn_verwerfen = Widgets::button(p, QStringLiteral("servo_btn_verwerfen"), tr("verwerfen"),
                                          tr("Daten verwerfen"), QRect(455 - 90, 530, 80, 25));
    servo_btn_uebernehmen = Widgets::button(p, QStringLiteral("servo_btn_uebernehmen"), tr("übernehmen"),
                                            tr("Daten übernehmen"), QRect(455, 530, 80, 25));
    servo_btn_uebernehmen->setEnabled(false);

    // The edits are written with their signals blocked: only typing runs the
    // handlers. Leaving an edit shows what was stored of it.
    connect(edt_Anzahl, &QLineEdit::textChanged, this, &TFrameTamb::edt_AnzahlChange);
    connect(edt_stretch, &QLineEdit::textChanged, this, &TFrameTamb::edt_stretchChange);
    connect(edt_Anzahl, &QLineEdit::editingFinished, this, &TFrameTamb::ShowCurveInfo);
    connect(edt_stretch, &QLineEdit::editingFinished, this, &TFrameTamb::ShowCurveInfo);
    connect(cbx_raster_x, &QComboBox::activated, this, &TFrameTamb::cbx_raster_xChange);
    connect(cbx_raster_y, &QComboBox::activated, this, &TFrameTamb::cbx_raster_xChange);
    connect(servo_Image1, &ImageSurface::mouseDown, this, &TFrameTamb::servo_ImagexMouseDown);
    connect(servo_Image2, &ImageSurface::mouseDown, this, &TFrameTamb::servo_ImagexMouseDown);
    connect(servo_Image1, &ImageSurface::mouseUp, this, &TFrameTamb::servo_ImagexMouseUp);
    connect(servo_Image2, &ImageSurface::mouseUp, this, &TFrameTamb::servo_ImagexMouseUp);
    connect(servo_Image1, &ImageSurface::mouseMove, this, &TFrameTamb::servo_Image1MouseMove);
    connect(servo_Image2, &ImageSurface::mouseMove, this, &TFrameTamb::servo_Image2MouseMove);
    using CurveShapes::Generator;
    connect(btn_Lin, &QPushButton::clicked, this, [this] { btn_generatorClick(Generator::Lin); });
    connect(btn_Log, &QPushButton::clicked, this, [this] { btn_generatorClick(Generator::Log); });
    connect(btn_Sin, &QPushButton::clicked, this, [this] { btn_generatorClick(Generator::QuarterSine); });
    connect(btn_sin2, &QPushButton::clicked, this, [this] { btn_generatorClick(Generator::HalfSine); });
    connect(btn_MirrorVertikal, &QPushButton::clicked, this, &TFrameTamb::btn_MirrorVertikalClick);
    connect(btn_MirrorHorizontal, &QPushButton::clicked, this, &TFrameTamb::btn_MirrorHorizontalClick);
    connect(btn_scale, &QPushButton::clicked, this, &TFrameTamb::btn_scaleClick);
    connect(btn_shift, &QPushButton::clicked, this, &TFrameTamb::btn_shiftClick);
    connect(servo_save_1, &QPushButton::clicked, this, &TFrameTamb::servo_save_1Click);
    connect(servo_load_1, &QPushButton::clicked, this, &TFrameTamb::servo_load_1Click);
    connect(servo_save_all, &QPushButton::clicked, this, &TFrameTamb::servo_save_allClick);
    connect(servo_load_all, &QPushButton::clicked, this, &TFrameTamb::servo_load_allClick);
    connect(servo_btn_uebernehmen, &QPushButton::clicked, this, &TFrameTamb::applyChanges);
    connect(servo_btn_verwerfen, &QPushButton::clicked, this, &TFrameTamb::discardChanges);
    playback_ = new CurvePlayback(*this);
}

bool TFrameTamb::playAt(qint64 ms)
{
    playback_->playback().startStandingAt(ms);
    return true;
}

void TFrameTamb::setAddressFrame(TFrameTambAdr *frame)
{
    addressFrame_ = frame;
    connect(frame, &TFrameTambAdr::valuesChanged, this, &TFrameTamb::showApplyState);
}

std::array<QComboBox *, 4> TFrameTamb::keyActionLists() const
{
    return {servo_cbx_s1c, servo_cbx_s1o, servo_cbx_s2c, servo_cbx_s2o};
}

// ---------------------------------------------------------------- life cycle

void TFrameTamb::loadFromSession()
{
    playback_->end();
    prepareForType();
    model_.load();
    showModel();
}

bool TFrameTamb::hasUnappliedChanges() const
{
    return model_.hasChanges();
}

void TFrameTamb::applyChanges()
{
    model_.apply();
    showApplyState();
}

void TFrameTamb::discardChanges()
{
    model_.discard();
    showModel();
}

void TFrameTamb::prepareForType()
{
    servo_Image1->picture.fill(Qt::white);
    valueScale = CurveDiagram::valueScale(servo_Image1->height());
    relayScale = CurveDiagram::valueScale(servo_Image2->height());
    stripHeight = servo_Image1->height();
    relayHeight = servo_Image2->height();

    const ServoVariant variant = model_.variant();
    const bool oneServo = isOneServoType(variant);
    servo_Image2->setVisible(!oneServo);
    Label_Servo_Relais->setVisible(!oneServo);
    servo_GroupBox1->setVisible(!oneServo);
    const std::array<QString, 4> titles = keyEventTitles(variant);
    const std::array<QLabel *, 4> titleLabels{Label_Servo_sw1a, Label_Servo_sw1b, Label_Servo_sw2a, Label_Servo_sw2b};
    const std::array<QStringList, 4> items = keyActionItems(variant);
    const std::array<QComboBox *, 4> lists = keyActionLists();
    for (std::size_t k = 0; k < 4; ++k) {
        titleLabels[k]->setText(titles[k]);
        titleLabels[k]->adjustSize();
        const QSignalBlocker blocker(lists[k]);
        lists[k]->clear();
        lists[k]->addItems(items[k]);
    }

    edt_shift->setToolTip(tr("Wert, um den die Kurve nach oben (positive Werte) oder nach unten (negative "
                                         "Werte) verschoben wird\nEin Wert von 64 verschiebt die Kurve um die halbe "
                                         "Y-Achse nach oben"));
    edt_scale->setToolTip(tr("Wert, mit dem die Kurve multipliziert wird. \nD.h. Werte > 1 ziehen die Kurve in "
                                         "der Y-Achse auseinander, Werte < 1 stauchen die Kurve"));
}

// ---------------------------------------------------------------- showing the model

void TFrameTamb::showModel()
{
    showKeyActions();
    {
        const QSignalBlocker blockServo(servo_rad_servo);
        const QSignalBlocker blockLearn(servo_rad_lernen);
        (model_.sw1LearnsAndAdjusts() ? servo_rad_lernen : servo_rad_servo)->setChecked(true);
    }
    showSw1Choice();
    {
        QRadioButton *radio = servo_rad_a[static_cast<std::size_t>(model_.selectedCurve())];
        const QSignalBlocker blocker(radio);
        radio->setChecked(true);
    }
    showCurve();
    if (addressFrame_)
        addressFrame_->RefreshControls();
    showApplyState();
}

void TFrameTamb::showKeyActions()
{
    const std::array<QComboBox *, 4> lists = keyActionLists();
    for (int k = 0; k < 4; ++k) {
        QComboBox *list = lists[static_cast<std::size_t>(k)];
        const QSignalBlocker blocker(list);
        // An index beyond the list leaves it without a selection.
        const int index = model_.keyActionItem(k);
        list->setCurrentIndex(index < list->count() ? index : -1);
    }
}

void TFrameTamb::showSw1Choice()
{
    const bool learn = servo_rad_lernen->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{servo_cbx_s1c, servo_cbx_s1o, Label_Servo_sw1a, Label_Servo_sw1b})
        w->setVisible(!learn);
}

void TFrameTamb::showCurve()
{
    DrawCurve();
    DrawRelayStrip();
    ShowCurveInfo();
}

void TFrameTamb::showApplyState()
{
    servo_btn_uebernehmen->setEnabled(model_.hasChanges());
}

void TFrameTamb::DrawCurve()
{
    stepWidth = CurveView::drawCurve(servo_Image1->picture, model_.selectedRecord(), chosen(cbx_raster_x),
                                     chosen(cbx_raster_y));
    servo_Image1->update();
}

void TFrameTamb::DrawRelayStrip()
{
    CurveView::drawRelayStrip(servo_Image2->picture, model_.selectedRecord(), stepWidth, chosen(cbx_raster_x));
    servo_Image2->update();
}

void TFrameTamb::ShowCurveInfo()
{
    const int count = model_.count();
    const int stretch = model_.stretch();
    for (auto [edit, value] : {std::pair{edt_Anzahl, count}, std::pair{edt_stretch, stretch}}) {
        const QString text = QString::number(value);
        // Rewriting an unchanged text would move the cursor while the user types.
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    }
    const int selectedCurve = model_.selectedCurve();
    for (int k = 0; k < 4; ++k)
        btn_copy[static_cast<std::size_t>(k)]->setEnabled(k != selectedCurve);
    lbl_KurveInfo1->setText(stepTimeText(model_.stretchSteps()));
    lbl_KurveInfo2->setText(curveTimeText(model_.pointCount(), model_.stretchSteps()));
}

void TFrameTamb::redrawAndEnable()
{
    DrawCurve();
    DrawRelayStrip();
    showApplyState();
}

// ---------------------------------------------------------------- edits and choices

void TFrameTamb::typedNumber(const TypedEntry<int> &entry, QLineEdit *edit, int stored)
{
    if (entry.isRefused()) {
        Dialogs::warningCancel(this, entry.message);
        const QSignalBlocker blocker(edit);
        edit->setText(QString::number(stored));
        edit->selectAll();
        edit->setFocus();
        return;
    }
    if (entry.isAccepted()) {
        showCurve();
        showApplyState();
    }
}

void TFrameTamb::edt_AnzahlChange()
{
    const TypedEntry<int> entry = model_.typeCount(edt_Anzahl->text());
    typedNumber(entry, edt_Anzahl, model_.count());
}

void TFrameTamb::edt_stretchChange()
{
    const TypedEntry<int> entry = model_.typeStretch(edt_stretch->text());
    typedNumber(entry, edt_stretch, model_.stretch());
}

void TFrameTamb::servo_rad_axClick()
{
    playback_->end();
    for (int k = 0; k < 4; ++k)
        if (servo_rad_a[static_cast<std::size_t>(k)]->isChecked())
            model_.selectCurve(k);
    showCurve();
}

void TFrameTamb::setGridChoice(int rasterX, int rasterY)
{
    const QSignalBlocker blockX(cbx_raster_x);
    const QSignalBlocker blockY(cbx_raster_y);
    cbx_raster_x->setCurrentIndex(rasterX);
    cbx_raster_y->setCurrentIndex(rasterY);
}

void TFrameTamb::cbx_raster_xChange()
{
    emit rasterChanged(chosen(cbx_raster_x), chosen(cbx_raster_y));
    DrawCurve();
    DrawRelayStrip();
}

void TFrameTamb::servo_cbx_sxxChange(int list, int index)
{
    model_.chooseKeyAction(list, index);
    showApplyState();
}

void TFrameTamb::servo_rad_Click()
{
    model_.chooseSw1(servo_rad_lernen->isChecked());
    showApplyState();
}

// ---------------------------------------------------------------- mouse

void TFrameTamb::servo_ImagexMouseDown(int x, int y)
{
    painting = true;
    strokeAt = QPoint(x, y);
}

void TFrameTamb::servo_ImagexMouseUp()
{
    painting = false;
}

// A move with the button held draws every point between the stroke's last
// position and this one.
void TFrameTamb::servo_Image1MouseMove(int x, int y)
{
    if (!painting || !(stepWidth > 0.0F))
        return;
    const QPoint to(x, y);
    for (const QPoint &point : CurveDiagram::strokePoints(strokeAt, to, stepWidth, model_.pointCount(), stripHeight,
                                                          valueScale))
        model_.drawPoint(point.x(), point.y());
    strokeAt = to;
    DrawCurve();
    showApplyState();
}

void TFrameTamb::servo_Image2MouseMove(int x, int y)
{
    if (!painting || !(stepWidth > 0.0F))
        return;
    const QPoint to(x, y);
    for (const QPoint &point : CurveDiagram::strokeRelays(strokeAt, to, stepWidth, model_.pointCount(), relayHeight,
                                                          relayScale))
        model_.setRelay(point.x(), point.y() != 0);
    strokeAt = to;
    DrawRelayStrip();
    showApplyState();
}

// ---------------------------------------------------------------- buttons

void TFrameTamb::btn_copyClick(int from)
{
    model_.copyFrom(from);
    showCurve();
    // The copy brings the key action and the address bytes along: show them.
    showKeyActions();
    if (addressFrame_)
        addressFrame_->RefreshControls();
    showApplyState();
}

void TFrameTamb::btn_generatorClick(CurveShapes::Generator generator)
{
    // A curve of one point has no shape to give.
    if (model_.generate(generator))
        redrawAndEnable();
}

void TFrameTamb::btn_MirrorVertikalClick()
{
    model_.mirrorVertical();
    redrawAndEnable();
}

void TFrameTamb::btn_MirrorHorizontalClick()
{
    model_.mirrorHorizontal();
    redrawAndEnable();
}

bool TFrameTamb::refusedNumber(const TypedEntry<float> &entry, QLineEdit *edit)
{
    if (!entry.isRefused())
        return false;
    Dialogs::warningCancel(this, entry.message);
    edit->selectAll();
    edit->setFocus();
    return true;
}

void TFrameTamb::btn_scaleClick()
{
    const TypedEntry<float> factor = model_.scale(edt_scale->text());
    if (!refusedNumber(factor, edt_scale) && factor.isAccepted())
        redrawAndEnable();
}

void TFrameTamb::btn_shiftClick()
{
    const TypedEntry<float> offset = model_.shift(edt_shift->text());
    if (!refusedNumber(offset, edt_shift) && offset.isAccepted())
        redrawAndEnable();
}

// ---------------------------------------------------------------- files

// Curve and set files are looked for where the last of their kind was, at
// first beside the HEX file.
QString TFrameTamb::startFolder(const QString &filter) const
{
    const QString hexFile = session().filePath;
    return Dialogs::lastFolder(filter, hexFile.isEmpty() ? QString() : QFileInfo(hexFile).absolutePath());
}

bool TFrameTamb::readChosenFile(const QString &filter, QStringList &lines)
{
    const QString path = Dialogs::getOpenFileName(this, filter, startFolder(filter));
    if (path.isEmpty())
        return false;
    const InputFile file = readInputFile(path);
    if (file.error) {
        Dialogs::warningOk(this, *file.error);
        return false;
    }
    lines = splitHexFileLines(file.content);
    return true;
}

void TFrameTamb::saveChosenFile(const QString &filter, const QString &suffix, const QByteArray &content)
{
    const QString path = Dialogs::getSaveFileName(this, filter, suffix, QString(), startFolder(filter));
    if (path.isEmpty())
        return;
    if (const auto error = saveFileWhole(path, content))
        Dialogs::warningOk(this, fileMessage(path, *error));
}

void TFrameTamb::servo_save_1Click()
{
    saveChosenFile(CurveFiles::curveFileFilter(), CurveFiles::curveFileSuffix(), model_.curveFileContent());
}

void TFrameTamb::servo_save_allClick()
{
    saveChosenFile(CurveFiles::setFileFilter(), CurveFiles::setFileSuffix(), model_.setFileContent());
}

void TFrameTamb::servo_load_1Click()
{
    QStringList lines;
    if (!readChosenFile(CurveFiles::curveFileFilter(), lines))
        return;
    const CurveFiles::LoadResult result = model_.loadCurveFile(lines);
    for (const QString &warning : result.warnings)
        Dialogs::warningCancel(this, warning);
    if (!result.complete)
        return;
    showCurve();
    showApplyState();
}

void TFrameTamb::servo_load_allClick()
{
    QStringList lines;
    if (!readChosenFile(CurveFiles::setFileFilter(), lines))
        return;
    const CurveFiles::LoadResult result = model_.loadSetFile(lines);
    for (const QString &warning : result.warnings)
        Dialogs::warningCancel(this, warning);
    if (!result.complete)
        return;
    showCurve();
    showKeyActions();
    if (addressFrame_)
        addressFrame_->RefreshControls();
    showApplyState();
}

std::shared_ptr<const FrameState> TFrameTamb::workingCopy() const
{
    return frameStateOf(ServoEditorCopy{model_.snapshot(), model_.hasChanges(), model_.selectedCurve()});
}

void TFrameTamb::restoreWorkingCopy(const FrameState &state)
{
    const auto *undo = dynamic_cast<const FrameStateOf<ServoEditorCopy> *>(&state);
    if (!undo)
        return;
    model_.restore(undo->value.copy, undo->value.changed, model_.selectedCurve());
    showModel();
}

void TFrameTamb::restoreWorkingCopyAsShown(const FrameState &state)
{
    const auto *kept = dynamic_cast<const FrameStateOf<ServoEditorCopy> *>(&state);
    if (!kept)
        return;
    if (kept->value.shownCurve != model_.selectedCurve())
        playback_->end();
    model_.restore(kept->value.copy, kept->value.changed, kept->value.shownCurve);
    showModel();
}
