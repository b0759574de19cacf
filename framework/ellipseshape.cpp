#include "framework/ellipseshape.h"

#include "framework/linerasteriser.h"

#include <algorithm>
#include <cmath>

namespace {

// Row spans of the filled ellipse: pixel centres inside the ellipse that
// touches the box's edges; a row that would come out empty keeps its
// middle pixel so the outline stays closed.
std::vector<TEllipseShape::TSpan> FilledRows(int width, int height) {
    std::vector<TEllipseShape::TSpan> rows;
    const double a = width / 2.0, b = height / 2.0;
    for (int y = 0; y < height; ++y) {
        const double dy = (y + 0.5 - b) / b;
        const double extent = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        int left = static_cast<int>(std::ceil(a - extent - 0.5));
        int right = static_cast<int>(std::floor(a + extent - 0.5));
        if (left > right)
            left = right = (width - 1) / 2;
        rows.push_back({y, std::max(left, 0), std::min(right, width - 1)});
    }
    return rows;
}

// Outline pixels in the order of a walk round the ellipse (by angle about
// the centre), so the pen's pattern runs along the curve as GDI's does.
std::vector<TEllipseShape::TPixel> SortedByAngle(std::vector<TEllipseShape::TPixel> pixels,
                                                 int width, int height) {
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
    auto angle = [&](const TEllipseShape::TPixel& p) {
        return std::atan2(cy - p.Y, p.X - cx);
    };
    std::sort(pixels.begin(), pixels.end(),
              [&](const auto& l, const auto& r) { return angle(l) < angle(r); });
    return pixels;
}

// Pixels joined into runs along the rows, top row first.
std::vector<TEllipseShape::TSpan> RowRuns(std::vector<TEllipseShape::TPixel> pixels) {
    std::sort(pixels.begin(), pixels.end(),
              [](const auto& l, const auto& r) { return l.Y != r.Y ? l.Y < r.Y : l.X < r.X; });
    std::vector<TEllipseShape::TSpan> runs;
    for (const TEllipseShape::TPixel& p : pixels) {
        if (!runs.empty() && runs.back().Y == p.Y && runs.back().Right + 1 == p.X)
            ++runs.back().Right;
        else
            runs.push_back({p.Y, p.X, p.X});
    }
    return runs;
}

} // namespace

TEllipseShape::TEllipseShape(int width, int height, TPenStyle style)
    : Width(width), Height(height), Style(style) {
    if (width <= 0 || height <= 0)
        return;
    FilledSpans = FilledRows(width, height);
    std::vector<TPixel> outline;
    for (int y = 0; y < height; ++y) {
        const TSpan& row = FilledSpans[y];
        int innerLeft = row.Left + 1, innerRight = row.Right - 1;
        if (y == 0 || y == height - 1) {
            innerLeft = row.Right + 1; // no interior: the whole row is outline
        } else {
            innerLeft = std::max({innerLeft, FilledSpans[y - 1].Left, FilledSpans[y + 1].Left});
            innerRight = std::min({innerRight, FilledSpans[y - 1].Right, FilledSpans[y + 1].Right});
        }
        if (innerLeft <= innerRight)
            InteriorSpans.push_back({y, innerLeft, innerRight});
        for (int x = row.Left; x <= row.Right; ++x)
            if (x < innerLeft || x > innerRight)
                outline.push_back({x, y});
    }
    if (style == PS_SOLID) {
        OutlinePixels = std::move(outline);
    } else {
        TPenPattern pattern(style);
        for (const TPixel& p : SortedByAngle(std::move(outline), width, height))
            if (pattern.Next())
                OutlinePixels.push_back(p);
    }
    OutlineRuns = RowRuns(OutlinePixels);
}
