#include "framework/gdi/recordingdc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

// The window's logical system on a 1000 x 800 client area: 10000 x 10000
// logical units from (-666, -666) at the lower left, y upwards.
void MapLikeTheWindow(TDC& dc, int w, int h) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({10000, 10000});
    dc.SetViewportExt({w, -h});
    dc.SetViewportOrg({0, h});
    dc.SetWindowOrg({-666, -666});
}

TEST(DeviceContext, StartsWithGdiDefaults) {
    TRecordingDC dc;
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetPen(), (TPen{TColor(0, 0, 0), 1, PS_SOLID}));
    EXPECT_EQ(dc.GetBrush(), (TBrush{TColor(255, 255, 255), BS_SOLID}));
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.LogicalToDevice({12, -7}), (TPoint{12, -7}));
}

TEST(DeviceContext, SelectHandsBackThePreviousObject) {
    TRecordingDC dc;
    TPen cyan{TColor(0, 255, 255), 2, PS_SOLID};
    TPen old = dc.SelectObject(cyan);
    EXPECT_EQ(old, TPen{});
    EXPECT_EQ(dc.SelectObject(old), cyan);
    EXPECT_EQ(dc.SelectObject(TBrush::Hollow()), TBrush{});
    EXPECT_EQ(dc.SetROP2(R2_XORPEN), R2_COPYPEN);
    dc.Rectangle(1, 2, 3, 4);
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].Brush, TBrush::Hollow());
    EXPECT_EQ(dc.Calls()[0].Rop2, R2_XORPEN);
}

TEST(DeviceContext, AnisotropicMappingRoundsLikeGdi) {
    TRecordingDC dc;
    MapLikeTheWindow(dc, 1000, 800);
    EXPECT_EQ(dc.LogicalToDevice({-666, -666}), (TPoint{0, 800}));
    EXPECT_EQ(dc.LogicalToDevice({9334, 9334}), (TPoint{1000, 0}));
    EXPECT_EQ(dc.LogicalToDevice({0, 0}), (TPoint{67, 747})); // 66.6 and 746.72
    EXPECT_EQ(dc.LogicalToDevice({8668, 8668}), (TPoint{933, 53}));
    EXPECT_EQ(dc.LogicalToDevice({-661, -666}), (TPoint{1, 800})); // 0.5 rounds away from zero
}

// Mapped values are remembered; a changed mapping must not reuse them.
TEST(DeviceContext, MappingChangesApplyToPointsMappedBefore) {
    TRecordingDC dc;
    MapLikeTheWindow(dc, 1000, 800);
    EXPECT_EQ(dc.LogicalToDevice({0, 0}), (TPoint{67, 747}));
    EXPECT_EQ(dc.LogicalToDeviceWidth(100), 10);
    const auto changes = std::to_array<std::function<void(TDC&)>>({
        [](TDC& d) { d.SetViewportExt({2000, -1600}); },
        [](TDC& d) { d.SetWindowExt({5000, 5000}); },
        [](TDC& d) { d.SetWindowOrg({0, 0}); },
        [](TDC& d) { d.SetViewportOrg({5, 5}); },
        [](TDC& d) { d.SetMapMode(MM_TEXT); },
    });
    for (std::size_t i = 0; i < changes.size(); ++i) {
        TRecordingDC fresh;
        MapLikeTheWindow(dc, 1000, 800);
        MapLikeTheWindow(fresh, 1000, 800);
        dc.LogicalToDevice({0, 0});
        dc.LogicalToDeviceWidth(100);
        changes[i](dc);
        changes[i](fresh);
        EXPECT_EQ(dc.LogicalToDevice({0, 0}), fresh.LogicalToDevice({0, 0})) << i;
        EXPECT_EQ(dc.LogicalToDeviceWidth(100), fresh.LogicalToDeviceWidth(100)) << i;
    }
}

TEST(DeviceContext, EachAxisUsesItsOwnExtents) {
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({1000, 500});
    dc.SetViewportExt({100, 200});
    EXPECT_EQ(dc.LogicalToDevice({100, 100}), (TPoint{10, 40}));
    EXPECT_EQ(dc.LogicalToDeviceWidth(30), 3) << "pen widths follow x";
}

// Each axis's mapping divides in doubles where that is exact; compared with
// whole-number arithmetic over products on both sides of 2^53, halves
// included, and over the clamp to int.
TEST(DeviceContext, AxisMappingRoundsAsWholeNumbersDo) {
    struct TRow {
        int WindowOrg, WindowExt, ViewportExt, ViewportOrg;
    };
    const TRow rows[] = {{-666, 10000, 1600, 0},       {-666, 10000, -1000, 1000},
                         {0, 10, 5, 0},                {3, -7, 2, 5},
                         {5, 2147483647, 4194304, 0},  {0, 3, 4194305, 0},
                         {0, 2, 2147483647, -10},      {0, 1, 2147483647, 2147483647}};
    std::vector<int> values = {-2147483647 - 1, -4194305, -3, -1, 0, 1, 2, 3, 4194304, 2147483647};
    std::uint32_t random = 12345;
    for (int i = 0; i < 2000; ++i) {
        random = random * 1664525u + 1013904223u;
        values.push_back(static_cast<int>(random) >> (i % 31));
    }
    for (const TRow& row : rows) {
        const TAxisMapping mapping(true, row.WindowOrg, row.WindowExt, row.ViewportExt, row.ViewportOrg);
        for (const int value : values) {
            const std::int64_t num = (std::int64_t{value} - row.WindowOrg) * row.ViewportExt;
            const std::int64_t c = std::abs(std::int64_t{row.WindowExt});
            const std::int64_t q = ((num < 0 ? -num : num) + c / 2) / c;
            const std::int64_t device =
                ((num < 0) != (row.WindowExt < 0) ? -q : q) + row.ViewportOrg;
            const std::int64_t expected = std::clamp<std::int64_t>(device, -2147483647 - 1, 2147483647);
            ASSERT_EQ(mapping(value), expected) << value << " with extents " << row.WindowExt << ", "
                                                << row.ViewportExt;
        }
    }
}

TEST(DeviceContext, LineToDrawsFromTheCurrentPosition) {
    TRecordingDC dc;
    dc.MoveTo(1, 2);
    dc.LineTo(5, 6);
    dc.LineTo(7, 2);
    auto lines = dc.CallsOf(TRecordingDC::TOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{1, 2}, {5, 6}}));
    EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{5, 6}, {7, 2}}));
    EXPECT_EQ(dc.GetCurrentPosition(), (TPoint{7, 2}));
}

TEST(DeviceContext, TextIsPlacedByItsAnchorInDevicePixels) {
    TRecordingDC dc;
    MapLikeTheWindow(dc, 1000, 800);
    EXPECT_EQ(dc.SetTextColor(TColor(255, 0, 0)), TColor(0, 0, 0)) << "black to begin with";
    using H = THorizontalAnchor;
    using V = TVerticalAnchor;
    // Logical (0, 0) is device (67, 747); "12.5" is 24 x 10 pixels.
    const std::pair<TTextAnchor, TPoint> cases[] = {
        {{H::Left, V::Top}, {67, 747}},
        {{H::Center, V::Top}, {55, 747}},
        {{H::Right, V::Middle}, {43, 742}},
        {{H::Center, V::Bottom}, {55, 737}},
    };
    for (const auto& [anchor, topLeft] : cases)
        dc.TextOut(0, 0, "12.5", anchor);
    const auto texts = dc.CallsOf(TRecordingDC::TOp::Text);
    ASSERT_EQ(texts.size(), std::size(cases));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].Points, (std::vector<TPoint>{cases[i].second})) << i;
        EXPECT_EQ(texts[i].Text, "12.5");
        EXPECT_EQ(texts[i].TextColor, TColor(255, 0, 0));
    }
}

TEST(Colors, LinesContrastWithTheBackgroundByLuminance) {
    const TColor black(0, 0, 0), white(255, 255, 255);
    const std::pair<TColor, TColor> rows[] = {
        {TColor(192, 192, 192), black}, {TColor(255, 255, 255), black},
        {TColor(128, 128, 128), black}, {TColor(255, 255, 0), black},
        {TColor(0, 255, 0), black},     {TColor(0, 0, 0), white},
        {TColor(0, 0, 255), white},     {TColor(255, 0, 0), black},
        {TColor(100, 100, 100), white}, {TColor(0, 0, 128), white},
    };
    for (auto [background, expected] : rows)
        EXPECT_EQ(ContrastingColor(background), expected)
            << background.Red() << "," << background.Green() << "," << background.Blue();
}

} // namespace
