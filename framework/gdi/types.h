#pragma once

#include <cstdint>

// Plain GDI value types: integer points, sizes and rectangles in whatever
// coordinate space the caller works in, and a 32-bit colour with red in the
// low byte, green in the next and blue in the third (the COLORREF layout the
// settings file and the colour dialog exchange).

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int Cx = 0;
    int Cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Swaps edges so that Left <= Right and Top <= Bottom.
    TRect Normalized() const;
    friend bool operator==(const TRect&, const TRect&) = default;
};

class TColor {
public:
    constexpr TColor() = default;
    constexpr TColor(int red, int green, int blue)
        : Value(static_cast<std::uint32_t>(red & 0xFF) |
                (static_cast<std::uint32_t>(green & 0xFF) << 8) |
                (static_cast<std::uint32_t>(blue & 0xFF) << 16)) {}
    static constexpr TColor FromColorRef(std::uint32_t colorRef) {
        TColor c;
        c.Value = colorRef & 0x00FFFFFFu;
        return c;
    }
    constexpr int Red() const { return static_cast<int>(Value & 0xFF); }
    constexpr int Green() const { return static_cast<int>((Value >> 8) & 0xFF); }
    constexpr int Blue() const { return static_cast<int>((Value >> 16) & 0xFF); }
    constexpr std::uint32_t ColorRef() const { return Value; }
    friend constexpr bool operator==(const TColor&, const TColor&) = default;

private:
    std::uint32_t Value = 0;
};

// Black or white, whichever stands out more against the background by
// relative luminance (sRGB): lines drawn straight onto it stay visible.
TColor ContrastingColor(TColor background);
