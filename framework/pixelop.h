#pragma once

#include "framework/gdi/gdiobjects.h"

#include <algorithm>
#include <cstdint>

// What one drawn pixel does to the canvas under a mix mode: copy the colour,
// XOR its colour bits into the pixel (alpha untouched), or invert the pixel.
// Canvas pixels are 0xAARRGGBB words.
struct TPixelOp {
    int Rop2 = R2_COPYPEN;
    std::uint32_t Rgb = 0; // 0x00RRGGBB

    static constexpr std::uint32_t ToRgb(TColor c) {
        return (static_cast<std::uint32_t>(c.Red()) << 16) |
               (static_cast<std::uint32_t>(c.Green()) << 8) | static_cast<std::uint32_t>(c.Blue());
    }

    void Apply(std::uint32_t& pixel) const {
        switch (Rop2) {
        case R2_XORPEN:
            pixel ^= Rgb;
            break;
        case R2_NOT:
            pixel ^= 0x00FFFFFFu;
            break;
        default:
            pixel = 0xFF000000u | Rgb;
            break;
        }
    }

    void ApplyRun(std::uint32_t* first, int count) const {
        switch (Rop2) {
        case R2_XORPEN:
            for (int i = 0; i < count; ++i)
                first[i] ^= Rgb;
            break;
        case R2_NOT:
            for (int i = 0; i < count; ++i)
                first[i] ^= 0x00FFFFFFu;
            break;
        default:
            std::fill(first, first + count, 0xFF000000u | Rgb);
            break;
        }
    }
};
