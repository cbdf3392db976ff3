#pragma once
#include "frames/EditorFrame.h"
#include "frames/Frame_register/CvListModel.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

// Where the list puts its label/edit pairs.
namespace CvListView {

// Place of pair k (0..63): four columns of 21, 21, 21 and 1 pairs, 230 apart,
// rows 25 apart; the label sits 4 below its edit's top and 170 left of it.
struct PairPlace {
    int labelLeft = 0;
    int labelTop = 0;
    int editLeft = 0;
    int editTop = 0;
};
constexpr int PairsPerColumn = 21;
constexpr int ColumnStep = 230;
constexpr int EditWidth = 40;
constexpr int PairHeight = 20;
PairPlace pairPlace(int k);

} // namespace CvListView

// The CV list of the function decoder with CV support: one caption and one
// decimal value edit per CV; shows its edit model and passes each keystroke
// to it, which writes every accepted change into the EEPROM image at once.
class TFrameRegister : public EditorFrame {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 940;
    static constexpr int DesignHeight = 571;

    TFrameRegister(DecoderSession &session, QWidget *parent);

    void loadFromSession() override;
    const Cv::CvListModel &model() const { return model_; }

    QWidget *pnl_cv = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    std::array<QLabel *, Cv::PairCount> cv_lbl{};
    std::array<QLineEdit *, Cv::PairCount> cv_edt{};

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Writes every pair from the model with the edits' signals blocked.
    void showModel();
    void cvValueChange(int k, const QString &text);
    void showStored(int k);

    Cv::CvListModel model_;
};
