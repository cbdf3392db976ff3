#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"

#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "ui/DrawingSurface.h"
#include "ui/UpDown.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int StripLeft = 55;
constexpr int StripTop = 88;
constexpr int StripPitch = 44;
constexpr int RowTop = 55;

} // namespace

TFrameBlinkmuster_led::TFrameBlinkmuster_led(DecoderSession &session, QWidget *parent)
    : BlinkPatternView(session, ledBlinkPatternLayout(), QStringLiteral("FrameBlinkmuster_led1"), DesignWidth,
                         DesignHeight, parent)
{
    Design d;
    d.prefix = QStringLiteral("led_blinkmuster_");
    d.groupName = QStringLiteral("RadioGroup3");
    d.group = {5, 2, 450, 45};
    d.addressPitch = {110, 0};
    d.loop = {465, 22, 65, 19};
    d.stretchLabelName = QStringLiteral("led_blinkmuster_lbl_stretch");
    d.stretchLabel = {5, RowTop + 3, 88, 15};
    d.stretchEdit = {90, RowTop, 35, 21};
    d.stretchArrowsName = QStringLiteral("UpDown10");
    d.countLabelName = QStringLiteral("led_blinkmuster_lbl_Anzahl");
    d.countLabel = {159, RowTop + 3, 85, 15};
    d.countEdit = {236, RowTop, 35, 21};
    d.countArrowsName = QStringLiteral("UpDown9");
    d.stepTime = {297, RowTop - 5, 225, 15};
    d.totalTime = {297, RowTop + 11, 225, 15};
    d.copyLabelName = QStringLiteral("Label41");
    d.copyLabel = {5, 533, 92, 15};
    d.firstCopy = {95, 530, 50, 25};
    d.copyPitch = 50;
    d.buttonsTop = 530;
    // Right of the time labels, whose texts end well before it.
    d.play = {445, RowTop - 2, 80, 25};
    const MadeControls made = makeControls(d, [this](QWidget *pnl) {
        for (int n = 0; n < Outputs; ++n) {
            const int top = StripTop + StripPitch * n;
            led_blinkmuster_lbl_out[std::size_t(n)] =
                Widgets::label(pnl, QStringLiteral("led_blinkmuster_lbl_out%1").arg(n + 1),
                               tr("Out#%1").arg(n + 1), {5, top, 48, 15});
            // Strip 6 is lower and has no cross-hair, as designed.
            auto *strip = Widgets::named(new DrawingSurface(pnl), QStringLiteral("Image_led_Blink%1").arg(n + 1));
            strip->setGeometry(StripLeft, top, 800, n == 5 ? 33 : 38);
            if (n != 5)
                strip->setCursor(Qt::CrossCursor);
            Image_led_Blink[std::size_t(n)] = strip;
            auto *box = Widgets::named(new QCheckBox(pnl), QStringLiteral("led_blinkmuster_cbx_out%1").arg(n + 1));
            box->setGeometry(12, top + 17, 20, 18);
            box->setFocusPolicy(Qt::ClickFocus);
            box->setToolTip(tr("Ausgang %1 verwenden (wird sonst nicht beeinflusst)").arg(n + 1));
            led_blinkmuster_cbx_out[std::size_t(n)] = box;
        }
    });
    const Controls &c = made.controls;
    pnl_led_blinkmuster = made.panel;
    RadioGroup3 = made.group;
    led_blinkmuster_rad_a = c.addresses;
    led_blinkmuster_cbx_loop = c.loop;
    led_blinkmuster_lbl_stretch = made.stretchLabel;
    led_blinkmuster_edt_stretch = c.stretch;
    UpDown10 = made.stretchArrows;
    led_blinkmuster_lbl_Anzahl = made.countLabel;
    led_blinkmuster_edt_Anzahl = c.count;
    UpDown9 = made.countArrows;
    led_blinkmuster_lbl_KurveInfo1 = c.stepTime;
    led_blinkmuster_lbl_KurveInfo2 = c.totalTime;
    Label41 = made.copyLabel;
    led_blinkmuster_btn_copy = c.copy;
    led_blinkmuster_btn_verwerfen = c.discard;
    led_blinkmuster_btn_uebernehmen = c.apply;
    led_blinkmuster_btn_play = c.play;

    Controls all = c;
    all.strips.assign(Image_led_Blink.begin(), Image_led_Blink.end());
    all.outputs.assign(led_blinkmuster_cbx_out.begin(), led_blinkmuster_cbx_out.end());
    connectControls(all, BoxBottom::StripBottom);
}

void TFrameBlinkmuster_led::arrangeControls()
{
    const int d = led_blinkmuster_rad_a[0]->width() + 10;
    RadioGroup3->resize(4 * d + 10, RadioGroup3->height());
    for (int k = 0; k < 4; ++k) {
        QRadioButton *button = led_blinkmuster_rad_a[std::size_t(k)];
        button->setGeometry(10 + k * d, button->y(), led_blinkmuster_rad_a[0]->width(), button->height());
    }
    led_blinkmuster_cbx_loop->move(Widgets::rightEdge(RadioGroup3) + 10, led_blinkmuster_cbx_loop->y());

    led_blinkmuster_edt_stretch->move(Widgets::rightEdge(led_blinkmuster_lbl_stretch) + 5,
                                      led_blinkmuster_edt_stretch->y());
    UpDown10->move(Widgets::rightEdge(led_blinkmuster_edt_stretch), UpDown10->y());
    led_blinkmuster_lbl_Anzahl->move(Widgets::rightEdge(UpDown10) + 10, led_blinkmuster_lbl_Anzahl->y());
    led_blinkmuster_edt_Anzahl->move(Widgets::rightEdge(led_blinkmuster_lbl_Anzahl) + 5,
                                     led_blinkmuster_edt_Anzahl->y());
    UpDown9->move(Widgets::rightEdge(led_blinkmuster_edt_Anzahl), UpDown9->y());
    for (QLabel *info : {led_blinkmuster_lbl_KurveInfo1, led_blinkmuster_lbl_KurveInfo2})
        info->move(Widgets::rightEdge(UpDown9) + 10, info->y());

    const int copyTop = led_blinkmuster_btn_verwerfen->y();
    Label41->move(Label41->x(), copyTop + 3);
    int left = Widgets::rightEdge(Label41) + 5;
    for (QPushButton *button : led_blinkmuster_btn_copy) {
        button->move(left, copyTop);
        left = Widgets::rightEdge(button);
    }
}
