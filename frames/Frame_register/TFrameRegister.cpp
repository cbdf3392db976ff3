#include "frames/Frame_register/TFrameRegister.h"

#include "image/HexByte.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "ui/Dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

TFrameRegister::TFrameRegister(DecoderSession &session, QWidget *parent)
    : EditorFrame(session, QStringLiteral("FrameRegister1"), DesignWidth, DesignHeight, parent)
{
    // The list is designed for a small font; so its longest captions fit.
    QFont small = font();
    small.setPointSizeF(std::min<qreal>(small.pointSizeF(), 8.0));
    setFont(small);

    pnl_cv = new QWidget(this);
    pnl_cv->setObjectName(QStringLiteral("pnl_cv"));
    // The list covers the address grid: it paints its own background.
    pnl_cv->setAutoFillBackground(true);
    pnl_cv->setGeometry(0, 0, DesignWidth, DesignHeight);

    int lineNumber = 1;
    for (QFrame **line : {&Line1, &Line2, &Line3}) {
        *line = new QFrame(pnl_cv);
        (*line)->setObjectName(QStringLiteral("Line%1").arg(lineNumber++));
        (*line)->setFrameShape(QFrame::VLine);
        (*line)->setFrameShadow(QFrame::Sunken);
    }

    for (int k = 0; k < Cv::PairCount; ++k) {
        const Cv::PairPlace place = Cv::pairPlace(k);
        const QString index = QStringLiteral("[%1]").arg(k);
        cv_lbl[k] = new QLabel(pnl_cv);
        cv_lbl[k]->setObjectName(QStringLiteral("cv_lbl") + index);
        // Captions are wider than the designed 100 pixels; they may run up to the edit.
        cv_lbl[k]->setGeometry(place.labelLeft - 3, place.labelTop, place.editLeft - place.labelLeft + 1, Cv::PairHeight);
        cv_lbl[k]->hide();
        cv_edt[k] = new QLineEdit(pnl_cv);
        cv_edt[k]->setObjectName(QStringLiteral("cv_edt") + index);
        cv_edt[k]->setGeometry(place.editLeft, place.editTop, Cv::EditWidth, Cv::PairHeight);
        cv_edt[k]->hide();
        connect(cv_edt[k], &QLineEdit::textChanged, this, [this, k] { CvValueChange(k); });
    }
}

void TFrameRegister::resizeEvent(QResizeEvent *)
{
    pnl_cv->setGeometry(rect());
}

void TFrameRegister::PrepareFrame()
{
    loading = true;
    pnl_cv->setGeometry(rect());
    pnl_cv->show();
    for (int k = 0; k < Cv::PairCount; ++k) {
        cv_lbl[k]->hide();
        cv_edt[k]->hide();
    }
    cv_count = 0;
    int left = Cv::ColumnStep;
    for (QFrame *line : {Line1, Line2, Line3}) {
        line->setGeometry(left, 8, 2, pnl_cv->height() - 1);
        left += Cv::ColumnStep;
    }
    loading = false;
}

void TFrameRegister::LoadFromImage()
{
    loading = true;
    const std::vector<Cv::Entry> &entries = Cv::entriesFor(typeCode());
    cv_count = std::min<int>(static_cast<int>(entries.size()), Cv::PairCount);
    for (int k = 0; k < Cv::PairCount; ++k) {
        // Pairs the type does not define lose any caption of an earlier type.
        cv_lbl[k]->setText(k < cv_count ? entries[k].caption : QString());
        cv_lbl[k]->setToolTip(cv_lbl[k]->text());
        cv_pos[k] = k < cv_count ? entries[k].eepromIndex : 0;
    }
    for (int k = 0; k < cv_count; ++k)
        cv_edt[k]->setText(QString::number(HexByteValue(image().eeprom[cv_pos[k]])));
    loading = false;
    for (int k = 0; k < Cv::PairCount; ++k) {
        const bool shown = !cv_lbl[k]->text().isEmpty();
        cv_lbl[k]->setVisible(shown);
        cv_edt[k]->setVisible(shown);
    }
}

void TFrameRegister::CvValueChange(int k)
{
    if (loading || k < 0 || k >= cv_count)
        return;
    const Zusatz::InputCheck check = Zusatz::checkByteInput(cv_edt[k]->text());
    if (check.rejected()) {
        Dialogs::warningCancel(this, check.message);
        cv_edt[k]->setFocus();
        return;
    }
    if (check.accepted())
        image().eeprom[cv_pos[k]] = hexByte(check.value);
}
