#include "core/mousemapping.h"

#include "framework/gdi/recordingdc.h"
#include "testcurves.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using MouseMapping = CurveTest;

TEST(ClientMapping, EdgesAndClamping) {
    const TSize size{1000, 800};
    EXPECT_EQ(ClientToLogical({0, 0}, size), (TPoint{-666, 9334}));
    EXPECT_EQ(ClientToLogical({1000, 800}, size), (TPoint{9334, -666}));
    EXPECT_EQ(ClientToLogical({333, 401}, size), (TPoint{2664, 4322})); // 3330 - 666, 9334 - 5012
    EXPECT_EQ(ClientToLogical({-50, 5000}, size), (TPoint{-666, -666}));
    EXPECT_EQ(ClientToLogical({4000, -1}, size), (TPoint{9334, 9334}));
}

TEST(ClientMapping, TruncatesLikeIntegerDivision) {
    EXPECT_EQ(ClientToLogical({1, 1}, {3, 3}), (TPoint{3333 - 666, 9334 - 3333}));
    EXPECT_EQ(ClientToLogical({2, 2}, {3, 3}), (TPoint{6666 - 666, 9334 - 6666}));
}

// The mouse inverts the mapping the window paints with: a client pixel
// taken to logical units and mapped back to the device lands on itself, give
// or take the unit lost to truncation, whatever the client area's shape.
TEST(ClientMapping, InvertsThePaintingMapping) {
    for (const TSize size : {TSize{1000, 800}, TSize{333, 777}, TSize{1920, 1017}, TSize{7, 5}}) {
        SCOPED_TRACE(testing::Message() << size.Cx << "x" << size.Cy);
        const TLogicalMapping mapping = LogicalMapping(size);
        TRecordingDC dc;
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(mapping.WindowExt);
        dc.SetViewportExt(mapping.ViewportExt);
        dc.SetViewportOrg(mapping.ViewportOrg);
        dc.SetWindowOrg(mapping.WindowOrg);
        EXPECT_EQ(dc.LogicalToDevice({0, 0}), (TPoint{(666 * size.Cx + 5000) / 10000,
                                                      size.Cy - (666 * size.Cy + 5000) / 10000}))
            << "the origin of the graph square";
        for (int x = 0; x <= size.Cx; x += 1 + size.Cx / 13)
            for (int y = 0; y <= size.Cy; y += 1 + size.Cy / 11) {
                const TPoint back = dc.LogicalToDevice(*ClientToLogical({x, y}, size));
                EXPECT_LE(std::abs(back.X - x), 1) << x << "," << y;
                EXPECT_LE(std::abs(back.Y - y), 1) << x << "," << y;
            }
    }
}

TEST(ClientMapping, ZeroSizedClientHasNoLogicalPoint) {
    EXPECT_FALSE(ClientToLogical({0, 0}, {0, 600}));
    EXPECT_FALSE(ClientToLogical({5, 5}, {800, 0}));
}

TEST(ClientMapping, SlipsShorterThanTheDragDistanceAreClicks) {
    const struct {
        TPoint Release;
        int Platform;
        bool Click;
    } rows[] = {
        {{100, 100}, 0, true},  {{102, 101}, 0, true},   {{97, 100}, 4, true},
        {{102, 102}, 0, false}, {{100, 96}, 4, false},  {{105, 104}, 10, true},
        {{105, 105}, 10, false}, {{-2147483647, 100}, 10, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsClick({100, 100}, row.Release, row.Platform), row.Click)
            << row.Release.X << "," << row.Release.Y << " / " << row.Platform;
}

TEST(ClientMapping, DragRectanglesAreNormalized) {
    EXPECT_EQ(DragRectangle({500, 100}, {20, 300}), (TRect{20, 100, 500, 300}));
    EXPECT_TRUE(IsEmptyDrag(DragRectangle({5, 5}, {5, 900})));
    EXPECT_TRUE(IsEmptyDrag(DragRectangle({5, 5}, {5, 5})));
    EXPECT_FALSE(IsEmptyDrag(DragRectangle({-666, -666}, {9334, 9334})));
}

TEST_F(MouseMapping, ZoomOntoTheWholeSquareKeepsTheRanges) {
    ZoomToDrag({0, 0, 8668, 8668});
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), 0);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 100);
    EXPECT_DOUBLE_EQ(GraphScale.GetYMax(), 100);
    ZoomToDrag({0, 0, 4334, 4334});
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 50);
    EXPECT_DOUBLE_EQ(GraphScale.GetYMax(), 50);
}

TEST_F(MouseMapping, ZoomIntoTheMarginsWidensTheRanges) {
    ZoomToDrag({-666, 2000, 9334, 9334});
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), -666 / 86.68);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 9334 / 86.68);
    EXPECT_DOUBLE_EQ(GraphScale.GetYMin(), 2000 / 86.68);
}

TEST_F(MouseMapping, ZoomSeparatesLimitsThatCollapsed) {
    // Under a range this narrow, neighbouring logical units give the same
    // graph value; the limits must still end up apart.
    GraphScale.SetScale(0, 8668, 8668, 0, 1e-300, 0, 1.0000000000000002e-300, 100);
    ZoomToDrag({100, 100, 101, 200});
    EXPECT_LT(GraphScale.GetXMin(), GraphScale.GetXMax());
}

TEST_F(MouseMapping, ZoomThatWouldLeaveTheDoublesIsRefused) {
    const double big = std::numeric_limits<double>::max();
    GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, big, 100);
    EXPECT_FALSE(ZoomToDrag({-666, 0, 9334, 8668})) << "the right margin lies beyond DBL_MAX";
    EXPECT_EQ(GraphScale.GetXMax(), big);
    EXPECT_EQ(GraphScale.GetXMin(), 0);
    EXPECT_TRUE(ZoomToDrag({0, 0, 4334, 8668}));
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), big / 2);
}

TEST_F(MouseMapping, ZoomOnLogAxesKeepsThemLog) {
    GraphScale.SetScale(0, 8668, 8668, 0, 1, 0, 1e4, 100, TAxisKind::Log10, TAxisKind::Linear);
    EXPECT_TRUE(ZoomToDrag({0, 0, 4334, 4334}));
    EXPECT_EQ(GraphScale.GetXKind(), TAxisKind::Log10);
    EXPECT_EQ(GraphScale.GetYKind(), TAxisKind::Linear);
    EXPECT_EQ(GraphScale.GetXMin(), 1);
    EXPECT_DOUBLE_EQ(GraphScale.GetXMax(), 100) << "half the square is half the decades";
    EXPECT_DOUBLE_EQ(GraphScale.GetYMax(), 50);
    EXPECT_TRUE(ZoomToDrag({-666, 0, 9334, 8668}));
    EXPECT_DOUBLE_EQ(GraphScale.GetXMin(), std::pow(10.0, -2 * 666.0 / 8668));
}

TEST_F(MouseMapping, ZoomOnALogAxisRefusesLimitsBeyondTheDoubles) {
    // Six hundred decades across the square: the margins reach 46 decades
    // further, below the smallest double and beyond the largest.
    GraphScale.SetScale(0, 8668, 8668, 0, 1e-300, 0, 1e300, 100, TAxisKind::Log10,
                        TAxisKind::Linear);
    EXPECT_FALSE(ZoomToDrag({-666, 0, 4334, 8668}));
    EXPECT_FALSE(ZoomToDrag({4334, 0, 9334, 8668}));
    EXPECT_EQ(GraphScale.GetXMin(), 1e-300);
    EXPECT_TRUE(ZoomToDrag({4334, 0, 4335, 8668}));
    EXPECT_EQ(GraphScale.GetXKind(), TAxisKind::Log10);
    EXPECT_LT(GraphScale.GetXMin(), GraphScale.GetXMax());
}

TEST(ImageStretch, WholeSquareKeepsOrLosesOnePixel) {
    const TRect shown{0, 0, 1000, 700};
    TRect r = StretchedImageRect(shown, {0, 0, 8668, 8668}, 1000, 700);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_GE(r.Right, 999);
    EXPECT_LE(r.Right, 1000);
    EXPECT_GE(r.Bottom, 699);
    EXPECT_LE(r.Bottom, 700);
}

TEST(ImageStretch, InnerRectangleEnlargesAPartRowsCountedDownwards) {
    // The upper left quarter of the graph square shows the upper left
    // quarter of the picture.
    TRect r = StretchedImageRect({0, 0, 8668, 8668}, {0, 4334, 4334, 8668}, 8668, 8668);
    EXPECT_EQ(r, (TRect{0, 0, 4334, 4334}));
    // Repeated drags work on the rectangle left by the previous one.
    TRect again = StretchedImageRect(r, {4334, 0, 8668, 4334}, 8668, 8668);
    EXPECT_EQ(again, (TRect{2167, 2167, 4334, 4334}));
}

TEST(ImageStretch, DragIntoTheMarginsStopsAtTheImageBorders) {
    TRect r = StretchedImageRect({100, 100, 200, 200}, {-666, -666, 9334, 9334}, 250, 220);
    EXPECT_EQ(r.Left, 93); // 100 + trunc(-7.68): truncated toward zero
    EXPECT_EQ(r.Top, 93);
    EXPECT_EQ(r.Right, 207); // 100 + trunc(9334 * 100 / 8668)
    EXPECT_EQ(r.Bottom, 207);
    TRect clamped = StretchedImageRect({0, 0, 250, 220}, {-666, -666, 9334, 9334}, 250, 220);
    EXPECT_EQ(clamped, (TRect{0, 0, 250, 220}));
}

TEST(ImageStretch, TinyDragCanLeaveNothingShown) {
    TRect r = StretchedImageRect({0, 0, 10, 10}, {100, 100, 120, 130}, 10, 10);
    EXPECT_EQ(r.Width(), 0);
}

} // namespace
