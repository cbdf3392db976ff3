#include "frames/Frame_tamb_adr/TFrameTambAdr.h"

#include <QCoreApplication>

#include "frames/Frame_tamb/ServoModel.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

using ServoAssign::Column;
using ServoAssign::Option;

namespace {

QString number2(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &caption, const QString &hint, int x, int y,
                     int width)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(hint);
    box->setGeometry(x, y, width, 17);
    return box;
}

const char *const MinHint = QT_TRANSLATE_NOOP("TFrameTambAdr",
    "Diese Zeit definiert die untere Grenze, mit der der Servo\r\nangesteuert wird.\r\n"
    "Dieser Parameter kann später über eine Lern-Funktion \r\nan den Servo und die Konstruktion angepasst werden.\r\n"
    "Eine Änderung der Min-Zeit verschieb auch die Max-Zeit\r\n(wirkt wie ein Offset)");
const char *const MaxHint = QT_TRANSLATE_NOOP("TFrameTambAdr",
    "Mit dieser Impuls-Zeit wird der Servo Maximal angesteuert. \r\n"
    "Dieser Parameter kann später über eine Lern-Funktion \r\nan den Servo und die Konstruktion angepasst werden.\r\n"
    "Eine Änderung der Min-Zeit verschieb auch die Max-Zeit\r\n(wirkt wie ein Offset)");

// Row layout: label and the four lists of each row.
constexpr int RowTop = 6;
constexpr int RowStep = 23;
// Servo groups, stacked below the rows.
constexpr int GroupTop = RowTop + TFrameTambAdr::Rows * RowStep + 2;
constexpr int GroupHeight = 80;
constexpr int GroupStep = 83;

} // namespace

TFrameTambAdr::TFrameTambAdr(DecoderSession &session, ServoModel &model, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameTambAdr1"), DesignWidth, DesignHeight, parent), model_(model)
{
    pnl_servo2 = new QWidget(this);
    pnl_servo2->setObjectName(QStringLiteral("pnl_servo2"));
    pnl_servo2->setGeometry(0, 0, DesignWidth, DesignHeight);
    // An opaque panel: what lies below the frame on the window does not show through.
    pnl_servo2->setAutoFillBackground(true);

    createRows();
    for (int servo = 0; servo < Servos; ++servo)
        createServoGroup(servo);
}

void TFrameTambAdr::createRows()
{
    const QStringList servos{tr("Servo 1"), tr("Servo 2"), tr("Servo 3"), tr("Servo 4")};
    const QStringList actions{tr("Start"), tr("Start Loop"), tr("Abbruch"), tr("Beenden")};
    const QStringList curves{tr("Kurve 1"), tr("Kurve 2"), tr("Kurve 3"), tr("Kurve 4")};
    const QStringList relays{tr("Relais 1"), tr("Relais 2"), tr("Relais 3"), tr("Relais 4")};
    const QString actionHint = tr(
        "Start: Kurve einmalig starten\r\nStart Loop: Kurve immer wieder starten\r\n"
        "Abbruch: Kurve sofort abbrechen\r\nBeenden: Kurve nach Beendigung abbrechen (Loop Ende)");

    for (int row = 0; row < Rows; ++row) {
        const QString a = QStringLiteral("cbx_a%1_").arg(row + 1);
        const int y = RowTop + row * RowStep;
        auto *label = new QLabel(ServoAssign::designRowLabel(row), pnl_servo2);
        label->setObjectName(QStringLiteral("lbl_servo_adresse") + number2(row + 1));
        label->setGeometry(4, y + 3, 98, 16);
        lbl_servo_adresse[row] = label;
        cbx_ax_servo[row] =
            Widgets::list(pnl_servo2, a + "servo", tr("Auswahl des Servo"), QRect(76, y, 74, 21), servos);
        cbx_ax_action[row] = Widgets::list(pnl_servo2, a + "action", actionHint, QRect(152, y, 96, 21), actions);
        cbx_ax_curve[row] =
            Widgets::list(pnl_servo2, a + "curve", tr("Auswahl der Kurve"), QRect(250, y, 74, 21), curves);
        cbx_ax_relais[row] = Widgets::list(pnl_servo2, a + "relais", tr("Auswahl des Relais"),
                                           QRect(326, y, 70, 21), relays);

        // Only the user's choice runs the handlers; lists set by code stay quiet.
        connect(cbx_ax_servo[row], &QComboBox::activated, this, [this, row] { cbx_ax_servoChange(row); });
        connect(cbx_ax_action[row], &QComboBox::activated, this, [this, row] { cbx_ax_actionChange(row); });
        connect(cbx_ax_curve[row], &QComboBox::activated, this, [this, row] { cbx_ax_curveChange(row); });
        connect(cbx_ax_relais[row], &QComboBox::activated, this, [this, row] { cbx_ax_relaisChange(row); });
    }
}

void TFrameTambAdr::createServoGroup(int servo)
{
    const QString n = QString::number(servo + 1);
    auto *group = new QGroupBox(tr("Servo ") + n, pnl_servo2);
    group->setObjectName(QStringLiteral("GroupBox_Servo") + n);
    group->setGeometry(3, GroupTop + servo * GroupStep, 392, GroupHeight);
    GroupBox_Servo[servo] = group;

    const std::array<QString, 4> captions{"<<", "<", ">", ">>"};
    const std::array<QString, 4> hints{"- 80 us", "- 8 us", "+ 8 us", "+ 80 us"};
    const std::array<QString, 4> offsetNames{"btn_dec10offset_", "btn_dec1offset_", "btn_inc1offset_",
                                             "btn_inc10offset_"};
    const std::array<QString, 4> factorNames{"btn_dec10faktor_", "btn_dec1faktor_", "btn_inc1faktor_",
                                             "btn_inc10faktor_"};

    auto timeRow = [&](int y, const QString &editName, const QString &hint, const QString &caption,
                       const std::array<QString, 4> &buttonNames, std::array<QPushButton *, 4> &buttons) {
        auto *edit = new QLineEdit(group);
        edit->setObjectName(editName + n);
        edit->setReadOnly(true);
        edit->setToolTip(hint);
        edit->setGeometry(6, y, 46, 20);
        for (int b = 0; b < 4; ++b) {
            auto *button = new QPushButton(captions[b], group);
            button->setObjectName(buttonNames[b] + n);
            button->setToolTip(hints[b]);
            button->setGeometry(54 + 22 * b, y, 21, 20);
            buttons[b] = button;
        }
        auto *label = new QLabel(caption, group);
        label->setGeometry(145, y + 2, 132, 16);
        return edit;
    };
    servo_edt_Offset[servo] = timeRow(18, QStringLiteral("servo_edt_Offset_"), tr(MinHint),
                                      tr("ms Impuls-Zeit (Min)"), offsetNames, btn_offset[servo]);
    servo_edt_max[servo] = timeRow(40, QStringLiteral("servo_edt_max_"), tr(MaxHint),
                                   tr("ms Impuls-Zeit (Max)"), factorNames, btn_faktor[servo]);
    for (int b = 0; b < 4; ++b) {
        connect(btn_offset[servo][b], &QPushButton::clicked, this, [this, servo, b] { btn_offset_Click(servo, b); });
        connect(btn_faktor[servo][b], &QPushButton::clicked, this, [this, servo, b] { btn_faktor_Click(servo, b); });
    }

    // The servo 2 hint is written without the blank before the number.
    const QString servoName = servo == 1 ? QStringLiteral("Servo2") : tr("Servo ") + n;
    cbx_v_off[servo] = makeCheck(group, QStringLiteral("cbx_v_off_") + n, tr("Spannung aus"),
                                 tr("Versorgungs-Spannung des Servos nach Ablauf abschalten"), 280, 19, 108);
    cbx_imp_off[servo] = makeCheck(group, QStringLiteral("cbx_imp_off_") + n, tr("Impulse aus"),
                                   tr("Ansteuer-Impulse des Servos nach Ablauf abschalten"), 280, 41, 108);
    cbx_no_ir[servo] =
        makeCheck(group, QStringLiteral("cbx_no_ir_") + n, tr("keine Unterbrechung"),
                  tr("eine aktive Kurve für ") + servoName +
                      tr(" kann nicht durch eine andere Kurve unterbrochen werden"),
                  6, 61, 160);
    cbx_no_rep[servo] =
        makeCheck(group, QStringLiteral("cbx_no_rep_") + n, tr("keine Wiederholung"),
                  tr("es kann nicht 2x hintereinander die selbe Kurve gefahren werden"), 170, 61, 160);

    // A check box changes its state before the click reaches the handler; code
    // that sets a box does not click it.
    connect(cbx_v_off[servo], &QCheckBox::clicked, this, &TFrameTambAdr::cbx_v_off_xClick);
    connect(cbx_imp_off[servo], &QCheckBox::clicked, this, &TFrameTambAdr::cbx_imp_off_xClick);
    connect(cbx_no_ir[servo], &QCheckBox::clicked, this, &TFrameTambAdr::cbx_no_ir_xClick);
    connect(cbx_no_rep[servo], &QCheckBox::clicked, this, &TFrameTambAdr::cbx_no_rep_xClick);
}

// ---------------------------------------------------------------- loading

void TFrameTambAdr::loadFromSession()
{
    applyTypeLayout();
    RefreshControls();
}

void TFrameTambAdr::applyTypeLayout()
{
    const ServoAssign::TypeLayout layout = ServoAssign::typeLayout(typeCode());
    for (int row = 0; row < 4; ++row)
        lbl_servo_adresse[row]->setText(layout.rowLabels[static_cast<std::size_t>(row)]);
    for (int servo = 1; servo < Servos; ++servo)
        GroupBox_Servo[servo]->setVisible(layout.fourServos);
    for (int row = 0; row < Rows; ++row) {
        cbx_ax_servo[row]->setVisible(layout.fourServos);
        cbx_ax_relais[row]->setVisible(layout.fourServos);
        if (row >= 4) {
            lbl_servo_adresse[row]->setVisible(layout.fourServos);
            cbx_ax_action[row]->setVisible(layout.fourServos);
            cbx_ax_curve[row]->setVisible(layout.fourServos);
        }
    }
}

void TFrameTambAdr::RefreshControls()
{
    ShowOptions();
    ShowAssignments();
    ShowPulseTimes();
}

void TFrameTambAdr::ShowOptions()
{
    // The boxes report clicks only: setting them runs no handler.
    for (int servo = 0; servo < Servos; ++servo) {
        cbx_v_off[servo]->setChecked(model_.hasOption(servo, Option::VoltageOff));
        cbx_imp_off[servo]->setChecked(model_.hasOption(servo, Option::PulsesOff));
        cbx_no_ir[servo]->setChecked(model_.hasOption(servo, Option::NoInterrupt));
        cbx_no_rep[servo]->setChecked(model_.hasOption(servo, Option::NoRepeat));
    }
}

void TFrameTambAdr::ShowAssignments()
{
    // The lists report the user's choices only: setting them runs no handler.
    for (int row = 0; row < Rows; ++row) {
        const ServoAssign::RowItems items = model_.row(row);
        // An item the list does not have leaves it without a selection.
        cbx_ax_servo[row]->setCurrentIndex(ServoAssign::shownItem(items.servo));
        cbx_ax_curve[row]->setCurrentIndex(ServoAssign::shownItem(items.curve));
        cbx_ax_action[row]->setCurrentIndex(ServoAssign::shownItem(items.action));
        cbx_ax_relais[row]->setCurrentIndex(ServoAssign::shownItem(items.relay));
    }
    UpdateCurveVisibility();
}

void TFrameTambAdr::UpdateCurveVisibility()
{
    for (int row = 0; row < Rows; ++row) {
        const ServoAssign::RowVisibility v =
            ServoAssign::rowVisibility(typeCode(), row, cbx_ax_action[row]->currentIndex());
        cbx_ax_curve[row]->setVisible(v.curve);
        cbx_ax_relais[row]->setVisible(v.relay);
    }
}

void TFrameTambAdr::ShowPulseTimes()
{
    const QLocale locale;
    for (int servo = 0; servo < Servos; ++servo) {
        servo_edt_Offset[servo]->setText(model_.minTimeText(servo, locale));
        servo_edt_max[servo]->setText(model_.maxTimeText(servo, locale));
    }
}

// ---------------------------------------------------------------- handlers

void TFrameTambAdr::rowChanged(int row, Column column, const QComboBox *box)
{
    model_.chooseRowItem(row, column, box->currentIndex());
    if (column == Column::Action)
        UpdateCurveVisibility();
    emit valuesChanged();
}

void TFrameTambAdr::cbx_ax_servoChange(int row)
{
    rowChanged(row, Column::Servo, cbx_ax_servo[row]);
}

void TFrameTambAdr::cbx_ax_actionChange(int row)
{
    rowChanged(row, Column::Action, cbx_ax_action[row]);
}

void TFrameTambAdr::cbx_ax_curveChange(int row)
{
    rowChanged(row, Column::Curve, cbx_ax_curve[row]);
}

void TFrameTambAdr::cbx_ax_relaisChange(int row)
{
    rowChanged(row, Column::Relay, cbx_ax_relais[row]);
}

void TFrameTambAdr::optionClicked(Option option, const std::array<QCheckBox *, Servos> &boxes)
{
    std::array<bool, Servos> states{};
    for (std::size_t servo = 0; servo < Servos; ++servo)
        states[servo] = boxes[servo]->isChecked();
    model_.setOption(option, states);
    emit valuesChanged();
}

void TFrameTambAdr::cbx_v_off_xClick()
{
    optionClicked(Option::VoltageOff, cbx_v_off);
}

void TFrameTambAdr::cbx_imp_off_xClick()
{
    optionClicked(Option::PulsesOff, cbx_imp_off);
}

void TFrameTambAdr::cbx_no_ir_xClick()
{
    optionClicked(Option::NoInterrupt, cbx_no_ir);
}

void TFrameTambAdr::cbx_no_rep_xClick()
{
    optionClicked(Option::NoRepeat, cbx_no_rep);
}

void TFrameTambAdr::btn_offset_Click(int servo, int button)
{
    model_.stepOffset(servo, button);
    ShowPulseTimes();
    emit valuesChanged();
}

void TFrameTambAdr::btn_faktor_Click(int servo, int button)
{
    model_.stepSpan(servo, button);
    ShowPulseTimes();
    emit valuesChanged();
}
