#include "frames/DrawingScale.h"

#include <algorithm>

namespace DrawingScale {

float valueScale(int height)
{
    return static_cast<float>(height) * 0.0078125f;
}

float stepWidth(int width, int steps)
{
    return static_cast<float>(width - 10) / static_cast<float>(std::max(steps, 1));
}

} // namespace DrawingScale
