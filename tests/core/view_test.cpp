#include "core/graphscale.h"
#include "core/view.h"
#include "core/viewhistory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Graph X and Y of picture position (px, py) under a view with a picture.
double ValueX(const TView& v, double px) {
    const double lx =
        ImageSquareLow + (px - v.Shown.Left) * (ImageSquareHigh - ImageSquareLow) / v.Shown.Width();
    return v.XMin + lx * (v.XMax - v.XMin) / GraphExtent;
}
double ValueY(const TView& v, double py) {
    const double ly = ImageSquareHigh -
                      (py - v.Shown.Top) * (ImageSquareHigh - ImageSquareLow) / v.Shown.Height();
    return v.YMin + ly * (v.YMax - v.YMin) / GraphExtent;
}

struct ZoomCase {
    TSize Picture;
    TView View;
    double Lx, Ly, Factor;
};

class PictureZoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(PictureZoom, EveryPixelKeepsItsValueAndThePointerItsPlace) {
    const ZoomCase& c = GetParam();
    const auto zoomed = ZoomedView(c.View, c.Picture, c.Lx, c.Ly, c.Factor);
    ASSERT_TRUE(zoomed);
    const TRect& s = zoomed->Shown;
    EXPECT_GE(s.Left, 0);
    EXPECT_GE(s.Top, 0);
    EXPECT_LE(s.Right, c.Picture.Cx);
    EXPECT_LE(s.Bottom, c.Picture.Cy);
    EXPECT_GT(s.Width(), 0);
    EXPECT_GT(s.Height(), 0);
    const double wider = c.Factor > 1 ? 1 : -1;
    EXPECT_EQ(s.Width() < c.View.Shown.Width(), wider > 0);
    for (double p : {0.0, 0.5, 17.0, 99.5, 1000.25}) {
        const double tol = 1e-12 * (std::abs(ValueX(c.View, p)) + 1);
        EXPECT_NEAR(ValueX(*zoomed, p), ValueX(c.View, p), tol) << "x at pixel " << p;
        EXPECT_NEAR(ValueY(*zoomed, p), ValueY(c.View, p),
                    1e-12 * (std::abs(ValueY(c.View, p)) + 1))
            << "y at pixel " << p;
    }
    // The picture position under the pointer moves by less than one pixel
    // (unless the edge of the picture holds it back).
    const double kOld = c.View.Shown.Width() / double(ImageSquareHigh - ImageSquareLow);
    const double kNew = s.Width() / double(ImageSquareHigh - ImageSquareLow);
    const double before = c.View.Shown.Left + (c.Lx - ImageSquareLow) * kOld;
    const double after = s.Left + (c.Lx - ImageSquareLow) * kNew;
    if (s.Left > 0 && s.Right < c.Picture.Cx) {
        EXPECT_LT(std::abs(after - before), 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureZoom,
    ::testing::Values(
        ZoomCase{{4000, 3000}, {0, 100, 0, 100, {0, 0, 4000, 3000}}, 4334, 4334, std::sqrt(2.0)},
        ZoomCase{{4000, 3000}, {-3, 7, 1e5, 2e5, {101, 33, 1701, 1234}}, 1000, 8000, 1.25},
        ZoomCase{{4000, 3000}, {-3, 7, 1e5, 2e5, {101, 33, 1701, 1234}}, -600, 9300, 0.8},
        ZoomCase{{10000, 10000}, {0.5, 0.75, 1e-6, 2e-6, {5000, 5000, 5007, 5003}}, 8668, 0, 2},
        ZoomCase{{640, 480}, {0, 100, 0, 100, {300, 200, 310, 205}}, 100, 100, 0.5}));

TEST(Zoom, ZoomInThenOutAboutTheSamePointComesBack) {
    const TView start{0, 100, 0, 100, {0, 0, 4000, 3000}};
    auto in = ZoomedView(start, {4000, 3000}, 3000, 2000, 2);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->Shown.Width(), 2000);
    EXPECT_EQ(in->Shown.Height(), 1500);
    auto out = ZoomedView(*in, {4000, 3000}, 3000, 2000, 0.5);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Shown, start.Shown);
    EXPECT_NEAR(out->XMax, 100, 1e-9);
    EXPECT_NEAR(out->YMin, 0, 1e-9);
}

TEST(Zoom, WithoutAPictureTheRangesShrinkAboutThePointer) {
    const TView start{0, 100, -50, 50, {}};
    auto in = ZoomedView(start, {0, 0}, GraphExtent / 4.0, GraphExtent / 2.0, 2);
    ASSERT_TRUE(in);
    EXPECT_DOUBLE_EQ(in->XMin, 12.5);
    EXPECT_DOUBLE_EQ(in->XMax, 62.5);
    EXPECT_DOUBLE_EQ(in->YMin, -25);
    EXPECT_DOUBLE_EQ(in->YMax, 25);
}

TEST(Zoom, ALogAxisZoomsOverItsDecadesAndStaysLog) {
    const TAxisKind lin = TAxisKind::Linear, log = TAxisKind::Log10;
    // Without a picture: the middle of 1..10^4 is 100, half the decades
    // either side of it remain.
    auto in = ZoomedView({1, 1e4, 0, 100, {}, log, lin}, {0, 0}, GraphExtent / 2.0,
                         GraphExtent / 2.0, 2);
    ASSERT_TRUE(in);
    EXPECT_DOUBLE_EQ(in->XMin, 10);
    EXPECT_DOUBLE_EQ(in->XMax, 1000);
    EXPECT_DOUBLE_EQ(in->YMax, 75);
    EXPECT_EQ(in->XKind, log);
    EXPECT_EQ(in->YKind, lin);
    // With a picture every pixel keeps its value, in decades.
    const TView view{0.1, 1e3, 1, 1e6, {0, 0, 4000, 3000}, log, log};
    auto zoomed = ZoomedView(view, {4000, 3000}, 3000, 2000, 2);
    ASSERT_TRUE(zoomed);
    EXPECT_EQ(zoomed->YKind, log);
    const auto decadeX = [](const TView& v, double px) {
        TView decades = v;
        decades.XMin = std::log10(v.XMin);
        decades.XMax = std::log10(v.XMax);
        return ValueX(decades, px);
    };
    for (double p : {0.0, 1000.5, 2999.0})
        EXPECT_NEAR(decadeX(*zoomed, p), decadeX(view, p), 1e-12) << p;
    // A zoom out that would reach below the smallest double is refused.
    EXPECT_FALSE(ZoomedView({1e-300, 1e300, 1, 2, {}, log, lin}, {0, 0}, 0, 0, 0.5));
    // The kinds go into the scale and come back from it.
    ApplyViewScale(view);
    EXPECT_EQ(CurrentView(view.Shown), view);
    GraphScale = TGraphScale();
}

TEST(Zoom, RefusesWhatWouldNotChangeOrNotBeUsable) {
    const TSize picture{100, 100};
    EXPECT_FALSE(ZoomedView({0, 1, 0, 1, {0, 0, 100, 100}}, picture, 0, 0, 1));
    EXPECT_FALSE(ZoomedView({0, 1, 0, 1, {0, 0, 100, 100}}, picture, 0, 0, 0.5))
        << "the whole picture is shown already";
    EXPECT_FALSE(ZoomedView({0, 1, 0, 1, {7, 7, 8, 8}}, picture, 0, 0, 2)) << "one pixel";
    EXPECT_FALSE(ZoomedView({-1e308, 1e308, 0, 1, {}}, {0, 0}, 0, 0, 0.5)) << "range overflows";
    EXPECT_FALSE(ZoomedView({0, 1, 0, 1, {}}, {0, 0}, 0, 0, std::nan("")));
}

TEST(FitsPicture, OnlyANonEmptyPartInsideThePicture) {
    struct Row {
        TRect Shown;
        bool Fits;
    };
    const TSize picture{100, 80};
    for (const Row& r : {Row{{0, 0, 100, 80}, true}, Row{{99, 79, 100, 80}, true},
                         Row{{-1, 0, 50, 50}, false}, Row{{0, -1, 50, 50}, false},
                         Row{{0, 0, 101, 80}, false}, Row{{0, 0, 100, 81}, false},
                         Row{{10, 10, 10, 20}, false}, Row{{10, 20, 20, 10}, false}})
        EXPECT_EQ(FitsPicture(r.Shown, picture), r.Fits)
            << r.Shown.Left << ',' << r.Shown.Top << ',' << r.Shown.Right << ',' << r.Shown.Bottom;
}

TEST(ViewHistory, WalksBackAndForthAndANewViewDropsTheOnesAhead) {
    const TView a{0, 1, 0, 1, {}}, b{0, 2, 0, 2, {}}, c{0, 3, 0, 3, {}};
    TViewHistory history(a);
    EXPECT_FALSE(history.CanGoBack());
    history.Push(b);
    history.Push(b); // the same view is no step
    history.Push(c);
    EXPECT_EQ(history.Back(), b);
    EXPECT_EQ(history.Back(), a);
    EXPECT_EQ(history.Back(), a) << "held at the start";
    EXPECT_EQ(history.Forward(), b);
    history.Push(a);
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_EQ(history.Back(), b);
    EXPECT_EQ(history.Back(), a);
    EXPECT_FALSE(history.CanGoBack());
}

TEST(ViewHistory, KeepsTheLastViewsOnly) {
    TViewHistory history({0, 1, 0, 1, {}});
    for (int i = 2; i < 1000; ++i)
        history.Push({0, double(i), 0, 1, {}});
    int steps = 0;
    while (history.CanGoBack()) {
        history.Back();
        ++steps;
    }
    EXPECT_EQ(steps + 1, int(TViewHistory::MaxViews));
    EXPECT_EQ(history.CurrentView().XMax, 1000.0 - TViewHistory::MaxViews);
}

} // namespace
