#include "frames/FrameCopyJson.h"

namespace FrameCopyJson {

std::optional<int> wholeNumber(const QJsonValue &value, int low, int high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace FrameCopyJson
