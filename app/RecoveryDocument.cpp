#include "app/RecoveryDocument.h"

#include "frames/FrameCopyJson.h"
#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_tamb/ServoModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>

namespace {

const QString Format = QStringLiteral("Quaxel recovery");
constexpr int Version = 1;

// Bounds of what a window can hold: a line of a file that loaded, a byte's
// text, an edit's text, a finding.
constexpr qsizetype MaxLineLength = 64 * 1024;
constexpr qsizetype MaxByteTextLength = 64;
constexpr qsizetype MaxEditTextLength = 4096;
constexpr qsizetype MaxFindings = 16;

template <class Texts> QJsonArray textArray(const Texts &texts, std::size_t count)
{
    QJsonArray array;
    for (std::size_t i = 0; i < count; ++i)
        array.append(QString(texts[i]));
    return array;
}

// How the working copy of a frame is read back: by the copy type of the
// editor that frame shows.
struct FrameCopyReader {
    const char *frame;
    std::shared_ptr<const FrameState> (*read)(const QJsonValue &);
};
template <class Copy> std::shared_ptr<const FrameState> stateOf(std::optional<Copy> copy)
{
    return copy ? frameStateOf(std::move(*copy)) : nullptr;
}

// The frames that keep a working copy, by the names the window gives them.
constexpr FrameCopyReader FrameCopyReaders[] = {
    {"FrameTamb1", [](const QJsonValue &v) { return stateOf(ServoEditorCopy::fromJson(v)); }},
    {"FrameBlinkmuster1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, blinkPatternLayout())); }},
    {"FrameBlinkmuster_led1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, ledBlinkPatternLayout())); }},
};

const FrameCopyReader *readerOf(const QString &frame)
{
    for (const FrameCopyReader &reader : FrameCopyReaders) {
        if (frame == QLatin1String(reader.frame))
            return &reader;
    }
    return nullptr;
}

// Reads the fields one by one; the first that does not hold names the fault.
class FieldReader {
public:
    explicit FieldReader(const QJsonObject &object) : object_(object) {}

    bool failed() const { return !fault_.isEmpty(); }
    QString fault() const { return fault_; }

    QString text(const QString &key, qsizetype maxLength)
    {
        const QJsonValue value = object_.value(key);
        if (!value.isString())
            return fail(key), QString();
        const QString text = value.toString();
        if (text.size() > maxLength)
            return fail(key), QString();
        return text;
    }

    int integer(const QString &key, int low, int high)
    {
        const std::optional<int> number = FrameCopyJson::wholeNumber(object_.value(key), low, high);
        if (!number)
            return fail(key), low;
        return *number;
    }

    // An array of texts, its length between the bounds; each text read by take.
    template <class Take>
    qsizetype texts(const QString &key, qsizetype minCount, qsizetype maxCount, qsizetype maxLength, Take take)
    {
        const QJsonValue value = object_.value(key);
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() < minCount || array.size() > maxCount)
            return fail(key), 0;
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!array.at(i).isString() || array.at(i).toString().size() > maxLength)
                return fail(key), 0;
            take(i, array.at(i).toString());
        }
        return array.size();
    }

    template <std::size_t N> void flags(const QString &key, std::array<bool, N> &out)
    {
        const QJsonValue value = object_.value(key);
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != static_cast<qsizetype>(N))
            return fail(key);
        for (std::size_t i = 0; i < N; ++i) {
            if (!array.at(static_cast<qsizetype>(i)).isBool())
                return fail(key);
            out[i] = array.at(static_cast<qsizetype>(i)).toBool();
        }
    }

    // An array of the editors' working copies, each an object with the name
    // of a frame that keeps one (at most once) and its copy as that frame's
    // copy type reads it. Absent in files of windows that kept none.
    void frameCopies(const QString &key, std::vector<RecoveryDocument::FrameCopy> &out)
    {
        if (!object_.contains(key))
            return;
        const QJsonValue value = object_.value(key);
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() > static_cast<qsizetype>(std::size(FrameCopyReaders)))
            return fail(key);
        for (const QJsonValue &entry : array) {
            const QJsonObject object = entry.toObject();
            const QString frame = object.value(QStringLiteral("frame")).toString();
            const FrameCopyReader *reader = readerOf(frame);
            const bool taken = std::any_of(out.begin(), out.end(), [&frame](const auto &c) { return c.frame == frame; });
            if (!entry.isObject() || object.size() != 2 || !reader || taken)
                return fail(key);
            std::shared_ptr<const FrameState> copy = reader->read(object.value(QStringLiteral("copy")));
            if (!copy)
                return fail(QStringLiteral("%1\" of \"%2").arg(key, frame));
            out.push_back({frame, std::move(copy)});
        }
    }

private:
    void fail(const QString &key)
    {
        if (fault_.isEmpty())
            fault_ = QStringLiteral("the field \"%1\" is missing or wrong").arg(key);
    }

    const QJsonObject &object_;
    QString fault_;
};

} // namespace

QByteArray RecoveryDocument::loadedContent() const
{
    QByteArray content;
    for (int i = 0; i < image.lineCount; ++i)
        content += image.hexLines[static_cast<std::size_t>(i)].toUtf8() + "\r\n";
    return content;
}

QByteArray RecoveryDocument::toBytes() const
{
    QJsonObject object;
    object.insert(QStringLiteral("format"), Format);
    object.insert(QStringLiteral("version"), Version);
    object.insert(QStringLiteral("file"), filePath);
    object.insert(QStringLiteral("written"), written.toUTC().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("lines"), textArray(image.hexLines, static_cast<std::size_t>(image.lineCount)));
    object.insert(QStringLiteral("rom"), textArray(image.rom, FirmwareImage::RomSize));
    object.insert(QStringLiteral("eeprom"), textArray(image.eeprom, FirmwareImage::EepromSize));
    object.insert(QStringLiteral("id"), image.idText);
    object.insert(QStringLiteral("config"), image.configText);
    object.insert(QStringLiteral("romTop"), image.romTop);
    object.insert(QStringLiteral("eepromTop"), image.eepromTop);
    object.insert(QStringLiteral("address"), textArray(addressTexts, Slots));
    object.insert(QStringLiteral("function"), textArray(functionTexts, Slots));
    QJsonArray outputs;
    for (const bool g : green)
        outputs.append(g);
    object.insert(QStringLiteral("green"), outputs);
    object.insert(QStringLiteral("damage"), QJsonArray::fromStringList(damageFindings));
    QJsonArray copies;
    for (const FrameCopy &c : frameCopies) {
        if (c.copy)
            copies.append(QJsonObject{{QStringLiteral("frame"), c.frame}, {QStringLiteral("copy"), c.copy->toJson()}});
    }
    object.insert(QStringLiteral("frames"), copies);
    if (base)
        object.insert(QStringLiteral("base"), base->toJson());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

RecoveryDocument::ReadResult RecoveryDocument::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() > MaxFileSize)
        return QStringLiteral("the file is too big");
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return QStringLiteral("the file is no recovery file");
    const QJsonObject object = json.object();
    if (object.value(QStringLiteral("format")).toString() != Format)
        return QStringLiteral("the file is no recovery file");
    if (object.value(QStringLiteral("version")).toInt(-1) != Version)
        return QStringLiteral("the file's version is not known");

    auto doc = std::make_unique<RecoveryDocument>();
    FieldReader read(object);
    doc->filePath = read.text(QStringLiteral("file"), MaxEditTextLength);
    doc->written = QDateTime::fromString(read.text(QStringLiteral("written"), 64), Qt::ISODateWithMs);
    FirmwareImage &image = doc->image;
    image.lineCount = static_cast<int>(
        read.texts(QStringLiteral("lines"), 0, FirmwareImage::MaxLines, MaxLineLength,
                   [&image](qsizetype i, const QString &t) { image.hexLines[static_cast<std::size_t>(i)] = t; }));
    read.texts(QStringLiteral("rom"), FirmwareImage::RomSize, FirmwareImage::RomSize, MaxByteTextLength,
               [&image](qsizetype i, const QString &t) { image.rom[static_cast<std::size_t>(i)] = t; });
    read.texts(QStringLiteral("eeprom"), FirmwareImage::EepromSize, FirmwareImage::EepromSize, MaxByteTextLength,
               [&image](qsizetype i, const QString &t) { image.eeprom[static_cast<std::size_t>(i)] = t; });
    image.idText = read.text(QStringLiteral("id"), MaxLineLength);
    image.configText = read.text(QStringLiteral("config"), MaxLineLength);
    image.romTop = read.integer(QStringLiteral("romTop"), 0, FirmwareImage::RomSize - 1);
    image.eepromTop = read.integer(QStringLiteral("eepromTop"), 0, FirmwareImage::EepromSize - 1);
    read.texts(QStringLiteral("address"), Slots, Slots, MaxEditTextLength,
               [&doc](qsizetype i, const QString &t) { doc->addressTexts[static_cast<std::size_t>(i)] = t; });
    read.texts(QStringLiteral("function"), Slots, Slots, MaxEditTextLength,
               [&doc](qsizetype i, const QString &t) { doc->functionTexts[static_cast<std::size_t>(i)] = t; });
    read.flags(QStringLiteral("green"), doc->green);
    read.texts(QStringLiteral("damage"), 0, MaxFindings, MaxEditTextLength,
               [&doc](qsizetype, const QString &t) { doc->damageFindings.append(t); });
    read.frameCopies(QStringLiteral("frames"), doc->frameCopies);
    if (object.contains(QStringLiteral("base"))) {
        doc->base = FileFingerprint::fromJson(object.value(QStringLiteral("base")));
        if (!doc->base)
            return QStringLiteral("the field \"base\" is missing or wrong");
    }
    if (read.failed())
        return read.fault();
    if (!doc->written.isValid())
        return QStringLiteral("the field \"written\" is missing or wrong");
    return doc;
}

bool RecoveryDocument::isNewerVersion(const QByteArray &bytes)
{
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    return object.value(QStringLiteral("format")).toString() == Format
        && object.value(QStringLiteral("version")).toInt(-1) > Version;
}
