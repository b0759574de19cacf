#pragma once

#include "framework/canvasbits.h"
#include "framework/gdi/types.h"

#include <cstdint>

struct TDibBits;

// Stretches the source rectangle of a palette bitmap (pixels, rows counted
// from the top of the picture) onto the device rectangle of the canvas,
// nearest neighbour: destination pixel i of n takes source pixel
// left + floor((2i + 1) * width / (2n)), the source pixel under its centre.
// A destination given right to left or bottom to top mirrors the picture.
// SRCINVERT XORs the palette colour into the canvas; SRCCOPY copies it.
// Source pixels outside the bitmap leave the canvas as it is.
void StretchDibToCanvas(const TCanvasBits& canvas, const TRect& device, const TDibBits& source,
                        const TRect& sourceRect, std::uint32_t rop);
