#include "core/axisvalues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int MaxDigits = 17; // any two doubles differ in seventeen digits
constexpr double ZeroFraction = 1e-12;
// Labels are exact to this share of the distance to the nearest line.
constexpr double Resolution = 1e-2;

// Significant digits that show v to within resolution.
int DigitsFor(double v, double resolution) {
    if (v == 0 || !(resolution > 0) || !std::isfinite(v) || !std::isfinite(resolution))
        return 1;
    return static_cast<int>(std::floor(std::log10(std::fabs(v))) -
                            std::floor(std::log10(resolution))) +
           1;
}

// One precision for the whole axis, enough for every line's value.
int AxisDigits(const std::vector<TAxisValue>& values) {
    int digits = 1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        double distance = std::numeric_limits<double>::infinity();
        if (i > 0)
            distance = std::fabs(values[i].Value - values[i - 1].Value);
        if (i + 1 < values.size())
            distance = std::min(distance, std::fabs(values[i + 1].Value - values[i].Value));
        digits = std::max(digits, DigitsFor(values[i].Value, distance * Resolution));
    }
    return std::clamp(digits, 1, MaxDigits);
}

// A position whose exact value is zero comes out as a tiny remainder of the
// arithmetic; it is shown as the 0 it stands for.
void SnapToZero(std::vector<TAxisValue>& values) {
    if (values.size() < 2)
        return;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t neighbour = i + 1 < values.size() ? i + 1 : i - 1;
        const double distance = std::fabs(values[neighbour].Value - values[i].Value);
        if (std::fabs(values[i].Value) < ZeroFraction * distance)
            values[i].Value = 0;
    }
}

} // namespace

std::string FormatAxisValue(double value, int precision) {
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    return std::string(buf, ec == std::errc{} ? end : buf);
}

std::vector<TAxisValue> AxisValues(const TGraphScale& scale, TAxis axis, int step) {
    std::vector<TAxisValue> values;
    if (step <= 0)
        return values;
    for (int at = step; at <= GraphExtent; at += step) {
        const double v = axis == TAxis::X ? scale.ToGraphX(scale.GetLogLeft() + at)
                                          : scale.ToGraphY(scale.GetLogBottom() + at);
        values.push_back({at, v, {}});
    }
    SnapToZero(values);
    const int digits = AxisDigits(values);
    for (TAxisValue& v : values)
        v.Text = FormatAxisValue(v.Value, digits);
    return values;
}

std::vector<std::size_t> LabelsToShow(std::span<const int> centres, std::span<const int> sizes,
                                      int gap) {
    const std::size_t count = std::min(centres.size(), sizes.size());
    const auto fits = [&](std::size_t a, std::size_t b) {
        const long long distance = std::llabs(static_cast<long long>(centres[b]) - centres[a]);
        return 2 * distance >= static_cast<long long>(sizes[a]) + sizes[b] + 2LL * gap;
    };
    std::size_t stride = 1;
    for (; stride < count; ++stride) {
        bool all = true;
        for (std::size_t i = stride; i < count && all; i += stride)
            all = fits(i - stride, i);
        if (all)
            break;
    }
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < count; i += stride)
        shown.push_back(i);
    return shown;
}

namespace {

// The values at the grid lines stand this many logical units off the axes,
// and neighbouring ones keep this many pixels between them.
constexpr int AxisValueOffset = 40;
constexpr int AxisValueSpacing = 8;

} // namespace

std::vector<TAxisLabel> AxisLabelsToShow(const TGraphScale& scale, TAxis axis, int step,
                                         const TMeasureLabel& measure) {
    const bool isX = axis == TAxis::X;
    std::vector<TAxisValue> values = AxisValues(scale, axis, step);
    std::vector<TPoint> places;
    std::vector<int> centres, sizes;
    for (const TAxisValue& value : values) {
        const TPoint place =
            isX ? TPoint{value.Logical, -AxisValueOffset} : TPoint{-AxisValueOffset, value.Logical};
        const TLabelBox box = measure(place, value.Text);
        places.push_back(place);
        centres.push_back(isX ? box.Device.X : box.Device.Y);
        sizes.push_back(isX ? box.Size.Cx : box.Size.Cy);
    }
    std::vector<TAxisLabel> labels;
    for (const std::size_t i : LabelsToShow(centres, sizes, AxisValueSpacing))
        labels.push_back({places[i], std::move(values[i].Text)});
    return labels;
}
