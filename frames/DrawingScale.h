#pragma once

// The scales of the editors' drawing surfaces, shared by the pattern strips
// and the curve diagram: a value runs over 128 units of a surface's height,
// and the steps (or points) share its width less 10 pixels. Both are 32-bit
// floats, as every product with them is formed from the float values.
namespace DrawingScale {

// Pixels per value unit: height / 128.
float valueScale(int height);
// Pixels per step: (width - 10) / steps; no steps count as one.
float stepWidth(int width, int steps);

} // namespace DrawingScale
