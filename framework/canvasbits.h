#pragma once

#include <cstdint>

// Direct access to a 32-bit canvas: rows of Width pixels, Stride words
// apart, top row first. The drawing code below Qt's level writes through it.
struct TCanvasBits {
    std::uint32_t* Bits = nullptr;
    int Stride = 0;
    int Width = 0;
    int Height = 0;

    std::uint32_t* Row(int y) const { return Bits + static_cast<std::ptrdiff_t>(y) * Stride; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};
