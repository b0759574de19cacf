// The drawing window's calibration by clicked points: four clicks collected
// while the message pane says which point to click, each marked on the
// picture, then the Calibrate dialog for their values. The picture stays as
// it is throughout; anything that would move it ends the calibration. Esc
// ends it too (the window's key handler).

#include "window/drawwindow.h"

#include "core/calibration.h"
#include "framework/clientdc.h"
#include "framework/commandenabler.h"
#include "framework/gdi/messagebox.h"
#include "window/calibratedial.h"

namespace {

// The arms of the cross that marks a clicked point, in logical units.
constexpr int MarkArm = 70;

} // namespace

void TDrawWindow::CmCalibrate() {
    if (DrawMode)
        ToggleDrawMode();
    Calibration.Begin();
    MessageGadget.SetText(Calibration.Prompt());
    // Esc reaches the window only while it has the keyboard.
    SetFocus();
}

// A calibration is not begun again halfway; Esc ends it.
void TDrawWindow::CeCalibrate(TCommandEnabler& ce) {
    ce.Enable(!Calibration.IsActive());
}

void TDrawWindow::CancelCalibration() {
    if (!Calibration.IsActive())
        return;
    Calibration.End();
    if (DragDC && LeftButtonDown)
        EndDrag(false);
    MessageGadget.SetText("Calibration cancelled.");
    Invalidate(true); // takes the marks away
}

void TDrawWindow::TakeCalibrationClick(const TPoint& logical) {
    const TCalibrationResult taken = Calibration.Take(logical);
    if (taken != TCalibrationResult::Done) {
        MessageBox(CalibrationMessage(taken), "", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    {
        // A cross by XOR, like the rubber band; the repaint at the end
        // takes it away.
        TClientDC dc(*this);
        PrepareDC(dc);
        dc.SelectObject(RubberPen);
        dc.SetROP2(R2_XORPEN);
        dc.MoveTo(logical.X - MarkArm, logical.Y);
        dc.LineTo(logical.X + MarkArm, logical.Y);
        dc.MoveTo(logical.X, logical.Y - MarkArm);
        dc.LineTo(logical.X, logical.Y + MarkArm);
    }
    if (!Calibration.IsComplete()) {
        MessageGadget.SetText(Calibration.Prompt());
        return;
    }
    // One step of the undo history and of the views, as a Scale change is.
    const TView before = ViewNow();
    const bool calibrated = TCalibrateDial(this, Calibration).Execute() == IDOK;
    if (calibrated)
        RecordViewChange("Calibrate", before);
    Calibration.End();
    MessageGadget.SetText(calibrated ? "Scale calibrated." : "Calibration cancelled.");
    Invalidate(true);
}
