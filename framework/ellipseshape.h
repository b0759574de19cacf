#pragma once

#include "framework/gdi/gdiobjects.h"

#include <vector>

// The pixels of an ellipse filling a w x h box, worked out once and drawn
// many times (a curve's symbols all have one size): the outline pixels the
// pen's pattern leaves on, also as runs along the rows, and the interior as
// one span a row. The outline is every pixel of the filled shape with a
// 4-neighbour outside it, so the two sets never overlap and XOR drawing
// touches each pixel once.
class TEllipseShape {
public:
    struct TPixel {
        int X, Y;
    };
    struct TSpan {
        int Y, Left, Right; // Right inclusive
    };

    TEllipseShape(int width, int height, TPenStyle style);

    bool Matches(int width, int height, TPenStyle style) const {
        return width == Width && height == Height && style == Style;
    }
    const std::vector<TPixel>& Outline() const { return OutlinePixels; }
    // The same pixels as runs along the rows, top row first.
    const std::vector<TSpan>& OutlineSpans() const { return OutlineRuns; }
    const std::vector<TSpan>& Interior() const { return InteriorSpans; }
    // Every row of the filled shape, outline included (for a null pen).
    const std::vector<TSpan>& Filled() const { return FilledSpans; }

private:
    int Width, Height;
    TPenStyle Style;
    std::vector<TPixel> OutlinePixels;
    std::vector<TSpan> OutlineRuns;
    std::vector<TSpan> InteriorSpans;
    std::vector<TSpan> FilledSpans;
};
