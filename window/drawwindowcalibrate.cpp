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

// Half the arms of the cross that marks a clicked point, in pixels.
constexpr int MarkArm = 6;

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

void TDrawWindow::TakeCalibrationClick(const TPoint& logical, const TPoint& client) {
    const TCalibrationResult taken = Calibration.Take(logical);
    if (taken != TCalibrationResult::Done) {
        MessageBox(CalibrationMessage(taken), "", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    {
        // A cross in client pixels, by XOR like the rubber band.
        TClientDC dc(*this);
        dc.SelectObject(RubberPen);
        dc.SetROP2(R2_XORPEN);
        dc.MoveTo(client.X - MarkArm, client.Y);
        dc.LineTo(client.X + MarkArm + 1, client.Y);
        dc.MoveTo(client.X, client.Y - MarkArm);
        dc.LineTo(client.X, client.Y + MarkArm + 1);
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
