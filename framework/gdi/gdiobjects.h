#pragma once

#include "framework/gdi/types.h"

#include <cstdint>

// Descriptions of pens and brushes as GDI knows them, plus the mode and
// raster-operation constants a device context takes. A pen or brush here is
// a value: selecting one into a TDC copies it, and the previous one comes
// back so the caller can restore it.

enum TPenStyle : int {
    PS_SOLID = 0,
    PS_DASH = 1,       // 18 on, 6 off
    PS_DOT = 2,        // 3 on, 3 off
    PS_DASHDOT = 3,    // 9, 6, 3, 6
    PS_DASHDOTDOT = 4, // 9, 3, 3, 3, 3, 3
    PS_NULL = 5,
};

enum TBrushStyle : int {
    BS_SOLID = 0,
    BS_HOLLOW = 1,
};

enum TMapMode : int {
    MM_TEXT = 1,
    MM_ANISOTROPIC = 8,
};

// Binary raster operations (mix modes) with GDI's numbers.
enum TRop2 : int {
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_COPYPEN = 13,
};

enum TBkMode : int {
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// Ternary raster operations used with StretchBlt.
enum TRasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020u,
    SRCINVERT = 0x00660046u,
};

struct TPen {
    TColor Color{0, 0, 0};
    int Width = 1;
    TPenStyle Style = PS_SOLID;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color{255, 255, 255};
    TBrushStyle Style = BS_SOLID;
    static constexpr TBrush Hollow() { return TBrush{TColor{}, BS_HOLLOW}; }
    friend bool operator==(const TBrush&, const TBrush&) = default;
};
