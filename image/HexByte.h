#pragma once
#include <QString>
#include <QStringView>
#include <array>

// Value 0..255 of a two-character hex text. Looks at the first two characters
// only and does not validate: 'A'..'F' / 'a'..'f' count 10..15, every other
// character its low four bits ("G0" gives 112). A missing character counts 0.
int HexByteValue(QStringView text);

// The 256 texts "00".."FF"; index = byte value. Every number written into the
// image goes through this table.
using HexByteTable = std::array<QString, 256>;
const HexByteTable &hexByteTable();
inline const QString &hexByte(int value) { return hexByteTable()[static_cast<unsigned>(value) & 0xFFu]; }

// True when every character of the text is a hexadecimal digit.
bool isHexText(QStringView text);
