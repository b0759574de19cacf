#include "testcurves.h"

namespace {

using Curve = CurveTest;

TEST_F(Curve, FirstPointSetsTheBoxAndTakesOneBlock) {
    TCurve c(100);
    EXPECT_EQ(c.GetCapacity(), 0u);
    c.AddPoint(3, -4);
    EXPECT_EQ(c.GetCount(), 1u);
    EXPECT_EQ(c.GetXMin(), 3);
    EXPECT_EQ(c.GetXMax(), 3);
    EXPECT_EQ(c.GetYMin(), -4);
    EXPECT_EQ(c.GetYMax(), -4);
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0], 100 * sizeof(TCurvePoint));
}

TEST_F(Curve, BlockGrowsByOneIncrementWhenFull) {
    TCurve c(100);
    for (int i = 0; i < 100; ++i)
        c.AddPoint(i, i);
    EXPECT_EQ(Requests.size(), 1u) << "the 100th point fits the first block";
    c.AddPoint(100, 100);
    ASSERT_EQ(Requests.size(), 2u);
    EXPECT_EQ(Requests[1], 200 * sizeof(TCurvePoint));
    EXPECT_EQ(c.GetCapacity(), 200u);
    for (int i = 101; i < 201; ++i)
        c.AddPoint(i, i);
    EXPECT_EQ(Requests.back(), 300 * sizeof(TCurvePoint));
    EXPECT_EQ(Requests.size(), 3u);
}

TEST_F(Curve, BoxIsExactAfterEveryAdd) {
    TCurve c(100);
    c.AddPoint(5, 5);
    c.AddPoint(5, 5); // equal to both edges: nothing moves
    EXPECT_EQ(c.GetXMin(), 5);
    EXPECT_EQ(c.GetXMax(), 5);
    c.AddPoint(-1, 9);
    c.AddPoint(7, -2);
    EXPECT_EQ(c.GetXMin(), -1);
    EXPECT_EQ(c.GetXMax(), 7);
    EXPECT_EQ(c.GetYMin(), -2);
    EXPECT_EQ(c.GetYMax(), 9);
}

TEST_F(Curve, PointsComeBackInOrderAndCursorEndsThePass) {
    TCurve c(100);
    TCurvePoint p;
    EXPECT_FALSE(c.NextPoint(p)) << "a new curve has nothing to hand out";
    for (int i = 0; i < 250; ++i)
        c.AddPoint(i, -i);
    auto points = PointsOf(c);
    ASSERT_EQ(points.size(), 250u);
    for (int i = 0; i < 250; ++i)
        EXPECT_EQ(points[i], (TCurvePoint{double(i), double(-i)}));
    EXPECT_FALSE(c.NextPoint(p));
    EXPECT_FALSE(c.NextPoint(p)) << "stays at the end until something reopens the pass";
    c.AddPoint(1000, 1000);
    ASSERT_TRUE(c.NextPoint(p)) << "AddPoint reopens the pass without moving the cursor";
    EXPECT_EQ(p, (TCurvePoint{249, -249}));
}

TEST_F(Curve, DeleteLastPointKeepsTheBoxExact) {
    TCurve c(100);
    c.AddPoint(0, 0);
    c.AddPoint(10, 10);
    c.AddPoint(5, 5); // strictly inside
    c.DeleteLastPoint();
    EXPECT_EQ(c.GetCount(), 2u);
    EXPECT_EQ(c.GetXMax(), 10);
    c.DeleteLastPoint(); // lay on the box: recomputed from the one left
    EXPECT_EQ(c.GetCount(), 1u);
    EXPECT_EQ(c.GetXMin(), 0);
    EXPECT_EQ(c.GetXMax(), 0);
    EXPECT_EQ(c.GetYMin(), 0);
    EXPECT_EQ(c.GetYMax(), 0);
}

TEST_F(Curve, DeleteOnEdgeRecomputesFromTheRest) {
    TCurve c(100);
    for (double x : {3.0, 1.0, 4.0, 1.5, 9.0})
        c.AddPoint(x, 0);
    c.DeleteLastPoint();
    EXPECT_EQ(c.GetXMax(), 4);
    EXPECT_EQ(c.GetXMin(), 1);
    EXPECT_EQ(PointsOf(c).size(), 4u);
}

TEST_F(Curve, DeleteOnTheXEdgeAloneShrinksTheBox) {
    TCurve c(100);
    c.AddPoint(0, 0);
    c.AddPoint(10, 10);
    c.AddPoint(20, 5); // Y strictly inside, X on the edge
    c.DeleteLastPoint();
    EXPECT_EQ(c.GetXMax(), 10);
    EXPECT_EQ(c.GetYMax(), 10);
}

TEST_F(Curve, DeleteReleasesTheBlockOnlyForTheLastPoint) {
    TCurve c(100);
    c.DeleteLastPoint(); // empty: nothing happens
    EXPECT_EQ(c.GetCount(), 0u);
    for (int i = 0; i < 150; ++i)
        c.AddPoint(i, i);
    const auto requests = Requests.size();
    c.DeleteLastPoint();
    EXPECT_EQ(c.GetCapacity(), 200u) << "deleting never shrinks the block";
    EXPECT_EQ(Requests.size(), requests);
    while (c.GetCount() > 1)
        c.DeleteLastPoint();
    c.DeleteLastPoint();
    EXPECT_EQ(c.GetCount(), 0u);
    EXPECT_EQ(c.GetCapacity(), 0u);
    TCurvePoint p;
    EXPECT_FALSE(c.NextPoint(p));
}

TEST_F(Curve, DeleteReopensThePassFromTheStart) {
    TCurve c(100);
    c.AddPoint(1, 1);
    c.AddPoint(2, 2);
    c.AddPoint(3, 3);
    PointsOf(c);
    c.DeleteLastPoint();
    TCurvePoint p;
    ASSERT_TRUE(c.NextPoint(p));
    EXPECT_EQ(p.X, 1);
}

TEST_F(Curve, FailedFirstBlockLeavesTheCurveEmpty) {
    TCurve c(100);
    RefuseAllocations = true;
    c.AddPoint(1, 1);
    EXPECT_EQ(OutOfMemory, 1);
    EXPECT_EQ(c.GetCount(), 0u);
    RefuseAllocations = false;
    c.AddPoint(2, 2);
    EXPECT_EQ(c.GetCount(), 0u) << "every AddPoint refuses while the flag is set";
}

TEST_F(Curve, FailedGrowthKeepsThePointsAndStopsEveryCurve) {
    TCurve a(100), b(100);
    b.AddPoint(-1, -1);
    for (int i = 0; i < 100; ++i)
        a.AddPoint(i, i);
    RefuseAllocations = true;
    a.AddPoint(100, 100);
    EXPECT_EQ(OutOfMemory, 1);
    EXPECT_EQ(a.GetCount(), 100u);
    auto points = PointsOf(a);
    ASSERT_EQ(points.size(), 100u);
    EXPECT_EQ(points[99], (TCurvePoint{99, 99}));
    RefuseAllocations = false;
    b.AddPoint(-2, -2);
    EXPECT_EQ(b.GetCount(), 1u) << "the flag stops other curves too";

    b.DeleteLastPoint(); // one point: Reset clears the flag
    EXPECT_EQ(OutOfMemory, 0);
    a.AddPoint(100, 100);
    EXPECT_EQ(a.GetCount(), 101u);
}

TEST_F(Curve, FlagIsClearedByDeletingOrDestroying) {
    TCurve a(100);
    a.AddPoint(1, 1);
    a.AddPoint(2, 2);
    OutOfMemory = 1;
    a.DeleteLastPoint();
    EXPECT_EQ(OutOfMemory, 0);
    OutOfMemory = 1;
    { TCurve gone(100); }
    EXPECT_EQ(OutOfMemory, 0);
}

} // namespace
