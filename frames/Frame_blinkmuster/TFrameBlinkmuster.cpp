#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"

#include "ui/DrawingSurface.h"
#include "ui/UpDown.h"
#include "ui/Widgets.h"

#include <QCheckBox>

namespace {

constexpr int StripLeft = 55;
constexpr int StripTop = 125;
constexpr int StripPitch = 72;
constexpr int StripHeight = 41;

} // namespace

TFrameBlinkmuster::TFrameBlinkmuster(DecoderSession &session, QWidget *parent)
    : BlinkPatternView(session, blinkPatternLayout(), QStringLiteral("FrameBlinkmuster1"), DesignWidth,
                         DesignHeight, parent)
{
    Design d;
    d.prefix = QStringLiteral("blinkmuster_");
    d.groupName = QStringLiteral("RadioGroup2");
    d.group = {8, 5, 120, 110};
    d.addressPitch = {0, 21};
    d.loop = {140, 12, 100, 19};
    d.stretchLabelName = QStringLiteral("Label7");
    d.stretchLabel = {140, 40, 90, 15};
    d.stretchEdit = {235, 37, 40, 21};
    d.stretchArrowsName = QStringLiteral("UpDown4");
    d.countLabelName = QStringLiteral("Label6");
    d.countLabel = {140, 68, 90, 15};
    d.countEdit = {235, 65, 40, 21};
    d.countArrowsName = QStringLiteral("UpDown3");
    d.stepTime = {305, 40, 225, 15};
    d.totalTime = {305, 68, 225, 15};
    d.copyLabelName = QStringLiteral("Label12");
    d.copyLabel = {8, 405, 90, 15};
    d.firstCopy = {100, 400, 55, 25};
    d.copyPitch = 60;
    d.buttonsTop = 445;
    d.play = {445, 10, 80, 25};
    const MadeControls made = makeControls(d, [this](QWidget *pnl) {
        for (int n = 0; n < 4; ++n) {
            const int top = StripTop + StripPitch * n;
            Label_out[std::size_t(n)] = Widgets::label(pnl, QStringLiteral("Label%1").arg(8 + n),
                                                       tr("Out#%1").arg(n + 1), {8, top, 45, 15});
            auto *strip = Widgets::named(new DrawingSurface(pnl), QStringLiteral("Image_Blink%1").arg(n + 1));
            strip->setGeometry(StripLeft, top, 800, StripHeight);
            strip->setCursor(Qt::CrossCursor);
            Image_Blink[std::size_t(n)] = strip;
            auto *box = Widgets::named(new QCheckBox(pnl), QStringLiteral("blinkmuster_cbx_out%1").arg(n + 1));
            box->setGeometry(14, top + 18, 20, 20);
            box->setFocusPolicy(Qt::ClickFocus);
            box->setToolTip(tr("Ausgang %1 verwenden (wird sonst nicht beeinflusst)").arg(n + 1));
            blinkmuster_cbx_out[std::size_t(n)] = box;
        }
    });
    const Controls &c = made.controls;
    pnl_blinkmuster = made.panel;
    RadioGroup2 = made.group;
    blinkmuster_rad_a = c.addresses;
    blinkmuster_cbx_loop = c.loop;
    Label7 = made.stretchLabel;
    blinkmuster_edt_stretch = c.stretch;
    UpDown4 = made.stretchArrows;
    Label6 = made.countLabel;
    blinkmuster_edt_Anzahl = c.count;
    UpDown3 = made.countArrows;
    blinkmuster_lbl_KurveInfo1 = c.stepTime;
    blinkmuster_lbl_KurveInfo2 = c.totalTime;
    Label12 = made.copyLabel;
    blinkmuster_btn_copy = c.copy;
    blinkmuster_btn_verwerfen = c.discard;
    blinkmuster_btn_uebernehmen = c.apply;
    blinkmuster_btn_play = c.play;

    Controls all = c;
    all.strips.assign(Image_Blink.begin(), Image_Blink.end());
    all.outputs.assign(blinkmuster_cbx_out.begin(), blinkmuster_cbx_out.end());
    connectControls(all, BoxBottom::BelowStrip);
}
