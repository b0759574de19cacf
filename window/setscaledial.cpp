#include "window/setscaledial.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"
#include "datafile/datanumber.h"
#include "framework/gdi/messagebox.h"
#include "window/drawwindow.h"

#include <string>

namespace {

enum : int {
    MinXField = 201,
    MinYField = 202,
    MaxXField = 203,
    MaxYField = 204,
    FitXBox = 205,
    FitYBox = 206,
};

// Right-aligned in ten characters with at most ten significant digits.
constexpr int RangeDigits = 10;
// Only the start of a field is read, however long its text.
constexpr int FieldCharsRead = 19;

} // namespace

TSetScaleDial::TSetScaleDial(TDrawWindow* parent)
    : TDialog(parent, "SET_SCALE_DIAL"), Window(parent) {}

void TSetScaleDial::SetupWindow() {
    TDialog::SetupWindow();
    SetDlgItemText(MinXField, FormatRangeValue(GraphScale.GetXMin(), RangeDigits));
    SetDlgItemText(MinYField, FormatRangeValue(GraphScale.GetYMin(), RangeDigits));
    SetDlgItemText(MaxXField, FormatRangeValue(GraphScale.GetXMax(), RangeDigits));
    SetDlgItemText(MaxYField, FormatRangeValue(GraphScale.GetYMax(), RangeDigits));
    CheckDlgButton(FitXBox, false);
    CheckDlgButton(FitYBox, false);
    TDataBounds bounds;
    const bool canFit = Window->DataBounds(bounds);
    EnableDlgItem(FitXBox, canFit);
    EnableDlgItem(FitYBox, canFit);
}

// A field that holds no number reads as 0.
double TSetScaleDial::ReadField(int id) const {
    const std::string text = GetDlgItemText(id, FieldCharsRead);
    double value = 0.0;
    ReadDataNumber(text.data(), text.data() + text.size(), value);
    return value;
}

bool TSetScaleDial::CanClose() {
    TScaleRanges ranges{ReadField(MinXField), ReadField(MaxXField), ReadField(MinYField),
                        ReadField(MaxYField)};
    const bool fitX = IsDlgButtonChecked(FitXBox), fitY = IsDlgButtonChecked(FitYBox);
    TDataBounds bounds;
    if ((fitX || fitY) && Window->DataBounds(bounds)) {
        if (fitX) {
            ranges.MinX = bounds.XMin;
            ranges.MaxX = bounds.XMax;
        }
        if (fitY) {
            ranges.MinY = bounds.YMin;
            ranges.MaxY = bounds.YMax;
        }
    }
    if (!RangesAreValid(ranges)) {
        Window->MessageBox("Invalid ranges!", "", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, ranges.MinX, ranges.MinY, ranges.MaxX,
                        ranges.MaxY);
    return true;
}
