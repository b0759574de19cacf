#include "framework/dibblit.h"
#include "framework/gdi/dc.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 2 x 2 four-bit picture, rows bottom-up: top row indexes 1 2, bottom 3 0.
struct TSmallDib {
    std::uint8_t Palette[4 * 4] = {0, 0, 0, 0,    0, 0, 255, 0,   // black, red
                                   0, 255, 0, 0,  255, 0, 0, 0};  // green, blue
    std::uint8_t Bits[8] = {0x30, 0, 0, 0, 0x12, 0, 0, 0};
    TDibBits Source() const { return {2, 2, 4, Palette, 4, Bits}; }
};

struct TCanvas {
    TCanvas(int w, int h) : Pixels(static_cast<std::size_t>(w * h), 0xFF000000u), W(w), H(h) {}
    TCanvasBits Bits() { return {Pixels.data(), W, W, H}; }
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * W + x)]; }
    std::vector<std::uint32_t> Pixels;
    int W, H;
};

TEST(DibBlit, StretchesNearestNeighbourTheRightWayUp) {
    TSmallDib dib;
    TCanvas canvas(4, 4);
    StretchDibToCanvas(canvas.Bits(), {0, 0, 4, 4}, dib.Source(), {0, 0, 2, 2}, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 0), 0xFFFF0000u); // red, top left
    EXPECT_EQ(canvas.At(1, 1), 0xFFFF0000u);
    EXPECT_EQ(canvas.At(2, 0), 0xFF00FF00u); // green, top right
    EXPECT_EQ(canvas.At(0, 3), 0xFF0000FFu); // blue, bottom left
    EXPECT_EQ(canvas.At(3, 3), 0xFF000000u);
}

TEST(DibBlit, BottomToTopDestinationMirrorsAndXorUndoesItself) {
    TSmallDib dib;
    TCanvas canvas(4, 4);
    StretchDibToCanvas(canvas.Bits(), {0, 4, 4, 0}, dib.Source(), {0, 0, 2, 2}, SRCINVERT);
    EXPECT_EQ(canvas.At(0, 3), 0xFFFF0000u); // red now at the bottom
    StretchDibToCanvas(canvas.Bits(), {0, 4, 4, 0}, dib.Source(), {0, 0, 2, 2}, SRCINVERT);
    for (std::uint32_t p : canvas.Pixels)
        EXPECT_EQ(p, 0xFF000000u);
}

TEST(DibBlit, SamplesTheSourcePixelUnderEachCentre) {
    TSmallDib dib;
    TCanvas canvas(3, 1);
    // Source columns 0..1 onto 3 pixels: centres at 1/3, 1, 5/3 of a source
    // pixel take columns 0, 1, 1.
    StretchDibToCanvas(canvas.Bits(), {0, 0, 3, 1}, dib.Source(), {0, 0, 2, 1}, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(canvas.At(1, 0), 0xFF00FF00u);
    EXPECT_EQ(canvas.At(2, 0), 0xFF00FF00u);
}

TEST(DibBlit, LeavesTheCanvasAloneOutsideTheSourceAndForEmptyRects) {
    TSmallDib dib;
    TCanvas canvas(4, 1);
    StretchDibToCanvas(canvas.Bits(), {0, 0, 4, 1}, dib.Source(), {1, 0, 5, 1}, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 0), 0xFF00FF00u);
    EXPECT_EQ(canvas.At(1, 0), 0xFF000000u); // column 2 lies outside the picture
    StretchDibToCanvas(canvas.Bits(), {-100, -100, 100, 100}, dib.Source(), {1, 0, 1, 2}, SRCCOPY);
    EXPECT_EQ(canvas.At(1, 0), 0xFF000000u);
}

} // namespace
