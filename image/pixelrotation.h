#pragma once

#include "framework/gdi/types.h"
#include "framework/gdi/usermessage.h"

#include <cmath>
#include <cstdint>
#include <vector>

class TDib;

// Turning the background image's pixels by a small angle: every
// pixel (padding pixels included) that differs from the picture's most
// frequent value is moved on its own to its nearest turned place, and
// places no pixel reaches take that value. The picture turns from its
// bits, packed as they are, straight into a new block that then takes
// their place, so a turn needs one more picture's memory whatever the bit
// count. Lengths and indexes are 64-bit throughout.

// Nearest integer, halves rounded down: 2.5 gives 2, -2.5 gives -3.
inline double RoundHalfDown(double v) {
    const double low = std::floor(v);
    return v - low > 0.5 ? low + 1.0 : low;
}

// The most frequent of every step-th byte, step = length / samples, from
// data[0] up to but not including the last byte; samples outside
// 1..length become min(length, 256). Equal counts: the smallest value.
// 0 for no data at all.
std::uint8_t MostFrequentValue(const std::uint8_t* data, std::int64_t length, int samples);

// One byte (0 or 1) per bit, bit 7 of each packed byte first; `count`
// pixels are produced.
void UnpackPixels1(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count);
// One byte (0 to 15) per nibble, high nibble first; `count` pixels.
void UnpackPixels4(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count);
// Eight pixels' lowest bits to one byte, the first pixel to bit 7; `count`
// packed bytes are produced.
void PackPixels1(const std::uint8_t* pixels, std::uint8_t* packed, std::int64_t count);
// Two pixels' low nibbles to one byte, the first pixel high; `count`
// packed bytes.
void PackPixels4(const std::uint8_t* pixels, std::uint8_t* packed, std::int64_t count);

// Moves every source pixel other than `background` of the width x height
// matrix (row 0 first, rows going up) to its place turned about
// (centreX, centreY) by the angle of sine `sine` and cosine sign `cosSign`;
// rows are scaled by `aspect` (x resolution / y resolution) before turning
// and back after it, so the turn is true in physical units. Positive sines
// turn counter-clockwise. The target is first filled with the background;
// a later pixel overwrites an earlier one; a pixel whose linear index falls
// outside the matrix is dropped. Throws std::invalid_argument ("Rotate2DMatrix
// error: Invalid argument") for a sine outside [-1, 1] or NaN, a cosine sign
// other than 1 or -1, an aspect that is not finite and positive, or a
// negative size; nothing is changed then.
void Rotate2DMatrix(const std::uint8_t* source, std::uint8_t* target, int width, int height,
                    int centreX, int centreY, std::uint8_t background, double sine, int cosSign,
                    double aspect);

// Turns the image's pixel bits about `centre` (column, and row counted from
// the bottom of the picture: the left and top of the shown part). The
// header, colour table and size stay; the image's block is a new one after
// a turn, so pointers into the old one must be taken again. Returns the messages to
// show: a warning about the resolution fields (turning goes on with square
// pixels), or the refusal that left the image unchanged. An invalid sine
// passes Rotate2DMatrix's std::invalid_argument on, the image unchanged.
std::vector<TUserMessage> RotateImage(TDib& dib, TPoint centre, double sine, int cosSign);
