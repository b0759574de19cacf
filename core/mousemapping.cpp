#include "core/mousemapping.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

int TruncToInt(double v) {
    // Products here are bounded by the image size times a logical value
    // within the client range, well inside int.
    return static_cast<int>(std::trunc(v));
}

} // namespace

std::optional<TPoint> ClientToLogical(TPoint client, TSize clientSize) {
    const int w = clientSize.Cx, h = clientSize.Cy;
    if (w <= 0 || h <= 0)
        return std::nullopt;
    const std::int64_t x = std::clamp(client.X, 0, w);
    const std::int64_t y = std::clamp(client.Y, 0, h);
    const auto lx = static_cast<int>(x * LogicalClientExtent / w) - LogicalOriginOffset;
    const auto ly = (LogicalClientExtent - LogicalOriginOffset) -
                    static_cast<int>(y * LogicalClientExtent / h);
    return TPoint{lx, ly};
}

TRect DragRectangle(TPoint start, TPoint end) {
    return TRect{start.X, start.Y, end.X, end.Y}.Normalized();
}

bool IsClick(TPoint press, TPoint release, int platformDragDistance) {
    const std::int64_t moved = std::abs(std::int64_t{release.X} - press.X) +
                               std::abs(std::int64_t{release.Y} - press.Y);
    return moved < std::max(MinDragDistance, platformDragDistance);
}

bool IsEmptyDrag(const TRect& dragRect) {
    return static_cast<std::int64_t>(dragRect.Width()) * dragRect.Height() == 0;
}

bool ZoomToDrag(const TRect& dragRect) {
    const TAxisKind xKind = GraphScale.GetXKind(), yKind = GraphScale.GetYKind();
    double x1 = GraphScale.ToGraphX(dragRect.Left);
    double y1 = GraphScale.ToGraphY(dragRect.Top);
    double x2 = GraphScale.ToGraphX(dragRect.Right);
    double y2 = GraphScale.ToGraphY(dragRect.Bottom);
    // A log axis separates equal limits in SetScale; the linear epsilon
    // could push a tiny limit below zero there.
    if (x1 == x2 && xKind == TAxisKind::Linear) {
        x1 -= DragEpsilon;
        x2 += DragEpsilon;
    }
    if (y1 == y2 && yKind == TAxisKind::Linear) {
        y1 -= DragEpsilon;
        y2 += DragEpsilon;
    }
    if (!std::isfinite(x2 - x1) || !std::isfinite(y2 - y1))
        return false; // NaN and infinite limits fail here too
    if (!RangesFitAxes({x1, x2, y1, y2}, xKind, yKind))
        return false; // a limit below the smallest double on a log axis
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, x1, y1, x2, y2, xKind, yKind);
    return true;
}

TRect StretchedImageRect(const TRect& shown, const TRect& dragRect, int imageWidth,
                         int imageHeight) {
    // Measured over the graph square from logical 0, with the image's rows
    // counted downwards while logical y grows upwards.
    const double kx = (shown.Right - shown.Left) * (1.0 / GraphExtent);
    const double ky = (shown.Bottom - shown.Top) * (1.0 / GraphExtent);
    TRect r;
    r.Left = shown.Left + TruncToInt(dragRect.Left * kx);
    r.Right = shown.Left + TruncToInt(dragRect.Right * kx);
    r.Top = shown.Top + TruncToInt((GraphExtent - dragRect.Bottom) * ky);
    r.Bottom = shown.Top + TruncToInt((GraphExtent - dragRect.Top) * ky);
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, imageWidth);
    r.Bottom = std::min(r.Bottom, imageHeight);
    return r;
}
