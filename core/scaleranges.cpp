#include "core/scaleranges.h"

#include "core/curve.h"

#include <charconv>
#include <cmath>
#include <limits>

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

// The smallest and largest of the values that count on one axis.
class TAxisBounds {
public:
    explicit TAxisBounds(TAxisKind kind) : PositiveOnly(kind == TAxisKind::Log10) {}

    void Take(double v) {
        if (PositiveOnly && !(v > 0))
            return;
        if (v < Min)
            Min = v;
        if (v > Max)
            Max = v;
    }
    void Store(double& min, double& max) const {
        const bool any = Min <= Max;
        min = any ? Min : 0;
        max = any ? Max : 0;
    }

private:
    bool PositiveOnly;
    double Min = std::numeric_limits<double>::infinity();
    double Max = -std::numeric_limits<double>::infinity();
};

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

bool DataBounds(const TCurve* const* curves, int currentCurve, TDataBounds& bounds,
                TAxisKind xKind, TAxisKind yKind) {
    if (xKind == TAxisKind::Linear && yKind == TAxisKind::Linear)
        return DataBounds(curves, currentCurve, bounds);
    TAxisBounds x(xKind), y(yKind);
    unsigned long long points = 0;
    for (int i = 0; i <= currentCurve; ++i) {
        if (!curves[i])
            continue;
        for (const TCurvePoint& p : curves[i]->GetPoints()) {
            x.Take(p.X);
            y.Take(p.Y);
        }
        points += curves[i]->GetCount();
    }
    x.Store(bounds.XMin, bounds.XMax);
    y.Store(bounds.YMin, bounds.YMax);
    return points >= 2;
}

bool RangesAreValid(const TScaleRanges& r) {
    // Written so that NaN fails; a span too wide for a double would make the
    // scale factor zero and every conversion back divide by it.
    return r.MinX < r.MaxX && r.MinY < r.MaxY && std::isfinite(r.MaxX - r.MinX) &&
           std::isfinite(r.MaxY - r.MinY);
}

bool RangesFitAxes(const TScaleRanges& r, TAxisKind xKind, TAxisKind yKind) {
    return (xKind == TAxisKind::Linear || (r.MinX > 0 && r.MaxX > 0)) &&
           (yKind == TAxisKind::Linear || (r.MinY > 0 && r.MaxY > 0));
}
