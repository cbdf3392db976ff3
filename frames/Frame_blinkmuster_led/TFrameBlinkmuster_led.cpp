#include "frames/Frame_blinkmuster_led/TFrameBlinkmuster_led.h"

#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
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
constexpr int StripTop = 88;
constexpr int StripPitch = 44;
constexpr int RowTop = 55;

int rightOf(const QWidget *w) { return w->x() + w->width(); }

} // namespace

TFrameBlinkmuster_led::TFrameBlinkmuster_led(DecoderSession &session, QWidget *parent)
    : BlinkPatternView(session, ledBlinkPatternLayout(), QStringLiteral("FrameBlinkmuster_led1"), DesignWidth,
                         DesignHeight, parent)
{
    pnl_led_blinkmuster = named(new QWidget(this), QStringLiteral("pnl_led_blinkmuster"));
    pnl_led_blinkmuster->setGeometry(0, 0, DesignWidth, DesignHeight);
    QWidget *pnl = pnl_led_blinkmuster;

    RadioGroup3 = named(new QGroupBox(QStringLiteral("Parameter für ..."), pnl), QStringLiteral("RadioGroup3"));
    RadioGroup3->setGeometry(5, 2, 450, 45);
    for (int k = 0; k < 4; ++k) {
        auto *button = named(new QRadioButton(QStringLiteral("Adresse %1").arg(k + 1), RadioGroup3),
                             QStringLiteral("led_blinkmuster_rad_a%1").arg(k + 1));
        button->setGeometry(10 + 110 * k, 20, 100, 19);
        button->setToolTip(QStringLiteral("Auswahl, für welche Adresse die Angezeigten Parameter gültig sind"));
        led_blinkmuster_rad_a[std::size_t(k)] = button;
    }
    led_blinkmuster_rad_a[0]->setChecked(true);

    led_blinkmuster_cbx_loop =
        named(new QCheckBox(QStringLiteral("Loop"), pnl), QStringLiteral("led_blinkmuster_cbx_loop"));
    led_blinkmuster_cbx_loop->setGeometry(465, 22, 65, 19);
    led_blinkmuster_cbx_loop->setToolTip(QStringLiteral("Ablauf wieder immer wieder neu gestartet"));

    led_blinkmuster_lbl_stretch = label(QStringLiteral("led_blinkmuster_lbl_stretch"), QStringLiteral("Stretch-Faktor"),
                                        pnl, {5, RowTop + 3, 88, 15});
    led_blinkmuster_edt_stretch =
        named(new QLineEdit(QStringLiteral("10"), pnl), QStringLiteral("led_blinkmuster_edt_stretch"));
    led_blinkmuster_edt_stretch->setGeometry(90, RowTop, 35, 21);
    UpDown10 = named(new UpDown(led_blinkmuster_edt_stretch, 1, ledBlinkPatternLayout().maxStretch, 10, pnl),
                     QStringLiteral("UpDown10"));
    UpDown10->setGeometry(125, RowTop, 16, 21);
    for (QWidget *w : {static_cast<QWidget *>(led_blinkmuster_edt_stretch), static_cast<QWidget *>(UpDown10)})
        w->setToolTip(QStringLiteral("ermöglicht es, den Ablauf zu Verlangsamen"));

    led_blinkmuster_lbl_Anzahl = label(QStringLiteral("led_blinkmuster_lbl_Anzahl"), QStringLiteral("Anzahl Punkte"),
                                       pnl, {159, RowTop + 3, 85, 15});
    led_blinkmuster_edt_Anzahl =
        named(new QLineEdit(QStringLiteral("10"), pnl), QStringLiteral("led_blinkmuster_edt_Anzahl"));
    led_blinkmuster_edt_Anzahl->setGeometry(236, RowTop, 35, 21);
    UpDown9 = named(new UpDown(led_blinkmuster_edt_Anzahl, 1, ledBlinkPatternLayout().maxCount, 10, pnl),
                    QStringLiteral("UpDown9"));
    UpDown9->setGeometry(271, RowTop, 16, 21);
    for (QWidget *w : {static_cast<QWidget *>(led_blinkmuster_edt_Anzahl), static_cast<QWidget *>(UpDown9)})
        w->setToolTip(QStringLiteral("Anzahl der Kurven-Punkte"));

    led_blinkmuster_lbl_KurveInfo1 =
        label(QStringLiteral("led_blinkmuster_lbl_KurveInfo1"), QString(), pnl, {297, RowTop - 5, 225, 15});
    led_blinkmuster_lbl_KurveInfo2 =
        label(QStringLiteral("led_blinkmuster_lbl_KurveInfo2"), QString(), pnl, {297, RowTop + 11, 225, 15});

    for (int n = 0; n < Outputs; ++n) {
        const int top = StripTop + StripPitch * n;
        led_blinkmuster_lbl_out[std::size_t(n)] = label(QStringLiteral("led_blinkmuster_lbl_out%1").arg(n + 1),
                                                        QStringLiteral("Out#%1").arg(n + 1), pnl, {5, top, 48, 15});
        auto *strip = named(new DrawingSurface(pnl), QStringLiteral("Image_led_Blink%1").arg(n + 1));
        strip->setGeometry(StripLeft, top, 800, n == 5 ? 33 : 38);
        if (n != 5)
            strip->setCursor(Qt::CrossCursor);
        Image_led_Blink[std::size_t(n)] = strip;
        auto *box = named(new QCheckBox(pnl), QStringLiteral("led_blinkmuster_cbx_out%1").arg(n + 1));
        box->setGeometry(12, top + 17, 20, 18);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setToolTip(QStringLiteral("Ausgang %1 verwenden (wird sonst nicht beeinflusst)").arg(n + 1));
        led_blinkmuster_cbx_out[std::size_t(n)] = box;
    }

    Label41 = label(QStringLiteral("Label41"), QStringLiteral("Kurve kopieren"), pnl, {5, 533, 92, 15});
    for (int k = 0; k < 4; ++k) {
        auto *button = named(new QPushButton(QStringLiteral("von #%1").arg(k + 1), pnl),
                             QStringLiteral("led_blinkmuster_btn_copy%1").arg(k + 1));
        button->setGeometry(95 + 50 * k, 530, 50, 25);
        button->setToolTip(QStringLiteral("Kopieren der Kurvenformen von Adresse %1").arg(k + 1));
        led_blinkmuster_btn_copy[std::size_t(k)] = button;
    }

    led_blinkmuster_btn_verwerfen = named(new QPushButton(QStringLiteral("Verwerfen"), pnl),
                                          QStringLiteral("led_blinkmuster_btn_verwerfen"));
    led_blinkmuster_btn_verwerfen->setGeometry(355, 530, 80, 25);
    led_blinkmuster_btn_uebernehmen = named(new QPushButton(QStringLiteral("Übernehmen"), pnl),
                                            QStringLiteral("led_blinkmuster_btn_uebernehmen"));
    led_blinkmuster_btn_uebernehmen->setGeometry(445, 530, 80, 25);
    led_blinkmuster_btn_uebernehmen->setEnabled(false);

    Controls c;
    c.addresses = led_blinkmuster_rad_a;
    c.loop = led_blinkmuster_cbx_loop;
    c.count = led_blinkmuster_edt_Anzahl;
    c.stretch = led_blinkmuster_edt_stretch;
    c.stepTime = led_blinkmuster_lbl_KurveInfo1;
    c.totalTime = led_blinkmuster_lbl_KurveInfo2;
    c.strips.assign(Image_led_Blink.begin(), Image_led_Blink.end());
    c.outputs.assign(led_blinkmuster_cbx_out.begin(), led_blinkmuster_cbx_out.end());
    c.copy = led_blinkmuster_btn_copy;
    c.discard = led_blinkmuster_btn_verwerfen;
    c.apply = led_blinkmuster_btn_uebernehmen;
    connectControls(c, BoxBottom::StripBottom);
}

void TFrameBlinkmuster_led::arrangeControls()
{
    const int d = led_blinkmuster_rad_a[0]->width() + 10;
    RadioGroup3->resize(4 * d + 10, RadioGroup3->height());
    for (int k = 0; k < 4; ++k) {
        QRadioButton *button = led_blinkmuster_rad_a[std::size_t(k)];
        button->setGeometry(10 + k * d, button->y(), led_blinkmuster_rad_a[0]->width(), button->height());
    }
    led_blinkmuster_cbx_loop->move(rightOf(RadioGroup3) + 10, led_blinkmuster_cbx_loop->y());

    led_blinkmuster_edt_stretch->move(rightOf(led_blinkmuster_lbl_stretch) + 5, led_blinkmuster_edt_stretch->y());
    UpDown10->move(rightOf(led_blinkmuster_edt_stretch), UpDown10->y());
    led_blinkmuster_lbl_Anzahl->move(rightOf(UpDown10) + 10, led_blinkmuster_lbl_Anzahl->y());
    led_blinkmuster_edt_Anzahl->move(rightOf(led_blinkmuster_lbl_Anzahl) + 5, led_blinkmuster_edt_Anzahl->y());
    UpDown9->move(rightOf(led_blinkmuster_edt_Anzahl), UpDown9->y());
    for (QLabel *info : {led_blinkmuster_lbl_KurveInfo1, led_blinkmuster_lbl_KurveInfo2})
        info->move(rightOf(UpDown9) + 10, info->y());

    const int copyTop = led_blinkmuster_btn_verwerfen->y();
    Label41->move(Label41->x(), copyTop + 3);
    int left = rightOf(Label41) + 5;
    for (QPushButton *button : led_blinkmuster_btn_copy) {
        button->move(left, copyTop);
        left = rightOf(button);
    }
}
