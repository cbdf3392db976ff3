#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_tamb/ServoModel.h"

#include <QPoint>
#include <array>

class CurvePlayback;
class ImageSurface;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class TFrameTambAdr;
class UpDown;

// The servo curve editor: shows the servo model's four movement curves with
// their counts, stretch factors and key actions, and passes the user's edits
// to it. "übernehmen" applies the model, "verwerfen" discards its changes. The
// frame owns the model; the servo address frame works on the same one.
class TFrameTamb : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 550;
    static constexpr int DesignHeight = 570;

    TFrameTamb(DecoderSession &session, QWidget *parent);

    ServoModel &model() { return model_; }
    // Shows the grid choices, which the main window keeps in the settings
    // file; the lists hold them from then on and tell each change by
    // rasterChanged.
    void setGridChoice(int rasterX, int rasterY);

    // The servo address frame: it shows the same model, and its changes
    // enable "übernehmen".
    void setAddressFrame(TFrameTambAdr *frame);

    // Plays the shown curve: "servo_btn_play" and "servo_cbx_repeat".
    CurvePlayback &playback() { return *playback_; }
    bool playAt(qint64 ms) override;

    // ---- designed controls ----
    QWidget *pnl_servo = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    std::array<QRadioButton *, 4> servo_rad_a{};
    QLabel *Label1 = nullptr;
    QLineEdit *edt_Anzahl = nullptr;
    UpDown *UpDown1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *edt_stretch = nullptr;
    UpDown *UpDown2 = nullptr;
    QLabel *lbl_KurveInfo1 = nullptr;
    QLabel *lbl_KurveInfo2 = nullptr;
    QLabel *Label6 = nullptr;
    QComboBox *cbx_raster_x = nullptr;
    QLabel *Label7 = nullptr;
    QComboBox *cbx_raster_y = nullptr;
    QLabel *Label27 = nullptr;
    ImageSurface *servo_Image1 = nullptr;
    QLabel *Label_Servo_Relais = nullptr;
    ImageSurface *servo_Image2 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *btn_Lin = nullptr;
    QPushButton *btn_Sin = nullptr;
    QPushButton *btn_Log = nullptr;
    QPushButton *btn_sin2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *btn_MirrorVertikal = nullptr;
    QPushButton *btn_MirrorHorizontal = nullptr;
    QLabel *Label5 = nullptr;
    std::array<QPushButton *, 4> btn_copy{};
    QLabel *Label29 = nullptr;
    QPushButton *servo_load_1 = nullptr;
    QPushButton *servo_save_1 = nullptr;
    QLabel *Label30 = nullptr;
    QPushButton *servo_load_all = nullptr;
    QPushButton *servo_save_all = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *edt_scale = nullptr;
    QPushButton *btn_scale = nullptr;
    QLabel *Label9 = nullptr;
    QLineEdit *edt_shift = nullptr;
    QPushButton *btn_shift = nullptr;
    QGroupBox *servo_GroupBox1 = nullptr;
    QRadioButton *servo_rad_servo = nullptr;
    QRadioButton *servo_rad_lernen = nullptr;
    QLabel *Label_Servo_sw1a = nullptr;
    QLabel *Label_Servo_sw1b = nullptr;
    QLabel *Label_Servo_sw2a = nullptr;
    QLabel *Label_Servo_sw2b = nullptr;
    QComboBox *servo_cbx_s1c = nullptr;
    QComboBox *servo_cbx_s1o = nullptr;
    QComboBox *servo_cbx_s2c = nullptr;
    QComboBox *servo_cbx_s2o = nullptr;
    QPushButton *servo_btn_verwerfen = nullptr;
    QPushButton *servo_btn_uebernehmen = nullptr;

    // ---- drawing state ----
    bool painting = false;
    // Where the stroke stands: the press, then each position the mouse moved to.
    QPoint strokeAt;
    float valueScale = 0.0F;
    float stepWidth = 0.0F;
    float relayScale = 0.0F;
    int stripHeight = 0;
    int relayHeight = 0;

    // Sets the frame up for the decoder type, loads the model and shows it.
    void loadFromSession() override;
    bool hasUnappliedChanges() const override;
    std::shared_ptr<const FrameState> workingCopy() const override;
    void restoreWorkingCopy(const FrameState &state) override;
    void restoreWorkingCopyAsShown(const FrameState &state) override;
    void applyChanges() override;
    void discardChanges() override;
    void DrawCurve();
    void DrawRelayStrip();
    void ShowCurveInfo();

    // ---- handlers ----
    // Each keystroke in the count and stretch edits.
    void edt_AnzahlChange();
    void edt_stretchChange();
    void servo_rad_axClick();
    void servo_ImagexMouseDown(int x, int y);
    void servo_ImagexMouseUp();
    void servo_Image1MouseMove(int x, int y);
    void servo_Image2MouseMove(int x, int y);
    void btn_copyClick(int from);
    void cbx_raster_xChange();
    void servo_cbx_sxxChange(int list, int index);
    // The user's SW1 choice: EEPROM byte 0 at once.
    void servo_rad_Click();
    void btn_generatorClick(CurveShapes::Generator generator);
    void btn_MirrorVertikalClick();
    void btn_MirrorHorizontalClick();
    void btn_scaleClick();
    void btn_shiftClick();
    void servo_save_1Click();
    void servo_load_1Click();
    void servo_save_allClick();
    void servo_load_allClick();

signals:
    void rasterChanged(int x, int y);

private:
    std::array<QComboBox *, 4> keyActionLists() const;
    // The type's titles, lists and hidden parts.
    void prepareForType();
    // Shows the whole model: key actions, SW1, the selected curve, the
    // address frame and whether changes wait. Sets every control with its
    // signals blocked, so no change handler runs.
    void showModel();
    // Selects each key-action list's item from the model.
    void showKeyActions();
    // Shows the key actions of button 1 only for servo operation.
    void showSw1Choice();
    // The selected curve: diagram, relay strip, count, stretch and times.
    void showCurve();
    void showApplyState();
    void redrawAndEnable();
    // After a typed count or stretch: a refused text gets its warning, then the
    // edit shows the stored value, selected, with the focus back.
    void typedNumber(const TypedEntry<int> &entry, QLineEdit *edit, int stored);
    // A scale or shift that was refused: the warning, the focus back.
    bool refusedNumber(const TypedEntry<float> &entry, QLineEdit *edit);
    // The file the user chose read as lines, or false after a cancel or a read error.
    QString startFolder(const QString &filter) const;
    bool readChosenFile(const QString &filter, QStringList &lines);
    void saveChosenFile(const QString &filter, const QString &suffix, const QByteArray &content);

    ServoModel model_;
    TFrameTambAdr *addressFrame_ = nullptr;
    CurvePlayback *playback_ = nullptr;
};
