#include "core/axisvalues.h"

#include "support/commalocale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int Step = 866;

TGraphScale ScaleOf(double xmin, double ymin, double xmax, double ymax,
                    TAxisKind yKind = TAxisKind::Linear) {
    TGraphScale s;
    s.SetScale(0, GraphExtent, GraphExtent, 0, xmin, ymin, xmax, ymax, TAxisKind::Linear, yKind);
    return s;
}

std::vector<std::string> Texts(const std::vector<TAxisValue>& values) {
    std::vector<std::string> texts;
    for (const TAxisValue& v : values)
        texts.push_back(v.Text);
    return texts;
}

TEST(AxisValues, OneValueAtEachGridLine) {
    const std::vector<TAxisValue> x = AxisValues(ScaleOf(0, -1, 100, 1), TAxis::X, Step);
    ASSERT_EQ(x.size(), 10u);
    EXPECT_EQ(x[0].Logical, 866);
    EXPECT_EQ(x[9].Logical, 8660);
    EXPECT_EQ(Texts(x), (std::vector<std::string>{"9.991", "19.98", "29.97", "39.96", "49.95",
                                                  "59.94", "69.94", "79.93", "89.92", "99.91"}))
        << "a hundredth of a grid cell";
    const std::vector<TAxisValue> y = AxisValues(ScaleOf(0, -1, 100, 1), TAxis::Y, Step);
    EXPECT_EQ(y[0].Text, "-0.8");
    EXPECT_EQ(y[4].Text, "-0.000923") << "near zero, but not zero for rounding";
}

TEST(AxisValues, LogAxisValuesGrowByAConstantFactor) {
    const std::vector<TAxisValue> y =
        AxisValues(ScaleOf(0, 1, 1, 1e10, TAxisKind::Log10), TAxis::Y, Step);
    EXPECT_EQ(Texts(y), (std::vector<std::string>{"9.98", "99.6", "994", "9.92e+03", "9.89e+04",
                                                  "9.87e+05", "9.85e+06", "9.83e+07", "9.81e+08",
                                                  "9.79e+09"}));
}

TEST(AxisValues, AsManyDigitsAsANarrowRangeNeeds) {
    const std::vector<TAxisValue> x = AxisValues(ScaleOf(1e6, 0, 1e6 + 1, 1), TAxis::X, Step);
    EXPECT_EQ(x[0].Text, "1000000.0999");
    EXPECT_EQ(x[9].Text, "1000000.9991");
    // Neighbours a few doubles apart: seventeen digits tell them apart.
    const std::vector<TAxisValue> tiny = AxisValues(ScaleOf(1, 0, 1 + 1e-15, 1), TAxis::X, Step);
    for (std::size_t i = 1; i < tiny.size(); ++i) {
        if (tiny[i].Value != tiny[i - 1].Value) {
            EXPECT_NE(tiny[i].Text, tiny[i - 1].Text) << i;
        }
    }
}

TEST(AxisValues, RoundingLeftOverAtZeroReadsAsZero) {
    // The fourth grid line stands exactly where X is 0; the arithmetic
    // leaves 1.1e-16 there.
    const std::vector<TAxisValue> x =
        AxisValues(ScaleOf(-0.7, 0, 1.0516166281755197, 1), TAxis::X, Step);
    EXPECT_EQ(x[3].Text, "0");
    EXPECT_EQ(x[2].Text, "-0.175");
}

TEST(AxisValues, DecimalPointUnderACommaLocale) {
    KESTROVA_WITH_COMMA_LOCALE(comma);
    EXPECT_EQ(AxisValues(ScaleOf(0, 0, 100, 100), TAxis::X, Step)[0].Text, "9.991");
    EXPECT_EQ(FormatAxisValue(2.5e-7, 6), "2.5e-07");
}

TEST(LabelThinning, EveryNthLabelSoThatNoneOverlap) {
    struct TCase {
        std::vector<int> Centres, Sizes;
        int Gap;
        std::vector<std::size_t> Shown;
    };
    const TCase cases[] = {
        {{0, 100, 200, 300}, {40, 40, 40, 40}, 8, {0, 1, 2, 3}},
        {{0, 40, 80, 120, 160}, {40, 40, 40, 40, 40}, 8, {0, 2, 4}},
        {{0, 40, 80, 120, 160}, {40, 40, 40, 40, 40}, 0, {0, 1, 2, 3, 4}}, // touching is fine
        {{0, 40, 80, 120, 160}, {30, 30, 90, 30, 30}, 25, {0, 3}},        // one wide label
        {{500, 450, 400, 350}, {60, 60, 60, 60}, 0, {0, 2}},              // Y runs upwards
        {{0, 10, 20}, {500, 500, 500}, 0, {0}},
        {{7}, {900}, 0, {0}},
        {{}, {}, 0, {}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(LabelsToShow(c.Centres, c.Sizes, c.Gap), c.Shown);
}

// Labels 100 wide and 20 high, on a device a tenth of the logical size: the
// grid lines stand some 87 pixels apart, so every second X value fits and
// every Y value does.
TEST(AxisLabels, HangOffTheirAxisAndThinByTheirMeasuredExtent) {
    const TGraphScale scale = ScaleOf(0, -1, 100, 1);
    const TMeasureLabel measure = [](TPoint place, const std::string&) {
        return TLabelBox{{place.X / 10, place.Y / 10}, {100, 20}};
    };
    const std::vector<TAxisValue> xValues = AxisValues(scale, TAxis::X, Step);
    const std::vector<TAxisLabel> x = AxisLabelsToShow(scale, TAxis::X, Step, measure);
    ASSERT_EQ(x.size(), (xValues.size() + 1) / 2);
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(x[i].Place, (TPoint{xValues[2 * i].Logical, -40}));
        EXPECT_EQ(x[i].Text, xValues[2 * i].Text);
    }
    const std::vector<TAxisValue> yValues = AxisValues(scale, TAxis::Y, Step);
    const std::vector<TAxisLabel> y = AxisLabelsToShow(scale, TAxis::Y, Step, measure);
    ASSERT_EQ(y.size(), yValues.size());
    for (std::size_t i = 0; i < y.size(); ++i) {
        EXPECT_EQ(y[i].Place, (TPoint{-40, yValues[i].Logical}));
        EXPECT_EQ(y[i].Text, yValues[i].Text);
    }
}

} // namespace
