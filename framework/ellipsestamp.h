#pragma once

#include "framework/canvasbits.h"
#include "framework/ellipseshape.h"

#include <cstdint>
#include <optional>
#include <vector>

// An ellipse with a one-pixel outline in the pen's pattern and colour and,
// when filled, its interior in the brush's colour: the pixels both give, in
// runs along the rows that leave out what the pattern leaves alone, to be
// copied onto a canvas a run at a time instead of filled span by span. A
// dense curve draws its one symbol hundreds of thousands of times.
class TEllipseStamp {
public:
    TEllipseStamp(int width, int height, TPenStyle style, std::uint32_t pen,
                  std::optional<std::uint32_t> brush);

    bool Matches(int width, int height, TPenStyle style, std::uint32_t pen,
                 std::optional<std::uint32_t> brush) const {
        return width == Width && height == Height && style == Style && pen == Pen &&
               brush == Brush;
    }
    // The box's top left corner at (left, top); the whole box lies on the
    // canvas.
    void CopyTo(const TCanvasBits& bits, int left, int top) const;

private:
    int Width, Height;
    TPenStyle Style;
    std::uint32_t Pen;
    std::optional<std::uint32_t> Brush;
    std::vector<TEllipseShape::TSpan> Runs;
    // The pixels of each run, one run after the other.
    std::vector<std::uint32_t> Pixels;
};
