#pragma once
#include "decoder/DecoderSession.h"
#include "frames/Frame_tamb/CurveFiles.h"
#include "frames/Frame_tamb/CurveRecords.h"
#include "frames/Frame_tamb/CurveShapes.h"
#include "frames/Frame_tamb_adr/PulseTimes.h"
#include "frames/Frame_tamb_adr/ServoAssignments.h"
#include "frames/TypedEntry.h"

#include <QByteArray>
#include <QJsonValue>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

// What the two servo editors edit before it is applied: the four curve records
// (curves, counts, stretch factors, key actions, address rows and options) and
// the pulse bytes of the four servos.
struct ServoWorkingCopy {
    CurveRecords curves;
    PulseTimes::Values pulses;

    bool operator==(const ServoWorkingCopy &) const = default;
};

// What undo and the recovery file keep of the servo editors: the working copy,
// whether it waits to be applied and the curve shown. Only the copy counts as
// a change; the curve shown is a view of it, which undo leaves as the user
// chose it and a window brought back shows again.
struct ServoEditorCopy {
    ServoWorkingCopy copy;
    bool changed = false;
    int shownCurve = 0;
    bool operator==(const ServoEditorCopy &other) const { return copy == other.copy; }

    // {"curves": four arrays of 128 bytes, "offsets", "spans": four bytes each,
    // "changed": true or false, "curve": 0..3}; reading takes nothing else.
    QJsonValue toJson() const;
    static std::optional<ServoEditorCopy> fromJson(const QJsonValue &value);
};

// The edit model behind the servo curve editor and the servo address frame:
// one instance, shared by both. It reads the working copy from the image,
// takes every change the user makes, and writes the copy back on apply. The
// SW1 function is the exception: it goes into EEPROM byte 0 at once.
class ServoModel {
public:
    explicit ServoModel(DecoderSession &session);

    // ---- life cycle ----
    // Reads the curve records and the pulse bytes from the image. SW1 is made
    // what the editor shows: a byte 0 other than "01" becomes "F0".
    void load();
    // Writes the curve records into the ROM tables and the pulse bytes into
    // EEPROM 0x60..0x67, each limited to a byte.
    void apply();
    // Drops the working copy and reads it from the image again, as load does.
    void discard() { load(); }
    // A change was made since the last load, apply or discard.
    bool hasChanges() const { return edited_ || working_ != applied_; }

    ServoWorkingCopy snapshot() const { return working_; }
    void restore(const ServoWorkingCopy &copy) { working_ = copy; }
    // Takes back a copy taken together with hasChanges() and the selected curve.
    void restore(const ServoWorkingCopy &copy, bool changed, int selected)
    {
        working_ = copy;
        edited_ = changed;
        selected_ = selected;
    }

    ServoVariant variant() const { return servoVariant(session_.typeCode()); }
    const CurveRecords &curves() const { return working_.curves; }

    // ---- the curve editor; the edits work on the selected curve 0..3 ----
    int selectedCurve() const { return selected_; }
    void selectCurve(int curve) { selected_ = curve; }
    const CurveRecords::Record &selectedRecord() const { return working_.curves[selected_]; }
    int count() const { return selectedRecord()[CurveRecords::CountEntry]; }
    // The count and stretch that the drawing and the time labels use: the
    // stored ones limited to 1..100 and 1..200 (an erased table holds 255).
    int pointCount() const { return CurveRecords::pointCount(selectedRecord()); }
    int stretchSteps() const { return std::clamp(stretch(), 1, CurveRecords::MaxStretch); }
    int stretch() const { return selectedRecord()[CurveRecords::StretchEntry]; }

    // Typed counts (1..100) and stretch factors (1..200): stored when accepted.
    TypedEntry<int> typeCount(const QString &text);
    TypedEntry<int> typeStretch(const QString &text);

    // Point i's position (0..127); its relay stays as it was.
    void drawPoint(int i, int position);
    // Point i's relay; its position stays.
    void setRelay(int i, bool on);

    // False for a curve of one point, which has no shape to give.
    bool generate(CurveShapes::Generator generator);
    void mirrorVertical();
    void mirrorHorizontal();
    // The factor or offset typed into the scale or shift edit, applied when accepted.
    TypedEntry<float> scale(const QString &text, const QLocale &locale = QLocale());
    TypedEntry<float> shift(const QString &text, const QLocale &locale = QLocale());
    // Copies curve `from` into the selected one, all but the record's last entry.
    void copyFrom(int from);

    // Item of the key-action list of record r, and the user's choice of one.
    int keyActionItem(int record) const;
    void chooseKeyAction(int record, int item);

    // SW1: "Lernen + Justage" when EEPROM byte 0 is "01".
    bool sw1LearnsAndAdjusts() const;
    // The user's choice, written into EEPROM byte 0 at once.
    void chooseSw1(bool learnAndAdjust);

    // ---- curve files ----
    QByteArray curveFileContent() const;
    QByteArray setFileContent() const;
    // What the file's lines did to the selected curve, or to all four: a file
    // loads whole or is refused and changes nothing.
    CurveFiles::LoadResult loadCurveFile(const QStringList &lines);
    CurveFiles::LoadResult loadSetFile(const QStringList &lines);

    // ---- the address frame ----
    ServoAssign::RowItems row(int row) const { return ServoAssign::readRow(working_.curves, row); }
    void chooseRowItem(int row, ServoAssign::Column column, int item);
    bool hasOption(int servo, ServoAssign::Option option) const;
    void setOption(ServoAssign::Option option, const std::array<bool, ServoAssign::ServoCount> &boxes);

    // The pulse buttons: step index 0..3 for "<<", "<", ">", ">>".
    void stepOffset(int servo, int button);
    void stepSpan(int servo, int button);
    // Sets a servo's offset and span bytes as the pulse buttons could leave
    // them: the offset within 50..255, the span on the buttons' circle 1..253.
    // The reason when a value is out of the buttons' reach (nothing changes).
    std::optional<QString> setPulse(int servo, int offset, int span);
    // The eight pulse bytes in EEPROM order.
    std::array<int, PulseTimes::ByteCount> pulseBytes() const { return working_.pulses.bytes(); }
    QString minTimeText(int servo, const QLocale &locale) const;
    QString maxTimeText(int servo, const QLocale &locale) const;

private:
    CurveRecords::Record &selected() { return working_.curves[selected_]; }
    TypedEntry<int> storeTyped(TypedEntry<int> entry, int recordEntry);

    DecoderSession &session_;
    ServoWorkingCopy working_;
    // What the image held at the last load, apply or discard.
    ServoWorkingCopy applied_;
    // Set by every user change, even one that leaves the copy as it was.
    bool edited_ = false;
    int selected_ = 0;
};
