#pragma once

#include "core/graphscale.h"
#include "core/logicalspace.h"
#include "framework/gdi/types.h"

#include <optional>

// What the user looks at: the graph ranges of the graph square and the part
// of the picture (in picture pixels, rows counted from the top) stretched
// over the image square, and whether each axis is linear or log. Shown is
// empty when no picture is loaded.
struct TView {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    TRect Shown;
    TAxisKind XKind = TAxisKind::Linear, YKind = TAxisKind::Linear;
    friend bool operator==(const TView&, const TView&) = default;
};

// The ranges and axis kinds of GraphScale together with the given shown part.
TView CurrentView(const TRect& shown);

// Whether shown is a non-empty part lying wholly inside a picture of the
// given size.
bool FitsPicture(const TRect& shown, TSize picture);

// Sets GraphScale to the view's ranges and axis kinds over the graph square.
void ApplyViewScale(const TView& view);

// The view after zooming by factor (above 1 zooms in) about the logical point
// (lx, ly), for a picture of the given size (0 x 0 when none is loaded).
// With a picture, the new shown part is whole pixels inside the picture, as
// near the exact zoom about the point as whole pixels allow, and the ranges
// are worked out from it so that every picture pixel keeps its graph value:
// the picture never moves against the values. Without one, the ranges shrink
// or grow about the point. A log axis zooms as a linear one over the
// logarithms of its values. Nothing when the view would not change or its
// ranges would not be finite (or, on a log axis, above zero).
std::optional<TView> ZoomedView(const TView& view, TSize picture, double lx, double ly,
                                double factor);
