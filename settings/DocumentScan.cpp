#include "settings/DocumentScan.h"

#include "image/SafeText.h"

#include <QCoreApplication>
#include <QSet>

namespace Settings {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// The code point of a raw control character at p (C0, DEL, or C1 in UTF-8),
// or -1.
int rawControlAt(const char *p, const char *end)
{
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20 || c == 0x7F)
        return c;
    if (c == 0xC2 && end - p >= 2) {
        const auto next = static_cast<unsigned char>(p[1]);
        if (next >= 0x80 && next <= 0x9F)
            return next;
    }
    return -1;
}

QChar unescaped(char c)
{
    switch (c) {
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    default: return QLatin1Char(c);
    }
}

Fault rawControlFault(const QString &path, int control)
{
    const QString code = QStringLiteral("%1").arg(control, 4, 16, QLatin1Char('0')).toUpper();
    return Fault{path, QCoreApplication::translate("SettingsDocument", "rohes Steuerzeichen U+%1 in einem Text: JSON schreibt es als \\u%1").arg(code)};
}

// Walks a JSON text that QJsonDocument has read, value by value, with the
// path of each value.
class Scan {
public:
    explicit Scan(const QByteArray &text) : p_(text.constData()), end_(p_ + text.size()) {}

    std::optional<Fault> value(const QString &path)
    {
        skipBlanks();
        if (p_ >= end_)
            return std::nullopt;
        switch (*p_) {
        case '{': return object(path);
        case '[': return array(path);
        case '"': return string(path, nullptr);
        default: break;
        }
        while (p_ < end_ && !isBlank(*p_) && *p_ != ',' && *p_ != ']' && *p_ != '}')
            ++p_;
        return std::nullopt;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    void skipBlanks()
    {
        while (p_ < end_ && isBlank(*p_))
            ++p_;
    }

    // After a member or an element: true at the end of the object or array.
    bool closes(char last)
    {
        skipBlanks();
        if (p_ < end_ && *p_ == ',') {
            ++p_;
            return false;
        }
        if (p_ < end_ && *p_ == last)
            ++p_;
        return true;
    }

    std::optional<Fault> object(const QString &path)
    {
        ++p_;
        QSet<QString> keys;
        skipBlanks();
        if (p_ < end_ && *p_ == '}') {
            ++p_;
            return std::nullopt;
        }
        do {
            skipBlanks();
            QString key;
            if (p_ >= end_)
                return std::nullopt;
            if (auto fault = string(path, &key))
                return fault;
            skipBlanks();
            if (p_ < end_ && *p_ == ':')
                ++p_;
            const QString at = pathOf(path, escapedText(key));
            if (keys.contains(key))
                return Fault{at, QCoreApplication::translate("SettingsDocument", "doppelt angegeben: ein Dokument nennt jede Einstellung einmal")};
            keys.insert(key);
            if (auto fault = value(at))
                return fault;
        } while (!closes('}'));
        return std::nullopt;
    }

    std::optional<Fault> array(const QString &path)
    {
        ++p_;
        skipBlanks();
        if (p_ < end_ && *p_ == ']') {
            ++p_;
            return std::nullopt;
        }
        int index = 0;
        do {
            if (auto fault = value(pathOf(path, index++)))
                return fault;
        } while (!closes(']'));
        return std::nullopt;
    }

    // A text from its opening quote; its characters, escapes resolved, go
    // into `decoded` when given.
    std::optional<Fault> string(const QString &path, QString *decoded)
    {
        ++p_;
        const char *piece = p_;
        const auto flush = [&] {
            if (decoded)
                decoded->append(QString::fromUtf8(piece, p_ - piece));
        };
        while (p_ < end_ && *p_ != '"') {
            if (const int control = rawControlAt(p_, end_); control >= 0)
                return rawControlFault(path, control);
            if (*p_ != '\\') {
                ++p_;
                continue;
            }
            flush();
            if (++p_ >= end_)
                break;
            if (*p_ == 'u' && end_ - p_ >= 5) {
                if (decoded)
                    decoded->append(QChar(static_cast<char16_t>(QByteArray(p_ + 1, 4).toUShort(nullptr, 16))));
                p_ += 5;
            } else {
                if (decoded)
                    decoded->append(unescaped(*p_));
                ++p_;
            }
            piece = p_;
        }
        flush();
        if (p_ < end_)
            ++p_;
        return std::nullopt;
    }

    const char *p_;
    const char *end_;
};

} // namespace

QByteArray withoutByteOrderMark(const QByteArray &text)
{
    return text.startsWith(ByteOrderMark) ? text.mid(ByteOrderMark.size()) : text;
}

std::optional<Fault> saysEachThingOnce(const QByteArray &json)
{
    const QByteArray text = withoutByteOrderMark(json);
    return Scan(text).value(QString());
}

bool isDocumentText(const QByteArray &content)
{
    return withoutByteOrderMark(content).trimmed().startsWith('{');
}

} // namespace Settings
