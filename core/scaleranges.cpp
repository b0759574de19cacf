#include "core/scaleranges.h"

#include "core/curve.h"

#include <charconv>
#include <cmath>

namespace {

// printf's %.<precision>g in the "C" locale, padded to width on the left
// (right-aligned) or on the right (left-aligned).
std::string FormatG(double value, int width, int precision, bool leftAligned) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general,
                                   precision);
    std::string text(buf, ec == std::errc{} ? end : buf);
    if (static_cast<int>(text.size()) < width) {
        std::string pad(static_cast<std::size_t>(width) - text.size(), ' ');
        text = leftAligned ? text + pad : pad + text;
    }
    return text;
}

} // namespace

std::string FormatRangeValue(double value, int n) {
    return FormatG(value, n, n, false);
}

std::string FormatPositionPane(char axis, double value) {
    return std::string{axis, '='} + FormatG(value, 10, 10, true);
}

bool DataBounds(const TCurve* const* curves, int currentCurve, TDataBounds& bounds) {
    if (currentCurve < 0)
        return false;
    unsigned long long points = 0;
    for (int i = 0; i <= currentCurve; ++i) {
        const TCurve* c = curves[i];
        if (!c || c->GetCount() == 0)
            continue;
        if (points == 0) {
            bounds = {c->GetXMin(), c->GetXMax(), c->GetYMin(), c->GetYMax()};
        } else {
            if (c->GetXMin() < bounds.XMin)
                bounds.XMin = c->GetXMin();
            if (c->GetXMax() > bounds.XMax)
                bounds.XMax = c->GetXMax();
            if (c->GetYMin() < bounds.YMin)
                bounds.YMin = c->GetYMin();
            if (c->GetYMax() > bounds.YMax)
                bounds.YMax = c->GetYMax();
        }
        points += c->GetCount();
    }
    return points >= 2;
}

bool RangesAreValid(const TScaleRanges& r) {
    // Written so that NaN fails; a span too wide for a double would make the
    // scale factor zero and every conversion back divide by it.
    return r.MinX < r.MaxX && r.MinY < r.MaxY && std::isfinite(r.MaxX - r.MinX) &&
           std::isfinite(r.MaxY - r.MinY);
}
