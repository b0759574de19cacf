#pragma once

#include "framework/gdi/types.h"

#include <array>
#include <cstdint>

// The arithmetic of the rotation slider and its preview frame, free of any
// window: the slider position to the pending rotation (the sine of the turn
// times the graph extent, 8668), that rotation to a sine, and the corners of
// the graph square turned by it. The window draws the frame and applies the
// turn; these only say by how much.

// The neutral position of the rotation slider, whose range is 0..100.
inline constexpr int RotationSliderMiddle = 50;

// Position 0 (top) gives 541, 50 gives 0, 100 (bottom) gives -541:
// (50 - p) * 8668 / 100 in integers, then an eighth of it, both truncated
// toward zero.
int SliderPendingRotation(int position);

// The sine a pending rotation stands for: pendingRotation / 8668, the
// divisor taken as the extended-precision reciprocal.
double PendingRotationSine(int pendingRotation);

// How much longer on the screen a physical length along the picture's x is
// than the same length along its y: the shown part `shown` (picture pixels)
// is stretched onto a square, and a pixel is 1/xPelsPerMeter wide and
// 1/yPelsPerMeter high (both taken as equal when either is not above 0, as
// the pixel turn takes them). 1 for an empty shown part.
double PictureStretch(const TRect& shown, std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter);

// The corners (0, 8668), (8668, 8668) and (8668, 0) of the graph square,
// turned counter-clockwise about the origin by the pending rotation's
// angle the way the pixels will be turned: in the picture's physical units,
// then mapped back to the window, which stretches them by `stretch`
// (PictureStretch). An uneven stretch makes the square a parallelogram
// whose edges lie where the picture's axes must be for the turn to make
// them straight. Each coordinate is rounded with halves going down and
// kept within a few times the logical square. The fourth corner, the
// origin, stays.
std::array<TPoint, 3> TurnedGraphSquareCorners(int pendingRotation, double stretch = 1.0);
