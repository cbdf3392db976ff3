#include "frames/Frame_tamb/ServoModel.h"

#include "frames/Frame_tamb/CurveEditorRules.h"
#include "frames/FrameCopyJson.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <algorithm>

ServoModel::ServoModel(DecoderSession &session) : session_(session) {}

// ---------------------------------------------------------------- life cycle

void ServoModel::load()
{
    FirmwareImage &image = session_.image;
    working_.curves = CurveRecords::read(image);
    // A pulse byte that is no byte text keeps the value the copy had.
    working_.pulses.read(image);
    // The editor shows "Servo-Bedienung" for every byte 0 but "01"; the image
    // is made to hold what is shown.
    image.eeprom[0] = CurveEditorRules::sw1Byte(sw1LearnsAndAdjusts());
    applied_ = working_;
    edited_ = false;
}

void ServoModel::apply()
{
    working_.curves.write(session_.image);
    PulseTimes::writeBytes(session_.image, working_.pulses.bytes());
    applied_ = working_;
    edited_ = false;
}

// ---------------------------------------------------------------- curve editor

TypedEntry<int> ServoModel::storeTyped(TypedEntry<int> entry, int recordEntry)
{
    if (entry.isAccepted()) {
        selected()[static_cast<std::size_t>(recordEntry)] = entry.value;
        edited_ = true;
    }
    return entry;
}

TypedEntry<int> ServoModel::typeCount(const QString &text)
{
    return storeTyped(CurveEditorRules::parseCount(text), CurveRecords::CountEntry);
}

TypedEntry<int> ServoModel::typeStretch(const QString &text)
{
    return storeTyped(CurveEditorRules::parseStretch(text), CurveRecords::StretchEntry);
}

void ServoModel::drawPoint(int i, int position)
{
    int &point = selected()[static_cast<std::size_t>(std::clamp(i, 0, CurveRecords::MaxPoints - 1))];
    point = std::clamp(position, 0, CurveRecords::MaxPosition) | (point & CurveRecords::RelayBit);
    edited_ = true;
}

void ServoModel::setRelay(int i, bool on)
{
    int &point = selected()[static_cast<std::size_t>(std::clamp(i, 0, CurveRecords::MaxPoints - 1))];
    point = on ? (point | CurveRecords::RelayBit) : (point & ~CurveRecords::RelayBit);
    edited_ = true;
}

bool ServoModel::generate(CurveShapes::Generator generator)
{
    if (!CurveShapes::generate(selected(), generator))
        return false;
    edited_ = true;
    return true;
}

void ServoModel::mirrorVertical()
{
    CurveShapes::mirrorVertical(selected());
    edited_ = true;
}

void ServoModel::mirrorHorizontal()
{
    CurveShapes::mirrorHorizontal(selected());
    edited_ = true;
}

TypedEntry<float> ServoModel::scale(const QString &text, const QLocale &locale)
{
    const TypedEntry<float> factor = CurveShapes::parseScaleFactorEitherSeparator(text, locale);
    if (factor.isAccepted()) {
        CurveShapes::scale(selected(), factor.value);
        edited_ = true;
    }
    return factor;
}

TypedEntry<float> ServoModel::shift(const QString &text, const QLocale &locale)
{
    const TypedEntry<float> offset = CurveShapes::parseShift(text, locale);
    if (offset.isAccepted()) {
        CurveShapes::shift(selected(), offset.value);
        edited_ = true;
    }
    return offset;
}

void ServoModel::copyFrom(int from)
{
    const CurveRecords::Record source = working_.curves[from];
    // The last entry of a record stays with it.
    std::copy(source.begin(), source.end() - 1, selected().begin());
    edited_ = true;
}

int ServoModel::keyActionItem(int record) const
{
    return CurveEditorRules::keyActionIndex(working_.curves[record][CurveRecords::KeyActionEntry]);
}

void ServoModel::chooseKeyAction(int record, int item)
{
    working_.curves[record][CurveRecords::KeyActionEntry] = CurveEditorRules::keyActionMask(item);
    edited_ = true;
}

bool ServoModel::sw1LearnsAndAdjusts() const
{
    return CurveEditorRules::sw1LearnsAndAdjusts(session_.image.eeprom[0]);
}

void ServoModel::chooseSw1(bool learnAndAdjust)
{
    session_.image.eeprom[0] = CurveEditorRules::sw1Byte(learnAndAdjust);
    edited_ = true;
}

// ---------------------------------------------------------------- files

QByteArray ServoModel::curveFileContent() const
{
    return CurveFiles::curveFileContent(selectedRecord());
}

QByteArray ServoModel::setFileContent() const
{
    return CurveFiles::setFileContent(working_.curves);
}

CurveFiles::LoadResult ServoModel::loadCurveFile(const QStringList &lines)
{
    return CurveFiles::loadCurveFile(lines, selected());
}

CurveFiles::LoadResult ServoModel::loadSetFile(const QStringList &lines)
{
    return CurveFiles::loadSetFile(lines, working_.curves);
}

// ---------------------------------------------------------------- address frame

void ServoModel::chooseRowItem(int row, ServoAssign::Column column, int item)
{
    ServoAssign::setRowItem(working_.curves, row, column, item);
    edited_ = true;
}

bool ServoModel::hasOption(int servo, ServoAssign::Option option) const
{
    return ServoAssign::hasOption(working_.curves, servo, option);
}

void ServoModel::setOption(ServoAssign::Option option, const std::array<bool, ServoAssign::ServoCount> &boxes)
{
    ServoAssign::setOption(working_.curves, option, boxes);
    edited_ = true;
}

void ServoModel::stepOffset(int servo, int button)
{
    int &offset = working_.pulses.offset[static_cast<std::size_t>(servo)];
    offset = PulseTimes::offsetAfterStep(offset, PulseTimes::ButtonSteps[static_cast<std::size_t>(button)]);
    edited_ = true;
}

void ServoModel::stepSpan(int servo, int button)
{
    int &span = working_.pulses.span[static_cast<std::size_t>(servo)];
    span = PulseTimes::spanAfterStep(span, PulseTimes::ButtonSteps[static_cast<std::size_t>(button)]);
    edited_ = true;
}

std::optional<QString> ServoModel::setPulse(int servo, int offset, int span)
{
    if (servo < 0 || servo >= PulseTimes::ServoCount)
        return QCoreApplication::translate("ServoModel", "es gibt keinen Servo %1").arg(servo + 1);
    const auto at = static_cast<std::size_t>(servo);
    if (offset != working_.pulses.offset[at] && (offset < PulseTimes::MinOffset || offset > PulseTimes::MaxOffset))
        return QCoreApplication::translate("ServoModel", "Offset %1 liegt außerhalb von %2..%3, dem Bereich der Impuls-Knöpfe")
            .arg(offset)
            .arg(PulseTimes::MinOffset)
            .arg(PulseTimes::MaxOffset);
    if (span != working_.pulses.span[at] && (span < 1 || span > 253))
        return QCoreApplication::translate("ServoModel", "Spanne %1 liegt außerhalb von 1..253, dem Bereich der Impuls-Knöpfe").arg(span);
    working_.pulses.offset[at] = offset;
    working_.pulses.span[at] = span;
    edited_ = true;
    return std::nullopt;
}

QString ServoModel::minTimeText(int servo, const QLocale &locale) const
{
    return PulseTimes::timeText(PulseTimes::minMs(working_.pulses.offset[static_cast<std::size_t>(servo)]), locale);
}

QString ServoModel::maxTimeText(int servo, const QLocale &locale) const
{
    const auto at = static_cast<std::size_t>(servo);
    return PulseTimes::timeText(PulseTimes::maxMs(working_.pulses.offset[at], working_.pulses.span[at]), locale);
}

// ---------------------------------------------------------------- kept copies

namespace {

constexpr int MaxByte = 255;

} // namespace

QJsonValue ServoEditorCopy::toJson() const
{
    QJsonArray curves;
    for (const CurveRecords::Record &record : copy.curves.records)
        curves.append(FrameCopyJson::numbers(record));
    return QJsonObject{{QStringLiteral("curves"), curves},
                       {QStringLiteral("offsets"), FrameCopyJson::numbers(copy.pulses.offset)},
                       {QStringLiteral("spans"), FrameCopyJson::numbers(copy.pulses.span)},
                       {QStringLiteral("changed"), changed},
                       {QStringLiteral("curve"), shownCurve}};
}

std::optional<ServoEditorCopy> ServoEditorCopy::fromJson(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue curves = object.value(QStringLiteral("curves"));
    const QJsonValue changed = object.value(QStringLiteral("changed"));
    const std::optional<int> curve = FrameCopyJson::wholeNumber(object.value(QStringLiteral("curve")), 0,
                                                                CurveRecords::Count - 1);
    if (!value.isObject() || object.size() != 5 || !curve || !curves.isArray()
        || curves.toArray().size() != CurveRecords::Count || !changed.isBool())
        return std::nullopt;
    ServoEditorCopy read;
    read.changed = changed.toBool();
    read.shownCurve = *curve;
    for (int r = 0; r < CurveRecords::Count; ++r) {
        if (!FrameCopyJson::readNumbers(curves.toArray().at(r), 0, MaxByte, read.copy.curves[r]))
            return std::nullopt;
    }
    if (!FrameCopyJson::readNumbers(object.value(QStringLiteral("offsets")), 0, MaxByte, read.copy.pulses.offset)
        || !FrameCopyJson::readNumbers(object.value(QStringLiteral("spans")), 0, MaxByte, read.copy.pulses.span))
        return std::nullopt;
    return read;
}
