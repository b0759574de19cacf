#include "window/setscaledial.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"
#include "datafile/datanumber.h"
#include "framework/gdi/messagebox.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"

#include <string>

namespace {

// Right-aligned in ten characters with at most ten significant digits.
constexpr int RangeDigits = 10;
// Only the start of a field is read, however long its text.
constexpr int FieldCharsRead = 19;

} // namespace

TSetScaleDial::TSetScaleDial(TDrawWindow* parent) : TDialog(parent, IDD_SETSCALE), Window(parent) {}

void TSetScaleDial::SetupWindow() {
    TDialog::SetupWindow();
    SetDlgItemText(IDC_MINX, FormatRangeValue(GraphScale.GetXMin(), RangeDigits));
    SetDlgItemText(IDC_MINY, FormatRangeValue(GraphScale.GetYMin(), RangeDigits));
    SetDlgItemText(IDC_MAXX, FormatRangeValue(GraphScale.GetXMax(), RangeDigits));
    SetDlgItemText(IDC_MAXY, FormatRangeValue(GraphScale.GetYMax(), RangeDigits));
    CheckDlgButton(IDC_FITX, false);
    CheckDlgButton(IDC_FITY, false);
    TDataBounds bounds;
    const bool canFit = Window->DataBounds(bounds);
    EnableDlgItem(IDC_FITX, canFit);
    EnableDlgItem(IDC_FITY, canFit);
}

// A field that holds no number reads as 0.
double TSetScaleDial::ReadField(int id) const {
    const std::string text = GetDlgItemText(id, FieldCharsRead);
    double value = 0.0;
    ReadDataNumber(text.data(), text.data() + text.size(), value);
    return value;
}

bool TSetScaleDial::CanClose() {
    TScaleRanges ranges{ReadField(IDC_MINX), ReadField(IDC_MAXX), ReadField(IDC_MINY),
                        ReadField(IDC_MAXY)};
    const bool fitX = IsDlgButtonChecked(IDC_FITX), fitY = IsDlgButtonChecked(IDC_FITY);
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
