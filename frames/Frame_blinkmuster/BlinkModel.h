#pragma once
#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "frames/TypedEntry.h"

#include <QJsonValue>
#include <QPoint>
#include <QString>
#include <optional>

// The edit model of both blink pattern editors: the working copy of a pattern
// table, the address whose pattern is shown, and every change a user makes
// to it. Nothing reaches the image before apply().
class BlinkModel {
public:
    // The working copy as a value: the table and the selected block.
    struct State {
        PatternTable table;
        int block = 0;
        bool operator==(const State &) const = default;
    };

    explicit BlinkModel(const PatternLayout &layout);

    const PatternLayout &layout() const { return state_.table.layout(); }
    const PatternTable &table() const { return state_.table; }
    int block() const { return state_.block; }

    State snapshot() const { return state_; }
    // Takes a working copy back; changed tells whether it differs from the image.
    void restore(const State &state, bool changed = true);

    // Reads the table from the image and limits the count (and, where the
    // layout says so, the stretch) of the selected block, as the edits show
    // them. The model is then clean.
    void load(const FirmwareImage &image);
    // Reads the table again; count and stretch of the selected block are
    // limited. Clean afterwards.
    void discard(const FirmwareImage &image);
    // Writes the working copy into the image. Clean afterwards.
    void apply(FirmwareImage &image);
    // True after any change since the last load, apply or discard.
    bool hasChanges() const { return changed_; }

    // Shows another address. Count and stretch of its block are limited; a
    // setting that differs from the one shown before counts as a change.
    void selectBlock(int block);
    // A typed count or stretch: refused with a warning when the text is no
    // number, else limited to its range and stored.
    TypedEntry<int> typeCount(const QString &text);
    TypedEntry<int> typeStretch(const QString &text);
    void setLoop(bool on);
    void setOutputUsed(int output, bool used);
    // Takes over block `from` into the selected block, as far as the layout copies.
    void copyFrom(int from);
    // The mouse at (x, y) on the strip of an output, of the given size, while
    // a button is held: switches that output on or off in the step under the
    // mouse. False when there is no step to paint.
    bool paint(int output, int x, int y, int stripWidth, int stripHeight);
    // A stroke of the mouse from pixel `from` to pixel `to` on that strip with
    // the button held: paints every step it passes over, each by the stroke's
    // height there, as a paint program lays a line. False when there is no
    // step to paint.
    bool paintStroke(int output, QPoint from, QPoint to, int stripWidth, int stripHeight);
    // The steps the mouse can reach in the selected block, as paint() limits them.
    int paintableSteps() const;
    // Switches one output on or off in one step, as painting it does; false
    // (and nothing changes) for a step the mouse cannot reach.
    bool setStep(int output, int step, bool on);

    // What the edits, boxes and labels show for the selected block.
    int count() const { return state_.table.count(state_.block); }
    int stretch() const { return state_.table.stretch(state_.block); }
    bool loop() const { return state_.table.loop(state_.block); }
    bool outputUsed(int output) const { return state_.table.outputUsed(state_.block, output); }
    bool stepOn(int output, int step) const { return state_.table.stepOn(state_.block, output, step); }
    int drawnSteps() const { return state_.table.drawnSteps(state_.block); }
    QString stepTime() const { return stepTimeText(stretch()); }
    QString totalTime() const { return totalTimeText(stretch(), count()); }
    // The copy button of the selected block itself is disabled.
    bool canCopyFrom(int from) const { return from != state_.block; }

private:
    // The settings that the edits and boxes show for one block.
    struct Shown {
        int count, stretch, flags, moreUsed;
        bool operator==(const Shown &) const = default;
    };
    Shown shown(int block) const;
    void limitCount();
    void limitStretch();

    State state_;
    bool changed_ = false;
};

// What undo and the recovery file keep of a blink editor: the working copy's
// table, whether it waits to be applied and the address shown. Only the table
// counts as a change: the address shown is a view of it (undo leaves it as
// the user chose it, a window brought back shows it again), and the apply
// button's state follows from what was done.
struct BlinkEditorCopy {
    PatternTable table;
    bool changed = false;
    int shownBlock = 0;
    bool operator==(const BlinkEditorCopy &other) const { return table == other.table; }

    // {"table": the table's bytes, "changed": true or false, "address": the
    // block shown, 0..3}; reading takes nothing else, and a table of the
    // layout's size only.
    QJsonValue toJson() const;
    static std::optional<BlinkEditorCopy> fromJson(const QJsonValue &value, const PatternLayout &layout);
};
