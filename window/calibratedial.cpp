#include "window/calibratedial.h"

#include "core/calibration.h"
#include "core/graphscale.h"
#include "datafile/datanumber.h"
#include "framework/gdi/messagebox.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"

#include <string>

namespace {

// Far more than any number needs; the rest of a longer text is not read.
constexpr int FieldCharsRead = 64;

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
    double values[4];
    const int fields[4] = {IDC_VALUEX1, IDC_VALUEX2, IDC_VALUEY1, IDC_VALUEY2};
    for (int i = 0; i < 4; ++i) {
        if (!ReadTypedNumber(GetDlgItemText(fields[i], FieldCharsRead), values[i])) {
            Window->MessageBox("Please type a number for each of the four points.", "",
                               MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
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
    Window->SetGraphScale(ranges, xKind, yKind);
    return true;
}
