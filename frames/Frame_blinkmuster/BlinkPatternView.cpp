#include "frames/Frame_blinkmuster/BlinkPatternView.h"

#include "frames/Frame_blinkmuster/BlinkTimeline.h"
#include "frames/Playback.h"

#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/UpDown.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

namespace {

// A step box: black outline from (left, top) to (right, bottom) exclusive,
// red inside. Parts outside the strip are cut off.
void drawBox(DrawingSurface *strip, const PatternStrip::Box &box)
{
    strip->fillBox(QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)), qRgb(0, 0, 0),
                   qRgb(255, 0, 0));
}

void setChecked(QAbstractButton *button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void setNumber(QLineEdit *edit, int value)
{
    const QString text = QString::number(value);
    if (edit->text() == text)
        return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

} // namespace

BlinkPatternView::BlinkPatternView(DecoderSession &session, const PatternLayout &layout, const QString &name,
                                   int designWidth, int designHeight, QWidget *parent)
    : EditorFrame(session, name, designWidth, designHeight, parent), model_(layout)
{
}

BlinkPatternView::MadeControls BlinkPatternView::makeControls(const Design &d,
                                                              const std::function<void(QWidget *)> &makeStrips)
{
    using Widgets::named;
    MadeControls made;
    Controls &c = made.controls;
    const PatternLayout &layout = model_.layout();
    QWidget *pnl = named(new QWidget(this), QStringLiteral("pnl_") + d.prefix.chopped(1));
    pnl->setGeometry(0, 0, width(), height());
    made.panel = pnl;

    made.group = named(new QGroupBox(tr("Parameter für ..."), pnl), d.groupName);
    made.group->setGeometry(d.group);
    for (int k = 0; k < 4; ++k) {
        auto *button = named(new QRadioButton(tr("Adresse %1").arg(k + 1), made.group),
                             d.prefix + QStringLiteral("rad_a%1").arg(k + 1));
        button->setGeometry(QRect(QPoint(10, 20) + k * d.addressPitch, QSize(100, 19)));
        button->setToolTip(tr("Auswahl, für welche Adresse die Angezeigten Parameter gültig sind"));
        c.addresses[std::size_t(k)] = button;
    }
    c.addresses[0]->setChecked(true);

    c.loop = named(new QCheckBox(tr("Loop"), pnl), d.prefix + QStringLiteral("cbx_loop"));
    c.loop->setGeometry(d.loop);
    c.loop->setToolTip(tr("Ablauf wieder immer wieder neu gestartet"));

    // An edit holding "10" with its arrows beside it, both with the hint.
    const auto numberEdit = [&](const QString &editName, const QRect &geometry, const QString &arrowsName, int max,
                                const QString &hint, UpDown *&arrows) {
        auto *edit = named(new QLineEdit(QStringLiteral("10"), pnl), d.prefix + editName);
        edit->setGeometry(geometry);
        arrows = named(new UpDown(edit, 1, max, 10, pnl), arrowsName);
        arrows->setGeometry(geometry.right() + 1, geometry.top(), 16, geometry.height());
        edit->setToolTip(hint);
        arrows->setToolTip(hint);
        return edit;
    };
    made.stretchLabel = Widgets::label(pnl, d.stretchLabelName, tr("Stretch-Faktor"), d.stretchLabel);
    c.stretch = numberEdit(QStringLiteral("edt_stretch"), d.stretchEdit, d.stretchArrowsName, layout.maxStretch,
                           tr("ermöglicht es, den Ablauf zu Verlangsamen"), made.stretchArrows);
    made.countLabel = Widgets::label(pnl, d.countLabelName, tr("Anzahl Punkte"), d.countLabel);
    c.count = numberEdit(QStringLiteral("edt_Anzahl"), d.countEdit, d.countArrowsName, layout.maxCount,
                         tr("Anzahl der Kurven-Punkte"), made.countArrows);
    c.stepTime = Widgets::label(pnl, d.prefix + QStringLiteral("lbl_KurveInfo1"), QString(), d.stepTime);
    c.totalTime = Widgets::label(pnl, d.prefix + QStringLiteral("lbl_KurveInfo2"), QString(), d.totalTime);
    makeStrips(pnl);

    made.copyLabel = Widgets::label(pnl, d.copyLabelName, tr("Kurve kopieren"), d.copyLabel);
    for (int k = 0; k < 4; ++k) {
        c.copy[std::size_t(k)] = Widgets::button(pnl, d.prefix + QStringLiteral("btn_copy%1").arg(k + 1),
                                                 tr("von #%1").arg(k + 1),
                                                 tr("Kopieren der Kurvenformen von Adresse %1").arg(k + 1),
                                                 d.firstCopy.translated(k * d.copyPitch, 0));
    }
    c.discard = Widgets::button(pnl, d.prefix + QStringLiteral("btn_verwerfen"), tr("Verwerfen"), QString(),
                                {355, d.buttonsTop, 80, 25});
    c.apply = Widgets::button(pnl, d.prefix + QStringLiteral("btn_uebernehmen"), tr("Übernehmen"),
                              QString(), {445, d.buttonsTop, 80, 25});
    c.apply->setEnabled(false);
    c.play = Widgets::button(pnl, d.prefix + QStringLiteral("btn_play"), Playback::playText(),
                             tr("Spielt das Muster der gezeigten Adresse in Echtzeit ab"), d.play);
    return made;
}

BlinkPatternView::~BlinkPatternView()
{
    // The controls outlive the model: QWidget deletes them later, and an edit
    // that had the focus still reports the end of its editing then.
    for (QObject *control : findChildren<QObject *>())
        disconnect(control, nullptr, this, nullptr);
}

void BlinkPatternView::connectControls(const Controls &controls, BoxBottom boxBottom)
{
    c_ = controls;
    boxBottom_ = boxBottom;

    stripHeight = c_.strips.front()->height();
    valueScale = PatternStrip::valueScale(stripHeight);
    stepWidth = PatternStrip::stepWidth(c_.strips.front()->width(), model_.drawnSteps());

    // A radio group turns the old button off as well: only the newly checked
    // one counts as the click.
    for (int k = 0; k < 4; ++k)
        connect(c_.addresses[std::size_t(k)], &QRadioButton::toggled, this, [this, k](bool checked) {
            if (!checked)
                return;
            endPlayback();
            model_.selectBlock(k);
            showSettings();
            DrawPatterns();
            showChanged();
        });
    connect(c_.loop, &QCheckBox::toggled, this, [this](bool on) {
        model_.setLoop(on);
        showChanged();
    });
    for (int n = 0; n < static_cast<int>(c_.outputs.size()); ++n)
        connect(c_.outputs[std::size_t(n)], &QCheckBox::toggled, this, [this, n](bool used) {
            model_.setOutputUsed(n, used);
            DrawPatterns();
            showChanged();
        });
    // The up-down arrows write the edits' texts, so textChanged, not
    // textEdited, is the user's input here.
    connect(c_.count, &QLineEdit::textChanged, this,
            [this](const QString &text) { typed(c_.count, model_.typeCount(text)); });
    connect(c_.stretch, &QLineEdit::textChanged, this,
            [this](const QString &text) { typed(c_.stretch, model_.typeStretch(text)); });
    connect(c_.count, &QLineEdit::editingFinished, this, [this] { setNumber(c_.count, model_.count()); });
    connect(c_.stretch, &QLineEdit::editingFinished, this, [this] { setNumber(c_.stretch, model_.stretch()); });
    for (int k = 0; k < 4; ++k)
        connect(c_.copy[std::size_t(k)], &QPushButton::clicked, this, [this, k] {
            model_.copyFrom(k);
            showModel();
        });
    connect(c_.apply, &QPushButton::clicked, this, [this] { applyChanges(); });
    connect(c_.discard, &QPushButton::clicked, this, [this] { discardChanges(); });
    for (int n = 0; n < static_cast<int>(c_.strips.size()); ++n) {
        DrawingSurface *strip = c_.strips[std::size_t(n)];
        connect(strip, &DrawingSurface::mouseDown, this, [this](int x, int y) {
            painting = true;
            strokeAt = QPoint(x, y);
        });
        connect(strip, &DrawingSurface::mouseUp, this, [this] { painting = false; });
        connect(strip, &DrawingSurface::mouseMove, this, [this, n](int x, int y) { stripMouseMove(n, x, y); });
    }
    playback_ = new Playback(c_.play, this, [this](qint64 ms) { return showPlaybackAt(ms); });
    connect(playback_, &Playback::playingChanged, this, [this](bool playing) {
        if (playing)
            makeLamps();
    });
}

void BlinkPatternView::makeLamps()
{
    if (!lamps_.empty())
        return;
    const QString prefix = c_.play->objectName().chopped(int(qstrlen("btn_play")));
    constexpr int LampSize = 14;
    for (std::size_t n = 0; n < c_.strips.size(); ++n) {
        auto *lamp = new PlaybackLamp(prefix + QStringLiteral("lamp_out%1").arg(n + 1), c_.strips[n]->parentWidget());
        const QCheckBox *box = c_.outputs[n];
        lamp->setGeometry(c_.strips[n]->x() - LampSize - 4, box->y() + (box->height() - LampSize) / 2, LampSize,
                          LampSize);
        lamp->setToolTip(tr("Ausgang %1 beim Abspielen").arg(n + 1));
        lamps_.push_back(lamp);
        stepFrames_.push_back(new PlaybackStepFrame(c_.strips[n]));
    }
}

bool BlinkPatternView::showPlaybackAt(qint64 ms)
{
    const BlinkTimeline::Moment moment = BlinkTimeline::at(model_.table(), model_.block(), ms);
    for (std::size_t n = 0; n < lamps_.size(); ++n) {
        lamps_[n]->setState(moment.lamps[n]);
        lamps_[n]->show();
        stepFrames_[n]->place(PatternStrip::stepLeft(moment.step, stepWidth),
                              PatternStrip::stepLeft(moment.step + 1, stepWidth));
        stepFrames_[n]->show();
    }
    return moment.finished;
}

void BlinkPatternView::endPlayback()
{
    playback_->stop();
    for (PlaybackLamp *lamp : lamps_)
        lamp->hide();
    for (PlaybackStepFrame *frame : stepFrames_)
        frame->hide();
}

bool BlinkPatternView::playAt(qint64 ms)
{
    playback_->startStandingAt(ms);
    return true;
}

void BlinkPatternView::fitStrips(int frameWidth)
{
    DrawingSurface *first = c_.strips.front();
    stripHeight = first->height();
    valueScale = PatternStrip::valueScale(stripHeight);
    const int width = frameWidth - first->x() - 10;
    for (DrawingSurface *strip : c_.strips)
        strip->resize(width, strip->height());
}

void BlinkPatternView::showSettings()
{
    const PatternLayout &layout = model_.layout();
    setChecked(c_.addresses[std::size_t(model_.block())], true);
    for (int k = 0; k < 4; ++k)
        c_.copy[std::size_t(k)]->setEnabled(model_.canCopyFrom(k));
    setNumber(c_.count, model_.count());
    setNumber(c_.stretch, model_.stretch());
    setChecked(c_.loop, model_.loop());
    for (int n = 0; n < layout.outputs; ++n)
        setChecked(c_.outputs[std::size_t(n)], model_.outputUsed(n));
    c_.stepTime->setText(model_.stepTime());
    c_.totalTime->setText(model_.totalTime());
}

void BlinkPatternView::DrawPatterns()
{
    const PatternLayout &layout = model_.layout();
    for (int n = 0; n < layout.outputs; ++n) {
        DrawingSurface *strip = c_.strips[std::size_t(n)];
        strip->fill(Qt::white);
        strip->setVisible(model_.outputUsed(n));
    }
    const int steps = model_.drawnSteps();
    stepWidth = PatternStrip::stepWidth(c_.strips.front()->width(), steps);
    for (int i = 0; i < steps; ++i)
        for (int n = 0; n < layout.outputs; ++n) {
            const bool on = model_.stepOn(n, i);
            drawBox(c_.strips[std::size_t(n)], boxBottom_ == BoxBottom::BelowStrip
                                                   ? PatternStrip::blinkBox(i, on, stepWidth, stripHeight, valueScale)
                                                   : PatternStrip::ledBox(i, on, stepWidth, stripHeight, valueScale));
        }
    for (DrawingSurface *strip : c_.strips)
        strip->update();
}

void BlinkPatternView::showChanged()
{
    c_.apply->setEnabled(model_.hasChanges());
}

void BlinkPatternView::showModel()
{
    showSettings();
    DrawPatterns();
    showChanged();
}

void BlinkPatternView::showStored(QLineEdit *edit, int stored)
{
    setNumber(edit, stored);
    edit->selectAll();
    edit->setFocus();
}

void BlinkPatternView::typed(QLineEdit *edit, const TypedEntry<int> &entry)
{
    if (entry.isEmpty())
        return;
    if (entry.isRefused()) {
        // The edit shows the working copy's value again, ready to be typed over.
        Dialogs::warningCancel(this, entry.message);
        showStored(edit, edit == c_.count ? model_.count() : model_.stretch());
        return;
    }
    showModel();
}

void BlinkPatternView::stripMouseMove(int strip, int x, int y)
{
    if (!painting)
        return;
    const QPoint from = std::exchange(strokeAt, QPoint(x, y));
    if (!model_.paintStroke(strip, from, strokeAt, c_.strips.front()->width(), stripHeight))
        return;
    DrawPatterns();
    showChanged();
}

void BlinkPatternView::loadFromSession()
{
    endPlayback();
    fitStrips(width());
    arrangeControls();
    model_.load(image());
    showModel();
}

void BlinkPatternView::applyChanges()
{
    model_.apply(image());
    showChanged();
}

void BlinkPatternView::discardChanges()
{
    model_.discard(image());
    showModel();
}

std::shared_ptr<const FrameState> BlinkPatternView::workingCopy() const
{
    return frameStateOf(BlinkEditorCopy{model_.table(), model_.hasChanges(), model_.block()});
}

// The address shown stays the one the user chose.
void BlinkPatternView::restoreWorkingCopy(const FrameState &state)
{
    const auto *copy = dynamic_cast<const FrameStateOf<BlinkEditorCopy> *>(&state);
    if (!copy || &copy->value.table.layout() != &model_.layout())
        return;
    model_.restore(BlinkModel::State{copy->value.table, model_.block()}, copy->value.changed);
    showModel();
}

void BlinkPatternView::restoreWorkingCopyAsShown(const FrameState &state)
{
    const auto *copy = dynamic_cast<const FrameStateOf<BlinkEditorCopy> *>(&state);
    if (!copy || &copy->value.table.layout() != &model_.layout())
        return;
    if (copy->value.shownBlock != model_.block())
        endPlayback();
    model_.restore(BlinkModel::State{copy->value.table, copy->value.shownBlock}, copy->value.changed);
    showModel();
}
