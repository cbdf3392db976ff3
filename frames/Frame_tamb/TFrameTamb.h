#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_tamb/CurveRecords.h"
#include "frames/Frame_tamb/CurveShapes.h"

#include <array>
#include <optional>

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

// The servo curve editor: the four movement curves of the servo decoders with
// their counts, stretch factors and key actions, edited in a working copy that
// "übernehmen" writes into the image and "verwerfen" reloads. The SW1 button
// function is the exception: it goes into EEPROM byte 0 at once.
class TFrameTamb : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 550;
    static constexpr int DesignHeight = 570;

    TFrameTamb(DecoderSession &session, QWidget *parent);

    // The working copy of the four curve records, shared with the servo address frame.
    CurveRecords curveData;
    // Grid choices; the main window keeps them in the settings file and sets
    // them before LoadFromImage.
    int rasterX = 0;
    int rasterY = 0;

    // The servo address frame: its changes enable "übernehmen", which also
    // stores its pulse bytes.
    void setAddressFrame(TFrameTambAdr *frame);

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
    float valueScale = 0.0F;
    float stepWidth = 0.0F;
    float relayScale = 0.0F;
    int stripHeight = 0;
    int relayHeight = 0;

    void LoadFromImage();
    void loadFromSession() override;
    bool hasUnappliedChanges() const override;
    void applyChanges() override;
    void discardChanges() override;
    void Reload();
    // Record index 0..3 of the curve whose radio button is checked.
    int SelectedBlock() const;
    void DrawCurve();
    void DrawRelayStrip();
    void ShowCurveInfo();

    // ---- handlers ----
    void edt_AnzahlChange();
    void edt_stretchChange();
    void servo_rad_axClick();
    void servo_ImagexMouseDown();
    void servo_ImagexMouseUp();
    void servo_Image1MouseMove(int x, int y);
    void servo_Image2MouseMove(int x, int y);
    void btn_copyClick(int from);
    void cbx_raster_xChange();
    void servo_cbx_sxxChange(int list, int index);
    // The user's SW1 choice: EEPROM byte 0 at once.
    void servo_rad_Click();
    // Writes the working copy and the servo address frame's pulse bytes into the image.
    void servo_btn_uebernehmenClick();
    // Reloads the working copy from the image.
    void servo_btn_verwerfenClick();
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
    CurveRecords::Record &selected() { return curveData[SelectedBlock()]; }
    std::array<QComboBox *, 4> keyActionLists() const;
    // Selects each key-action list's item from its record's mask.
    void showKeyActions();
    // Shows the key actions of button 1 only for servo operation.
    void showSw1Choice();
    void redrawAndEnable();
    // The number typed into an edit; nothing when it is empty or was refused
    // (the warning shown, the focus back in the edit).
    template <class Input> std::optional<decltype(Input::value)> acceptedNumber(const Input &input, QLineEdit *edit);
    // The file the user chose read as lines, or false after a cancel or a read error.
    bool readChosenFile(const QString &filter, QStringList &lines);
    void saveChosenFile(const QString &filter, const QString &suffix, const QByteArray &content);

    TFrameTambAdr *addressFrame_ = nullptr;
    // True while ShowCurveInfo writes the count and stretch edits.
    bool settingTexts_ = false;
};
