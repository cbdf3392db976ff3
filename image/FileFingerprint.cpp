#include "image/FileFingerprint.h"

#include "image/SafeFile.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString Sha256Key = QStringLiteral("sha256");
const QString SizeKey = QStringLiteral("size");
const QString ModifiedKey = QStringLiteral("modified");

bool isSha256Text(const QString &text)
{
    return text.size() == 64
        && std::all_of(text.begin(), text.end(), [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

} // namespace

std::optional<FileFingerprint> FileFingerprint::of(const QString &path)
{
    const InputFile file = readInputFile(path);
    if (file.error)
        return std::nullopt;
    return ofContent(file.content, QFileInfo(path).lastModified());
}

FileFingerprint FileFingerprint::ofContent(const QByteArray &content, const QDateTime &modified)
{
    FileFingerprint print;
    print.sha256 = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    print.size = content.size();
    print.modified = modified.toUTC();
    return print;
}

QJsonValue FileFingerprint::toJson() const
{
    return QJsonObject{{Sha256Key, QString::fromLatin1(sha256)},
                       {SizeKey, size},
                       {ModifiedKey, modified.toUTC().toString(Qt::ISODateWithMs)}};
}

std::optional<FileFingerprint> FileFingerprint::fromJson(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue size = object.value(SizeKey);
    const QString sha256 = object.value(Sha256Key).toString();
    if (!value.isObject() || object.size() != 3 || !isSha256Text(sha256) || !size.isDouble())
        return std::nullopt;
    const double bytes = size.toDouble();
    if (bytes < 0 || bytes > double(MaxInputFileSize) || bytes != double(qint64(bytes)))
        return std::nullopt;
    FileFingerprint print;
    print.sha256 = sha256.toLatin1();
    print.size = qint64(bytes);
    print.modified = QDateTime::fromString(object.value(ModifiedKey).toString(), Qt::ISODateWithMs);
    if (!print.modified.isValid())
        return std::nullopt;
    return print;
}
