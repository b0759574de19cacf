#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture's pixels as plain rows in memory, top row first, for
// the code that turns them into a bitmap: 1 bit a pixel (most significant
// bit leftmost, indexes into Palette), 8 bits (indexes into Palette) or
// 32 bits (one 0xAARRGGBB value a pixel, alpha not premultiplied). The
// memory belongs to whoever handed out the view.
struct TPixelRows {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    const std::uint8_t* Top = nullptr;
    std::ptrdiff_t Stride = 0; // bytes from the start of one row to the next
    // 0xAARRGGBB entries for 1 and 8 bits (alpha not premultiplied); empty
    // for 32 bits.
    std::vector<std::uint32_t> Palette;
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;

    const std::uint8_t* Row(int y) const { return Top + static_cast<std::ptrdiff_t>(y) * Stride; }
};
