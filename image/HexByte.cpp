#include "image/HexByte.h"

namespace {

int nibbleOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return u & 0x0F;
}

} // namespace

int HexByteValue(QStringView text)
{
    const int high = text.size() > 0 ? nibbleOf(text[0]) : 0;
    const int low = text.size() > 1 ? nibbleOf(text[1]) : 0;
    return 16 * high + low;
}

const HexByteTable &hexByteTable()
{
    static const HexByteTable table = [] {
        HexByteTable t;
        for (int v = 0; v < 256; ++v)
            t[v] = QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        return t;
    }();
    return table;
}

bool isHexText(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool digit = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
        if (!digit)
            return false;
    }
    return true;
}
