#include "window/setscaledial.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"
#include "datafile/datanumber.h"
#include "framework/gdi/messagebox.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"

#include <limits>
#include <string>

namespace {

// Right-aligned in ten characters with at most ten significant digits.
constexpr int RangeDigits = 10;
// A field is read whole: a number cut short would read silently wrong.
constexpr int FieldCharsRead = std::numeric_limits<int>::max();

TAxisKind KindOf(bool log) {
    return log ? TAxisKind::Log10 : TAxisKind::Linear;
}

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
    CheckDlgButton(IDC_LOGX, GraphScale.GetXKind() == TAxisKind::Log10);
    CheckDlgButton(IDC_LOGY, GraphScale.GetYKind() == TAxisKind::Log10);
    TDataBounds bounds;
    const bool canFit = Window->DataBounds(bounds);
    EnableDlgItem(IDC_FITX, canFit);
    EnableDlgItem(IDC_FITY, canFit);
}

bool TSetScaleDial::CanClose() {
    const bool fitX = IsDlgButtonChecked(IDC_FITX), fitY = IsDlgButtonChecked(IDC_FITY);
    const TAxisKind xKind = KindOf(IsDlgButtonChecked(IDC_LOGX));
    const TAxisKind yKind = KindOf(IsDlgButtonChecked(IDC_LOGY));
    TDataBounds bounds;
    const bool fit = (fitX || fitY) && Window->DataBounds(bounds, xKind, yKind);
    TScaleRanges ranges;
    // In tab order. A field must hold one number; a fitted range's text is
    // not used, so it is not read either.
    const struct {
        int Id;
        const char* Name;
        double& Value;
        bool Fitted;
    } fields[] = {
        {IDC_MINX, "Min X", ranges.MinX, fit && fitX},
        {IDC_MAXX, "Max X", ranges.MaxX, fit && fitX},
        {IDC_MINY, "Min Y", ranges.MinY, fit && fitY},
        {IDC_MAXY, "Max Y", ranges.MaxY, fit && fitY},
    };
    for (const auto& field : fields) {
        if (field.Fitted || ReadFieldNumber(GetDlgItemText(field.Id, FieldCharsRead), field.Value))
            continue;
        Window->MessageBox(std::string("Invalid number in ") + field.Name + "!", "",
                           MB_OK | MB_ICONEXCLAMATION);
        FocusDlgItem(field.Id);
        return false;
    }
    if (fit && fitX) {
        ranges.MinX = bounds.XMin;
        ranges.MaxX = bounds.XMax;
    }
    if (fit && fitY) {
        ranges.MinY = bounds.YMin;
        ranges.MaxY = bounds.YMax;
    }
    if (!RangesAreValid(ranges)) {
        Window->MessageBox("Invalid ranges!", "", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!RangesFitAxes(ranges, xKind, yKind)) {
        Window->MessageBox("A log axis takes only ranges above zero!", "",
                           MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    Window->SetScaleRanges(ranges, xKind, yKind);
    return true;
}
