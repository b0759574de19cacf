#include "image/rotationframe.h"

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
