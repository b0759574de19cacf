#pragma once

#include "framework/dialog.h"

class TCalibrationClicks;
class TDrawWindow;

// The Calibrate dialog on the "CALIBRATE_DIAL" template: the values of the
// two points of known X and the two of known Y the user clicked, and a log
// box for each axis. OK reads the values (a decimal point or comma), works
// out the scale that gives the clicked points those values and sets it
// through the drawing window, or says why it cannot and stays open. It
// holds the clicks it was made with.
class TCalibrateDial : public TDialog {
public:
    TCalibrateDial(TDrawWindow* parent, const TCalibrationClicks& clicks);

    bool CanClose() override;
    void SetupWindow() override;

private:
    TDrawWindow* Window;
    const TCalibrationClicks& Clicks;
};
