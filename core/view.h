#pragma once

#include "core/logicalspace.h"
#include "framework/gdi/types.h"

#include <optional>

// What the user looks at: the graph ranges of the graph square and the part
// of the picture (in picture pixels, rows counted from the top) stretched
// over the image square. Shown is empty when no picture is loaded.
struct TView {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    TRect Shown;
    friend bool operator==(const TView&, const TView&) = default;
};

// The ranges of GraphScale together with the given shown part.
TView CurrentView(const TRect& shown);

// Sets GraphScale to the view's ranges over the graph square.
void ApplyViewScale(const TView& view);

// The view after zooming by factor (above 1 zooms in) about the logical point
// (lx, ly), for a picture of the given size (0 x 0 when none is loaded).
// With a picture, the new shown part is whole pixels inside the picture, as
// near the exact zoom about the point as whole pixels allow, and the ranges
// are worked out from it so that every picture pixel keeps its graph value:
// the picture never moves against the values. Without one, the ranges shrink
// or grow about the point. Nothing when the view would not change or its
// ranges would not be finite.
std::optional<TView> ZoomedView(const TView& view, TSize picture, double lx, double ly,
                                double factor);
