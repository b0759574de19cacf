#include "core/view.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ImageSquareSize = ImageSquareHigh - ImageSquareLow;

// One axis of the shown part: its first pixel and its width, in picture pixels.
struct TSpan {
    int First;
    int Width;
};

// The width after a zoom: always at least one pixel narrower when zooming in
// and one wider when zooming out, so small parts still change, and within
// 1 .. the picture's width.
int ZoomedWidth(int width, int pictureWidth, double factor) {
    const double ideal = std::round(width / factor);
    int w = factor > 1 ? static_cast<int>(std::min(ideal, width - 1.0))
                       : static_cast<int>(std::max(ideal, width + 1.0));
    return std::clamp(w, 1, pictureWidth);
}

// Keeps the picture position `at` (in pixels, fractional) where it is on the
// screen while the span narrows or widens to `width` pixels.
TSpan ZoomedSpan(TSpan span, int pictureWidth, double at, double factor) {
    const int width = ZoomedWidth(span.Width, pictureWidth, factor);
    const double first = at - (at - span.First) * width / span.Width;
    const int maxFirst = pictureWidth - width;
    return {std::clamp(static_cast<int>(std::lround(first)), 0, maxFirst), width};
}

bool IsUsableRange(double min, double max) {
    return std::isfinite(min) && std::isfinite(max) && std::isfinite(max - min) && min != max;
}

std::optional<TView> ZoomRanges(const TView& view, double lx, double ly, double factor) {
    const double x = view.XMin + lx * (view.XMax - view.XMin) / GraphExtent;
    const double y = view.YMin + ly * (view.YMax - view.YMin) / GraphExtent;
    TView zoomed = view;
    zoomed.XMin = x - (x - view.XMin) / factor;
    zoomed.XMax = x + (view.XMax - x) / factor;
    zoomed.YMin = y - (y - view.YMin) / factor;
    zoomed.YMax = y + (view.YMax - y) / factor;
    if (!IsUsableRange(zoomed.XMin, zoomed.XMax) || !IsUsableRange(zoomed.YMin, zoomed.YMax))
        return std::nullopt;
    return zoomed;
}

// The view with each log axis's bounds taken to their logarithms, and back:
// a log axis is linear in them.
TView InLogSpace(TView view) {
    if (view.XKind == TAxisKind::Log10) {
        view.XMin = std::log10(view.XMin);
        view.XMax = std::log10(view.XMax);
    }
    if (view.YKind == TAxisKind::Log10) {
        view.YMin = std::log10(view.YMin);
        view.YMax = std::log10(view.YMax);
    }
    return view;
}

TView OutOfLogSpace(TView view) {
    if (view.XKind == TAxisKind::Log10) {
        view.XMin = std::pow(10.0, view.XMin);
        view.XMax = std::pow(10.0, view.XMax);
    }
    if (view.YKind == TAxisKind::Log10) {
        view.YMin = std::pow(10.0, view.YMin);
        view.YMax = std::pow(10.0, view.YMax);
    }
    return view;
}

std::optional<TView> ZoomedLinearView(const TView& view, TSize picture, double lx, double ly,
                                      double factor) {
    if (!(factor > 0) || factor == 1 || !std::isfinite(factor))
        return std::nullopt;
    const TRect& shown = view.Shown;
    const bool hasPicture =
        picture.Cx > 0 && picture.Cy > 0 && shown.Width() > 0 && shown.Height() > 0;
    if (!hasPicture)
        return ZoomRanges(view, lx, ly, factor);

    // Picture pixels per logical unit and the pointer's place in the picture;
    // picture rows run downwards from the top of the image square.
    const double kx = shown.Width() / ImageSquareSize;
    const double ky = shown.Height() / ImageSquareSize;
    const double px = shown.Left + (lx - ImageSquareLow) * kx;
    const double py = shown.Top + (ImageSquareHigh - ly) * ky;
    const TSpan sx = ZoomedSpan({shown.Left, shown.Width()}, picture.Cx, px, factor);
    const TSpan sy = ZoomedSpan({shown.Top, shown.Height()}, picture.Cy, py, factor);
    const TRect next{sx.First, sy.First, sx.First + sx.Width, sy.First + sy.Width};
    if (next == shown)
        return std::nullopt;

    // Graph value of a picture position under the current view; the new
    // ranges are the values of the picture positions that land on the edges
    // of the graph square once `next` fills the image square.
    const double xPerLogical = (view.XMax - view.XMin) / GraphExtent;
    const double yPerLogical = (view.YMax - view.YMin) / GraphExtent;
    auto valueX = [&](double p) {
        return view.XMin + (ImageSquareLow + (p - shown.Left) / kx) * xPerLogical;
    };
    auto valueY = [&](double p) {
        return view.YMin + (ImageSquareHigh - (p - shown.Top) / ky) * yPerLogical;
    };
    const double nkx = sx.Width / ImageSquareSize;
    const double nky = sy.Width / ImageSquareSize;
    TView zoomed{valueX(next.Left - ImageSquareLow * nkx),
                 valueX(next.Left + (GraphExtent - ImageSquareLow) * nkx),
                 valueY(next.Top + ImageSquareHigh * nky),
                 valueY(next.Top + (ImageSquareHigh - GraphExtent) * nky), next,
                 view.XKind, view.YKind};
    if (!IsUsableRange(zoomed.XMin, zoomed.XMax) || !IsUsableRange(zoomed.YMin, zoomed.YMax))
        return std::nullopt;
    return zoomed;
}

} // namespace

TView CurrentView(const TRect& shown) {
    return {GraphScale.GetXMin(), GraphScale.GetXMax(), GraphScale.GetYMin(), GraphScale.GetYMax(),
            shown, GraphScale.GetXKind(), GraphScale.GetYKind()};
}

bool FitsPicture(const TRect& shown, TSize picture) {
    return shown.Left >= 0 && shown.Top >= 0 && shown.Left < shown.Right &&
           shown.Top < shown.Bottom && shown.Right <= picture.Cx && shown.Bottom <= picture.Cy;
}

void ApplyViewScale(const TView& view) {
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, view.XMin, view.YMin, view.XMax, view.YMax,
                        view.XKind, view.YKind);
}

std::optional<TView> ZoomedView(const TView& view, TSize picture, double lx, double ly,
                                double factor) {
    const std::optional<TView> zoomed = ZoomedLinearView(InLogSpace(view), picture, lx, ly, factor);
    if (!zoomed)
        return std::nullopt;
    const TView result = OutOfLogSpace(*zoomed);
    if (!RangesFitAxes({result.XMin, result.XMax, result.YMin, result.YMax}, result.XKind,
                       result.YKind) ||
        !IsUsableRange(result.XMin, result.XMax) || !IsUsableRange(result.YMin, result.YMax))
        return std::nullopt;
    return result;
}

