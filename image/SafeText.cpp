#include "image/SafeText.h"

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters that reorder or break what follows them on screen: the
// bidirectional marks, embeddings, overrides and isolates, and the line and
// paragraph separators. A name holding one can show as another name.
bool isLayoutControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Characters that show as nothing, the format characters: zero-width space
// and joiners, word joiner, soft hyphen, byte-order mark, tags and the like.
// A name holding one looks like the name without it. (The bidirectional marks
// are among them.) A character beyond U+FFFF is looked at from either half.
bool isInvisibleFormat(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::category(QChar::surrogateToUcs4(c, text[i + 1])) == QChar::Other_Format;
    if (c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
        return QChar::category(QChar::surrogateToUcs4(text[i - 1], c)) == QChar::Other_Format;
    return c.category() == QChar::Other_Format;
}

// A byte of a file name that is no UTF-8, as pathFromBytes() keeps it.
bool isEscapedByte(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

bool isLoneSurrogate(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

bool needsEscape(const QString &text, qsizetype i, bool keepLineBreaks)
{
    const char16_t c = text[i].unicode();
    if (c == u'\n')
        return !keepLineBreaks;
    return isControl(c) || isLayoutControl(c) || isLoneSurrogate(text, i) || isInvisibleFormat(text, i);
}

QString hex(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString escape(const QString &text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (isControl(c))
        return QStringLiteral("\\x") + hex(c, 2);
    if (isEscapedByte(c))
        return QStringLiteral("\\x") + hex(c - 0xDC00, 2);
    return QStringLiteral("\\u") + hex(c, 4);
}

QString piece(const QString &text, qsizetype i, bool keepLineBreaks)
{
    return needsEscape(text, i, keepLineBreaks) ? escape(text, i) : QString(text[i]);
}

} // namespace

QString escapedText(const QString &text, bool keepLineBreaks)
{
    qsizetype i = 0;
    while (i < text.size() && !needsEscape(text, i, keepLineBreaks))
        ++i;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    for (; i < text.size(); ++i)
        out += piece(text, i, keepLineBreaks);
    return out;
}

QString quotedLine(const QString &line, int maxChars)
{
    // Only as much of the line is looked at as can be shown: a huge line costs
    // no more than a short one. An escape is never cut in two.
    QString shown;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QString next = piece(line, i, false);
        if (shown.size() + next.size() > maxChars)
            return shown + QStringLiteral("…");
        shown += next;
    }
    return shown;
}

bool holdsRawControl(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && needsEscape(text, i, true))
            return true;
    }
    return false;
}
