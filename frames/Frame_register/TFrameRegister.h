#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_register/CvTable.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

// The CV list of the function decoder with CV support: one caption and one
// decimal value edit per CV, each accepted change written into the EEPROM
// image at once.
class TFrameRegister : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 940;
    static constexpr int DesignHeight = 571;

    TFrameRegister(DecoderSession &session, QWidget *parent);

    // All pairs hidden, no entry defined, separator lines placed.
    void PrepareFrame();
    // The type's CVs: captions, EEPROM positions and values.
    void LoadFromImage();
    void loadFromSession() override;
    // Change handler of every CV edit.
    void CvValueChange(int k);

    QWidget *pnl_cv = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    std::array<QLabel *, Cv::PairCount> cv_lbl{};
    std::array<QLineEdit *, Cv::PairCount> cv_edt{};
    std::array<int, Cv::PairCount> cv_pos{};
    int cv_count = 0;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
