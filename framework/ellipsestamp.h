#pragma once

#include "framework/canvasbits.h"
#include "framework/ellipseshape.h"

#include <cstdint>
#include <vector>

// A filled ellipse with a solid one-pixel outline, in its two colours, row
// by row: the pixels its interior fill and its outline give, laid out to be
// copied onto a canvas one row at a time instead of filled run by run. A
// dense curve draws its one symbol hundreds of thousands of times.
class TEllipseStamp {
public:
    TEllipseStamp(int width, int height, std::uint32_t pen, std::uint32_t brush);

    bool Matches(int width, int height, std::uint32_t pen, std::uint32_t brush) const {
        return width == Width && height == Height && pen == Pen && brush == Brush;
    }
    // The box's top left corner at (left, top); the whole box lies on the
    // canvas.
    void CopyTo(const TCanvasBits& bits, int left, int top) const;

private:
    int Width, Height;
    std::uint32_t Pen, Brush;
    std::vector<TEllipseShape::TSpan> Rows;
    // The pixels of each row, one row after the other.
    std::vector<std::uint32_t> Pixels;
};
