#include "core/scaleranges.h"

#include "support/commalocale.h"
#include "testcurves.h"

#include <limits>
#include <memory>

namespace {

TEST(RangeText, RightAlignedInTenWithTenDigits) {
    EXPECT_EQ(FormatRangeValue(100, 10), "       100");
    EXPECT_EQ(FormatRangeValue(0.5, 10), "       0.5");
    EXPECT_EQ(FormatRangeValue(0, 10), "         0");
    EXPECT_EQ(FormatRangeValue(-1.0 / 3, 10), "-0.3333333333");
    EXPECT_EQ(FormatRangeValue(123456789012.0, 10), "1.23456789e+11");
    EXPECT_EQ(FormatRangeValue(1e-5, 10), "     1e-05");
}

TEST(RangeText, PanesAreLeftAligned) {
    EXPECT_EQ(FormatPositionPane('X', 12.5), "X=12.5      ");
    EXPECT_EQ(FormatPositionPane('Y', -0.000123456789012), "Y=-0.000123456789");
}

TEST(RangeText, DecimalPointUnderACommaLocale) {
    KESTROVA_WITH_COMMA_LOCALE(comma);
    EXPECT_EQ(FormatPositionPane('X', 2.5), "X=2.5       ");
    EXPECT_EQ(FormatRangeValue(0.25, 10), "      0.25");
}

using Bounds = CurveTest;

TEST_F(Bounds, EnoughDataNeedsTwoPointsInAll) {
    std::unique_ptr<TCurve> a = std::make_unique<TCurve>(100), b = std::make_unique<TCurve>(100);
    const TCurve* table[2] = {a.get(), b.get()};
    TDataBounds box;
    EXPECT_FALSE(DataBounds(table, -1, box));
    EXPECT_FALSE(DataBounds(table, 1, box));
    a->AddPoint(1, 10);
    EXPECT_FALSE(DataBounds(table, 1, box));
    b->AddPoint(5, 20);
    ASSERT_TRUE(DataBounds(table, 1, box)) << "two points, even in two curves";
    EXPECT_EQ(box.XMin, 1);
    EXPECT_EQ(box.XMax, 5);
    EXPECT_EQ(box.YMin, 10);
    EXPECT_EQ(box.YMax, 20);
}

TEST_F(Bounds, EmptyAndMissingSlotsAddNothing) {
    TCurve empty(100), filled(100);
    filled.AddPoint(-3, 4);
    filled.AddPoint(7, 2);
    const TCurve* table[3] = {&empty, nullptr, &filled};
    TDataBounds box;
    ASSERT_TRUE(DataBounds(table, 2, box));
    EXPECT_EQ(box.XMin, -3);
    EXPECT_EQ(box.XMax, 7);
    EXPECT_EQ(box.YMin, 2);
    EXPECT_EQ(box.YMax, 4);
}

TEST_F(Bounds, LogAxesFitOnlyToValuesAboveZero) {
    TCurve a(100), b(100);
    a.AddPoint(-3, 0.5);
    a.AddPoint(0, 8);
    b.AddPoint(2, -1);
    b.AddPoint(40, 1e-3);
    const TCurve* table[2] = {&a, &b};
    TDataBounds box;
    ASSERT_TRUE(DataBounds(table, 1, box, TAxisKind::Log10, TAxisKind::Linear));
    EXPECT_EQ(box.XMin, 2);
    EXPECT_EQ(box.XMax, 40);
    EXPECT_EQ(box.YMin, -1) << "a linear axis keeps every value";
    EXPECT_EQ(box.YMax, 8);
    ASSERT_TRUE(DataBounds(table, 1, box, TAxisKind::Linear, TAxisKind::Log10));
    EXPECT_EQ(box.XMin, -3);
    EXPECT_EQ(box.YMin, 1e-3);
    EXPECT_EQ(box.YMax, 8);
    TCurve negative(100);
    negative.AddPoint(-1, -1);
    negative.AddPoint(-2, 5);
    const TCurve* only[1] = {&negative};
    ASSERT_TRUE(DataBounds(only, 0, box, TAxisKind::Log10, TAxisKind::Log10));
    EXPECT_EQ(box.XMin, 0) << "no value to fit to";
    EXPECT_EQ(box.XMax, 0);
    EXPECT_EQ(box.YMin, 5);
    EXPECT_FALSE(RangesFitAxes({box.XMin, box.XMax, box.YMin, box.YMax}, TAxisKind::Log10,
                               TAxisKind::Linear));
}

TEST(Ranges, LogAxesNeedRangesAboveZero) {
    const TAxisKind lin = TAxisKind::Linear, log = TAxisKind::Log10;
    EXPECT_TRUE(RangesFitAxes({-1, 1, -1, 1}, lin, lin));
    EXPECT_TRUE(RangesFitAxes({1e-300, 1, -1, 1}, log, lin));
    EXPECT_FALSE(RangesFitAxes({0, 1, 1, 2}, log, lin));
    EXPECT_FALSE(RangesFitAxes({1, 2, -1, 2}, log, log));
    EXPECT_FALSE(RangesFitAxes({1, 2, 3, -4}, lin, log)) << "reversed is RangesAreValid's part";
}

TEST(Ranges, MinimumMustBeBelowMaximumOnBothAxes) {
    EXPECT_TRUE(RangesAreValid({0, 100, -1, 1}));
    EXPECT_FALSE(RangesAreValid({5, 5, 0, 1}));
    EXPECT_FALSE(RangesAreValid({0, 1, 2, 1}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(RangesAreValid({nan, 1, 0, 1}));
    const double big = std::numeric_limits<double>::max();
    EXPECT_FALSE(RangesAreValid({-big, big, 0, 1})) << "width beyond the largest double";
    EXPECT_TRUE(RangesAreValid({-big / 2, big / 2, 0, 1}));
}

} // namespace
