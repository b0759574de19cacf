#pragma once

#include "core/graphscale.h"
#include "framework/gdi/types.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

// The values shown along the graph square: the value at each grid line in
// printf's %g manner (always with a decimal point, whatever the locale), and
// which of a row of labels fit side by side. Measuring and drawing the texts
// is the window's part.

enum class TAxis { X, Y };

struct TAxisValue {
    int Logical = 0; // the line's logical position along its axis
    double Value = 0;
    std::string Text;
};

// Values at the grid lines of one axis of the scale: the logical positions
// step, 2 * step, ... up to GraphExtent (the axes themselves are no grid
// lines). The texts have as many significant digits as
// show every value to a hundredth of the distance to its neighbours (the
// same number on the whole axis, at most seventeen), in %g's shortest form; a value that is zero but for rounding (a
// millionth of a millionth of that distance) reads as 0.
std::vector<TAxisValue> AxisValues(const TGraphScale& scale, TAxis axis, int step);

// printf's "%.<precision>g" in the "C" locale.
std::string FormatAxisValue(double value, int precision);

// The labels of a row to show: every n-th from the first, with n the
// smallest step that leaves at least gap between neighbours. centres are the
// labels' middles along the row, in order (ascending or descending), sizes
// their extents along it, in the same units.
std::vector<std::size_t> LabelsToShow(std::span<const int> centres, std::span<const int> sizes,
                                      int gap);

// A label of one axis to draw: its text and the logical point it hangs from
// (X values below the X axis, Y values left of the Y axis).
struct TAxisLabel {
    TPoint Place;
    std::string Text;
};

// Where a label's logical place comes out on the device, and the size of its
// text there.
struct TLabelBox {
    TPoint Device;
    TSize Size;
};
using TMeasureLabel = std::function<TLabelBox(TPoint place, const std::string& text)>;

// The labels of the axis's grid values that fit side by side once measured,
// thinned as LabelsToShow thins them with a few pixels between neighbours.
std::vector<TAxisLabel> AxisLabelsToShow(const TGraphScale& scale, TAxis axis, int step,
                                         const TMeasureLabel& measure);
