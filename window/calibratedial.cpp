#include "window/calibratedial.h"

#include "core/calibration.h"
#include "core/graphscale.h"
#include "datafile/datanumber.h"
#include "framework/gdi/messagebox.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"

#include <limits>
#include <string>

namespace {

// A field is read whole: a number cut short would read silently wrong.
constexpr int FieldCharsRead = std::numeric_limits<int>::max();

TAxisKind KindOf(bool log) {
    return log ? TAxisKind::Log10 : TAxisKind::Linear;
}

} // namespace

TCalibrateDial::TCalibrateDial(TDrawWindow* parent, const TCalibrationClicks& clicks)
    : TDialog(parent, IDD_CALIBRATE), Window(parent), Clicks(clicks) {}

// The axes keep their kinds unless the user changes them.
void TCalibrateDial::SetupWindow() {
    TDialog::SetupWindow();
    CheckDlgButton(IDC_LOGX, GraphScale.GetXKind() == TAxisKind::Log10);
    CheckDlgButton(IDC_LOGY, GraphScale.GetYKind() == TAxisKind::Log10);
}

bool TCalibrateDial::CanClose() {
    // In tab order, named as the labels name them.
    double values[4];
    const struct {
        int Id;
        const char* Name;
    } fields[4] = {{IDC_VALUEX1, "First X"},
                   {IDC_VALUEX2, "Second X"},
                   {IDC_VALUEY1, "First Y"},
                   {IDC_VALUEY2, "Second Y"}};
    for (int i = 0; i < 4; ++i) {
        if (ReadFieldNumber(GetDlgItemText(fields[i].Id, FieldCharsRead), values[i]))
            continue;
        Window->MessageBox(std::string("Invalid number in ") + fields[i].Name + "!", "",
                           MB_OK | MB_ICONEXCLAMATION);
        FocusDlgItem(fields[i].Id);
        return false;
    }
    const TAxisKind xKind = KindOf(IsDlgButtonChecked(IDC_LOGX));
    const TAxisKind yKind = KindOf(IsDlgButtonChecked(IDC_LOGY));
    TScaleRanges ranges;
    const TCalibrationResult result = Calibrate(Clicks.X(values[0], values[1], xKind),
                                                Clicks.Y(values[2], values[3], yKind), ranges);
    if (result != TCalibrationResult::Done) {
        Window->MessageBox(CalibrationMessage(result), "", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    Window->SetScaleRanges(ranges, xKind, yKind);
    return true;
}
