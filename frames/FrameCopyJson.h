#pragma once
#include <QJsonArray>
#include <QJsonValue>
#include <optional>

// What the working copies' JSON forms share: arrays of whole numbers, each
// read back only when it is a whole number within its range.
namespace FrameCopyJson {

template <class Numbers> QJsonArray numbers(const Numbers &values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

// The value as a whole number within low..high; none for anything else.
std::optional<int> wholeNumber(const QJsonValue &value, int low, int high);

// Fills out (a container of int of a fixed size) from an array of exactly
// out.size() whole numbers within low..high; false (out partly filled) otherwise.
template <class Numbers> bool readNumbers(const QJsonValue &value, int low, int high, Numbers &out)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != static_cast<qsizetype>(out.size()))
        return false;
    qsizetype i = 0;
    for (int &number : out) {
        const std::optional<int> read = wholeNumber(array.at(i++), low, high);
        if (!read)
            return false;
        number = *read;
    }
    return true;
}

} // namespace FrameCopyJson
