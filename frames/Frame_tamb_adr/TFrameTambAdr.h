#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_tamb_adr/ServoAssignments.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class ServoModel;

// Address rows, option bits and pulse times of the servo decoders: a view of
// the servo model that the curve editor owns, applies and discards.
class TFrameTambAdr : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 398;
    static constexpr int DesignHeight = 525;
    static constexpr int Rows = 8;
    static constexpr int Servos = 4;

    // model: the curve editor's model, shared with it.
    TFrameTambAdr(DecoderSession &session, ServoModel &model, QWidget *parent);

    QWidget *pnl_servo2 = nullptr;
    // Address rows 1..8 (index 0..7).
    std::array<QLabel *, Rows> lbl_servo_adresse{};
    std::array<QComboBox *, Rows> cbx_ax_servo{};
    std::array<QComboBox *, Rows> cbx_ax_action{};
    std::array<QComboBox *, Rows> cbx_ax_curve{};
    std::array<QComboBox *, Rows> cbx_ax_relais{};
    // Servo 1..4 (index 0..3).
    std::array<QGroupBox *, Servos> GroupBox_Servo{};
    std::array<QLineEdit *, Servos> servo_edt_Offset{};
    std::array<QLineEdit *, Servos> servo_edt_max{};
    // Per servo the buttons "<<", "<", ">", ">>".
    std::array<std::array<QPushButton *, 4>, Servos> btn_offset{};
    std::array<std::array<QPushButton *, 4>, Servos> btn_faktor{};
    std::array<QCheckBox *, Servos> cbx_v_off{};
    std::array<QCheckBox *, Servos> cbx_imp_off{};
    std::array<QCheckBox *, Servos> cbx_no_ir{};
    std::array<QCheckBox *, Servos> cbx_no_rep{};

    // Layout for the decoder type, then the model as the curve editor loaded it.
    void loadFromSession() override;
    // Shows the options, assignments and pulse times of the model without
    // running any change handler.
    void RefreshControls();

    void ShowOptions();
    void ShowAssignments();
    void ShowPulseTimes();
    void UpdateCurveVisibility();

    // Change handlers; rows and servos count from 0, button from 0 ("<<") to 3 (">>").
    void cbx_ax_servoChange(int row);
    void cbx_ax_actionChange(int row);
    void cbx_ax_curveChange(int row);
    void cbx_ax_relaisChange(int row);
    void cbx_v_off_xClick();
    void cbx_imp_off_xClick();
    void cbx_no_ir_xClick();
    void cbx_no_rep_xClick();
    void btn_offset_Click(int servo, int button);
    void btn_faktor_Click(int servo, int button);

signals:
    // Every change the user makes here; the curve editor enables its apply button.
    void valuesChanged();

private:
    void createRows();
    void createServoGroup(int servo);
    void applyTypeLayout();
    void rowChanged(int row, ServoAssign::Column column, const QComboBox *box);
    void optionClicked(ServoAssign::Option option, const std::array<QCheckBox *, Servos> &boxes);

    ServoModel &model_;
};
