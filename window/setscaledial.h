#pragma once

#include "framework/dialog.h"

class TDrawWindow;

// The Scale dialog on the "SET_SCALE_DIAL" template: four fields with the
// X and Y ranges of the graph square, two boxes that fit either range to
// all curves of the drawing window and two that make an axis logarithmic.
// OK applies the ranges to GraphScale, or keeps the dialog open: on a field
// that holds anything but one number, on ranges that are empty or reversed,
// or on a log axis whose range is not above zero.
// While it is open the ranges live in its fields; it holds nothing else.
class TSetScaleDial : public TDialog {
public:
    explicit TSetScaleDial(TDrawWindow* parent);

    bool CanClose() override;
    void SetupWindow() override;

private:
    TDrawWindow* Window;
};
