#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QJsonValue>
#include <QString>
#include <optional>

// What a file held at one moment, to tell later whether another program
// changed it: its SHA-256, its size and the time it was last modified.
// The content decides; the time only tells the user when.
struct FileFingerprint {
    QByteArray sha256; // hex digits
    qint64 size = 0;
    QDateTime modified;

    // The fingerprint of the file now; none when it cannot be read.
    static std::optional<FileFingerprint> of(const QString &path);
    // The fingerprint of bytes a file held, last modified at modified.
    static FileFingerprint ofContent(const QByteArray &content, const QDateTime &modified);
    bool sameContentAs(const FileFingerprint &other) const { return size == other.size && sha256 == other.sha256; }

    // As a JSON object {"sha256", "size", "modified"}; reading refuses
    // anything else.
    QJsonValue toJson() const;
    static std::optional<FileFingerprint> fromJson(const QJsonValue &value);
};
