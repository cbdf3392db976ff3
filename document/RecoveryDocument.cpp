#include "document/RecoveryDocument.h"

#include "settings/EditorKinds.h"
#include "frames/FrameCopyJson.h"

#include <QCoreApplication>
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

// The editors that keep a working copy: at most one copy of each.
std::size_t editorsWithCopies()
{
    const auto kinds = editorKinds();
    return static_cast<std::size_t>(std::count_if(kinds.begin(), kinds.end(), [](const EditorKind &k) { return k.readCopy; }));
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

    // The file's bytes in Base64, at most a recovery file's size; absent in
    // files written before they were kept.
    QByteArray bytes(const QString &key)
    {
        if (!object_.contains(key))
            return {};
        const QJsonValue value = object_.value(key);
        const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!value.isString() || !decoded || decoded.decoded.size() > RecoveryDocument::MaxFileSize)
            return fail(key), QByteArray();
        return decoded.decoded;
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
        if (!value.isArray() || array.size() > static_cast<qsizetype>(editorsWithCopies()))
            return fail(key);
        for (const QJsonValue &entry : array) {
            const QJsonObject object = entry.toObject();
            const QString frame = object.value(QStringLiteral("frame")).toString();
            const EditorKind *kind = editorKindNamed(frame);
            const bool taken = std::any_of(out.begin(), out.end(), [&frame](const auto &c) { return c.frame == frame; });
            if (!entry.isObject() || object.size() != 2 || !kind || !kind->readCopy || taken)
                return fail(key);
            std::shared_ptr<const FrameState> copy = kind->readCopy(object.value(QStringLiteral("copy")));
            if (!copy)
                return fail(QStringLiteral("%1\" of \"%2").arg(key, frame));
            out.push_back({frame, std::move(copy)});
        }
    }

private:
    void fail(const QString &key)
    {
        if (fault_.isEmpty())
            fault_ = QCoreApplication::translate("RecoveryDocument", "das Feld \"%1\" fehlt oder ist falsch").arg(key);
    }

    const QJsonObject &object_;
    QString fault_;
};

} // namespace

RecoveryDocument RecoveryDocument::of(const DecoderDocument &document, const QDateTime &written)
{
    RecoveryDocument kept;
    kept.filePath = document.identity().path;
    kept.fileContent = document.identity().content;
    kept.damageFindings = document.identity().damageFindings;
    kept.written = written;
    kept.image = document.session().image;
    kept.addressTexts = document.addressTexts();
    kept.functionTexts = document.functionTexts();
    for (std::size_t s = 0; s < Slots; ++s)
        kept.green[s] = document.session().slotValues[s].green;
    for (const DecoderDocument::EditorCopy &c : document.editorCopies())
        kept.frameCopies.push_back({c.editor, c.copy});
    return kept;
}

DecoderDocument::Edits RecoveryDocument::edits() const
{
    DecoderDocument::Edits edits;
    edits.image = std::make_shared<const ImageSnapshot>(image);
    edits.addressTexts = addressTexts;
    edits.functionTexts = functionTexts;
    edits.green = green;
    for (const FrameCopy &c : frameCopies)
        edits.editors.push_back({c.frame, c.copy});
    return edits;
}

QByteArray RecoveryDocument::loadedContent() const
{
    if (!fileContent.isEmpty())
        return fileContent;
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
    if (!fileContent.isEmpty())
        object.insert(QStringLiteral("content"), QString::fromLatin1(fileContent.toBase64()));
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
        return QCoreApplication::translate("RecoveryDocument", "die Datei ist zu groß");
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return QCoreApplication::translate("RecoveryDocument", "die Datei ist keine Wiederherstellungsdatei");
    const QJsonObject object = json.object();
    if (object.value(QStringLiteral("format")).toString() != Format)
        return QCoreApplication::translate("RecoveryDocument", "die Datei ist keine Wiederherstellungsdatei");
    if (object.value(QStringLiteral("version")).toInt(-1) != Version)
        return QCoreApplication::translate("RecoveryDocument", "die Version der Datei ist unbekannt");

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
    doc->fileContent = read.bytes(QStringLiteral("content"));
    if (object.contains(QStringLiteral("base"))) {
        doc->base = FileFingerprint::fromJson(object.value(QStringLiteral("base")));
        if (!doc->base)
            return QCoreApplication::translate("RecoveryDocument", "das Feld \"base\" fehlt oder ist falsch");
    } else if (!doc->fileContent.isEmpty()) {
        // Written before the fingerprint was: the bytes kept tell what the
        // file held; it was last changed no later than the work was kept.
        doc->base = FileFingerprint::ofContent(doc->fileContent, doc->written);
    }
    if (read.failed())
        return read.fault();
    if (!doc->written.isValid())
        return QCoreApplication::translate("RecoveryDocument", "das Feld \"written\" fehlt oder ist falsch");
    return doc;
}

bool RecoveryDocument::isNewerVersion(const QByteArray &bytes)
{
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    return object.value(QStringLiteral("format")).toString() == Format
        && object.value(QStringLiteral("version")).toInt(-1) > Version;
}
