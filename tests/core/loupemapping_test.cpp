#include "core/loupemapping.h"
#include "core/mousemapping.h"
#include "framework/gdi/recordingdc.h"

#include <gtest/gtest.h>

namespace {

struct LoupeCase {
    TSize Client;
    TPoint Pointer;
    int Magnification;
    TSize Loupe;
};

class Loupe : public ::testing::TestWithParam<LoupeCase> {};

// The pointer's logical point sits at the loupe's centre, and the loupe's
// finer positions refine, never contradict, the client pixel grid.
TEST_P(Loupe, CentreIsThePointerAndItsPixelsRefineTheClientGrid) {
    const LoupeCase& c = GetParam();
    const int m = c.Magnification;
    const TPoint centre{c.Loupe.Cx / 2, c.Loupe.Cy / 2};
    const TPoint logical = *ClientToLogical(c.Pointer, c.Client);

    TNullDC dc;
    PrepareLoupeDC(dc, c.Client, c.Pointer, m, c.Loupe);
    const TPoint onLoupe = dc.LogicalToDevice(logical);
    // Whole logical units lie up to one unit short of the pixel's corner.
    EXPECT_NEAR(onLoupe.X, centre.X, 1 + m * c.Client.Cx / 10000.0);
    EXPECT_NEAR(onLoupe.Y, centre.Y, 1 + m * c.Client.Cy / 10000.0);

    EXPECT_EQ(LoupeToLogical(centre, c.Client, c.Pointer, m, c.Loupe), logical);
    const TPoint nextPixel{c.Pointer.X + 1, c.Pointer.Y + 1};
    EXPECT_EQ(LoupeToLogical({centre.X + m, centre.Y + m}, c.Client, c.Pointer, m, c.Loupe),
              ClientToLogical(nextPixel, c.Client));
    // One loupe pixel right and down: at or past the pointer's point, short
    // of the next client pixel's.
    const TPoint fine =
        *LoupeToLogical({centre.X + 1, centre.Y + 1}, c.Client, c.Pointer, m, c.Loupe);
    const TPoint next = *ClientToLogical(nextPixel, c.Client);
    EXPECT_GE(fine.X, logical.X);
    EXPECT_LT(fine.X, next.X);
    EXPECT_LE(fine.Y, logical.Y);
    EXPECT_GT(fine.Y, next.Y);
}

INSTANTIATE_TEST_SUITE_P(Cases, Loupe,
                         ::testing::Values(LoupeCase{{1000, 800}, {500, 400}, 8, {200, 160}},
                                           LoupeCase{{1917, 1043}, {3, 1040}, 16, {201, 199}},
                                           LoupeCase{{640, 480}, {639, 0}, 4, {160, 160}}));

TEST(Loupe, FinerStepOnAThousandPixelClient) {
    // 10 logical units a client pixel, 1.25 a loupe pixel at 8x.
    const TSize client{1000, 1000}, loupe{100, 100};
    const TPoint pointer{500, 500};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(LoupeToLogical({50 + i, 50}, client, pointer, 8, loupe)->X, 4334 + i * 10 / 8);
}

TEST(Loupe, WheelWalksTheMagnificationsAndStopsAtTheEnds) {
    EXPECT_EQ(NextLoupeMagnification(4, 1), 8);
    EXPECT_EQ(NextLoupeMagnification(8, 1), 16);
    EXPECT_EQ(NextLoupeMagnification(16, 3), 16);
    EXPECT_EQ(NextLoupeMagnification(16, -1), 8);
    EXPECT_EQ(NextLoupeMagnification(4, -1), 4);
    EXPECT_EQ(NextLoupeMagnification(5, 1), 4) << "an unknown one starts again at 4";
}

} // namespace
