#include "image/rotationframe.h"

#include "image/pixelrotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

TEST(SliderPendingRotation, ScalesThePositionToAnEighthOfTheTurnedExtent) {
    const std::pair<int, int> cases[] = {{0, 541}, {1, 530}, {25, 270}, {49, 10},
                                         {50, 0},  {51, -10}, {75, -270}, {100, -541}};
    for (auto [position, pending] : cases)
        EXPECT_EQ(SliderPendingRotation(position), pending) << position;
}

TEST(SliderPendingRotation, StaysWithinTheSinesTheKernelAccepts) {
    for (int position = 0; position <= 100; ++position) {
        const double sine = PendingRotationSine(SliderPendingRotation(position));
        EXPECT_LE(std::abs(sine), 0.0625) << position;
    }
}

TEST(PendingRotationSine, DividesByTheGraphExtent) {
    EXPECT_EQ(PendingRotationSine(0), 0.0);
    EXPECT_NEAR(PendingRotationSine(541), 0.062413, 1e-6);
    EXPECT_NEAR(PendingRotationSine(10), 0.001154, 1e-6);
    EXPECT_EQ(PendingRotationSine(-541), -PendingRotationSine(541));
    EXPECT_EQ(PendingRotationSine(8668), 1.0);
}

TEST(TurnedGraphSquareCorners, AreTheGraphSquareWhenNothingIsPending) {
    const auto corners = TurnedGraphSquareCorners(0);
    EXPECT_EQ(corners[0], (TPoint{0, 8668}));
    EXPECT_EQ(corners[1], (TPoint{8668, 8668}));
    EXPECT_EQ(corners[2], (TPoint{8668, 0}));
}

TEST(TurnedGraphSquareCorners, TurnCounterClockwiseForAPositiveRotation) {
    // s = 541/8668, 8668 c = 8651.1007: the square's top edge leans left.
    const auto up = TurnedGraphSquareCorners(541);
    EXPECT_EQ(up[0], (TPoint{-541, 8651}));
    EXPECT_EQ(up[1], (TPoint{8110, 9192}));
    EXPECT_EQ(up[2], (TPoint{8651, 541}));
    const auto down = TurnedGraphSquareCorners(-541);
    EXPECT_EQ(down[0], (TPoint{541, 8651}));
    EXPECT_EQ(down[1], (TPoint{9192, 8110}));
    EXPECT_EQ(down[2], (TPoint{8651, -541}));
}

TEST(TurnedGraphSquareCorners, RoundToTheNearestWholeUnit) {
    // 8668 c for s = 270/8668 is 8663.7939: up; the sine side is whole.
    const auto corners = TurnedGraphSquareCorners(270);
    EXPECT_EQ(corners[0], (TPoint{-270, 8664}));
    EXPECT_EQ(corners[2], (TPoint{8664, 270}));
}

TEST(PictureStretch, IsTheShownPartsHeightOverWidthTimesThePixelAspect) {
    EXPECT_DOUBLE_EQ(PictureStretch({0, 0, 926, 732}, 2835, 2835), 732.0 / 926);
    EXPECT_DOUBLE_EQ(PictureStretch({10, 20, 110, 70}, 5670, 2835), 2 * 50.0 / 100);
    EXPECT_DOUBLE_EQ(PictureStretch({0, 0, 100, 50}, 0, 2835), 0.5) << "as the turn takes it";
    EXPECT_DOUBLE_EQ(PictureStretch({5, 5, 5, 9}, 2835, 2835), 1.0);
}

TEST(TurnedGraphSquareCorners, UnevenStretchMakesAParallelogram) {
    const auto corners = TurnedGraphSquareCorners(541, 0.5);
    EXPECT_EQ(corners[0], (TPoint{-271, 8651})) << "8668 s q = 270.5";
    EXPECT_EQ(corners[2], (TPoint{8651, 1082}));
    EXPECT_EQ(corners[1], (TPoint{8381, 9733})) << "8651.1 - 270.5, 8651.1 + 1082";
    const auto squeezed = TurnedGraphSquareCorners(541, 1e-12);
    EXPECT_GT(squeezed[2].Y, 8000000) << "kept inside int";
}

// The angle, in degrees, of the line through the pixels of value 1: y on x
// when it runs along x, x on y when it runs along y.
double FittedAngle(const std::vector<std::uint8_t>& matrix, int width, bool alongX) {
    double n = 0, su = 0, sv = 0, suu = 0, suv = 0;
    for (std::size_t i = 0; i < matrix.size(); ++i) {
        if (matrix[i] != 1)
            continue;
        const double x = static_cast<double>(i % width), y = static_cast<double>(i / width);
        const double u = alongX ? x : y, v = alongX ? y : x;
        n += 1;
        su += u;
        sv += v;
        suu += u * u;
        suv += u * v;
    }
    return std::atan((n * suv - su * sv) / (n * suu - su * su)) * 180 / std::numbers::pi;
}

// Lining the frame up with a tilted axis of an unevenly stretched picture
// and letting go turns the pixels so that the axis comes out straight.
TEST(TurnedGraphSquareCorners, LinedUpWithATiltedAxisTheTurnMakesItStraight) {
    constexpr int Width = 928, Height = 732; // 926 pixels shown, rows padded
    const TRect shown{0, 0, 926, 732};
    constexpr double Side = 8934; // the image square the shown part fills
    const struct {
        int Pending;
        std::int32_t XRes, YRes;
    } rows[] = {{270, 2835, 2835}, {-541, 2835, 2835}, {400, 5670, 2835}};
    for (const auto& row : rows) {
        const auto corners =
            TurnedGraphSquareCorners(row.Pending, PictureStretch(shown, row.XRes, row.YRes));
        for (const bool alongX : {true, false}) {
            // The axis drawn where the frame's bottom (or left) edge lies,
            // through the middle of the picture.
            const TPoint edge = alongX ? corners[2] : corners[0];
            const double dx = edge.X * shown.Width() / Side, dy = edge.Y * shown.Height() / Side;
            std::vector<std::uint8_t> source(Width * Height, 0), target(Width * Height);
            const int steps = 700, cx = 463, cy = 366;
            for (int i = -steps / 2; i <= steps / 2; ++i) {
                const int x = cx + static_cast<int>(std::lround(i * dx / (2 * steps)));
                const int y = cy + static_cast<int>(std::lround(i * dy / (2 * steps)));
                source[y * Width + x] = 1;
            }
            Rotate2DMatrix(source.data(), target.data(), Width, Height, cx, cy, 0,
                           -PendingRotationSine(row.Pending), 1,
                           static_cast<double>(row.XRes) / row.YRes);
            EXPECT_NEAR(FittedAngle(source, Width, alongX), 0, 10) << "drawn tilted";
            EXPECT_GT(std::abs(FittedAngle(source, Width, alongX)), 0.5);
            EXPECT_NEAR(FittedAngle(target, Width, alongX), 0, 0.05)
                << row.Pending << (alongX ? " x axis" : " y axis");
        }
    }
}

} // namespace
