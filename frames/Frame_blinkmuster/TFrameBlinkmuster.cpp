#include "frames/Frame_blinkmuster/TFrameBlinkmuster.h"

#include "ui/DrawingSurface.h"
#include "ui/UpDown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <class W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

constexpr int StripLeft = 55;
constexpr int StripTop = 125;
constexpr int StripPitch = 72;
constexpr int StripHeight = 41;

} // namespace

TFrameBlinkmuster::TFrameBlinkmuster(DecoderSession &session, QWidget *parent)
    : BlinkPatternView(session, blinkPatternLayout(), QStringLiteral("FrameBlinkmuster1"), DesignWidth,
                         DesignHeight, parent)
{
    pnl_blinkmuster = named(new QWidget(this), QStringLiteral("pnl_blinkmuster"));
    pnl_blinkmuster->setGeometry(0, 0, DesignWidth, DesignHeight);
    QWidget *pnl = pnl_blinkmuster;

    RadioGroup2 = named(new QGroupBox(QStringLiteral("Parameter für ..."), pnl), QStringLiteral("RadioGroup2"));
    RadioGroup2->setGeometry(8, 5, 120, 110);
    for (int k = 0; k < 4; ++k) {
        auto *button = named(new QRadioButton(QStringLiteral("Adresse %1").arg(k + 1), RadioGroup2),
                             QStringLiteral("blinkmuster_rad_a%1").arg(k + 1));
        button->setGeometry(10, 20 + 21 * k, 100, 19);
        button->setToolTip(QStringLiteral("Auswahl, für welche Adresse die Angezeigten Parameter gültig sind"));
        blinkmuster_rad_a[std::size_t(k)] = button;
    }
    blinkmuster_rad_a[0]->setChecked(true);

    blinkmuster_cbx_loop = named(new QCheckBox(QStringLiteral("Loop"), pnl), QStringLiteral("blinkmuster_cbx_loop"));
    blinkmuster_cbx_loop->setGeometry(140, 12, 100, 19);
    blinkmuster_cbx_loop->setToolTip(QStringLiteral("Ablauf wieder immer wieder neu gestartet"));

    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Stretch-Faktor"), pnl, {140, 40, 90, 15});
    blinkmuster_edt_stretch = named(new QLineEdit(QStringLiteral("10"), pnl), QStringLiteral("blinkmuster_edt_stretch"));
    blinkmuster_edt_stretch->setGeometry(235, 37, 40, 21);
    UpDown4 = named(new UpDown(blinkmuster_edt_stretch, 1, blinkPatternLayout().maxStretch, 10, pnl),
                    QStringLiteral("UpDown4"));
    UpDown4->setGeometry(275, 37, 16, 21);
    for (QWidget *w : {static_cast<QWidget *>(blinkmuster_edt_stretch), static_cast<QWidget *>(UpDown4)})
        w->setToolTip(QStringLiteral("ermöglicht es, den Ablauf zu Verlangsamen"));

    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Anzahl Punkte"), pnl, {140, 68, 90, 15});
    blinkmuster_edt_Anzahl = named(new QLineEdit(QStringLiteral("10"), pnl), QStringLiteral("blinkmuster_edt_Anzahl"));
    blinkmuster_edt_Anzahl->setGeometry(235, 65, 40, 21);
    UpDown3 = named(new UpDown(blinkmuster_edt_Anzahl, 1, blinkPatternLayout().maxCount, 10, pnl),
                    QStringLiteral("UpDown3"));
    UpDown3->setGeometry(275, 65, 16, 21);
    for (QWidget *w : {static_cast<QWidget *>(blinkmuster_edt_Anzahl), static_cast<QWidget *>(UpDown3)})
        w->setToolTip(QStringLiteral("Anzahl der Kurven-Punkte"));

    blinkmuster_lbl_KurveInfo1 = label(QStringLiteral("blinkmuster_lbl_KurveInfo1"), QString(), pnl, {305, 40, 225, 15});
    blinkmuster_lbl_KurveInfo2 = label(QStringLiteral("blinkmuster_lbl_KurveInfo2"), QString(), pnl, {305, 68, 225, 15});

    for (int n = 0; n < 4; ++n) {
        const int top = StripTop + StripPitch * n;
        Label_out[std::size_t(n)] =
            label(QStringLiteral("Label%1").arg(8 + n), QStringLiteral("Out#%1").arg(n + 1), pnl, {8, top, 45, 15});
        auto *strip = named(new DrawingSurface(pnl), QStringLiteral("Image_Blink%1").arg(n + 1));
        strip->setGeometry(StripLeft, top, 800, StripHeight);
        strip->setCursor(Qt::CrossCursor);
        Image_Blink[std::size_t(n)] = strip;
        auto *box = named(new QCheckBox(pnl), QStringLiteral("blinkmuster_cbx_out%1").arg(n + 1));
        box->setGeometry(14, top + 18, 20, 20);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setToolTip(QStringLiteral("Ausgang %1 verwenden (wird sonst nicht beeinflusst)").arg(n + 1));
        blinkmuster_cbx_out[std::size_t(n)] = box;
    }

    Label12 = label(QStringLiteral("Label12"), QStringLiteral("Kurve kopieren"), pnl, {8, 405, 90, 15});
    for (int k = 0; k < 4; ++k) {
        auto *button = named(new QPushButton(QStringLiteral("von #%1").arg(k + 1), pnl),
                             QStringLiteral("blinkmuster_btn_copy%1").arg(k + 1));
        button->setGeometry(100 + 60 * k, 400, 55, 25);
        button->setToolTip(QStringLiteral("Kopieren der Kurvenformen von Adresse %1").arg(k + 1));
        blinkmuster_btn_copy[std::size_t(k)] = button;
    }

    blinkmuster_btn_verwerfen = named(new QPushButton(QStringLiteral("Verwerfen"), pnl),
                                      QStringLiteral("blinkmuster_btn_verwerfen"));
    blinkmuster_btn_verwerfen->setGeometry(355, 445, 80, 25);
    blinkmuster_btn_uebernehmen = named(new QPushButton(QStringLiteral("Übernehmen"), pnl),
                                        QStringLiteral("blinkmuster_btn_uebernehmen"));
    blinkmuster_btn_uebernehmen->setGeometry(445, 445, 80, 25);
    blinkmuster_btn_uebernehmen->setEnabled(false);

    Controls c;
    c.addresses = blinkmuster_rad_a;
    c.loop = blinkmuster_cbx_loop;
    c.count = blinkmuster_edt_Anzahl;
    c.stretch = blinkmuster_edt_stretch;
    c.stepTime = blinkmuster_lbl_KurveInfo1;
    c.totalTime = blinkmuster_lbl_KurveInfo2;
    c.strips.assign(Image_Blink.begin(), Image_Blink.end());
    c.outputs.assign(blinkmuster_cbx_out.begin(), blinkmuster_cbx_out.end());
    c.copy = blinkmuster_btn_copy;
    c.discard = blinkmuster_btn_verwerfen;
    c.apply = blinkmuster_btn_uebernehmen;
    connectControls(c, BoxBottom::BelowStrip);
}
