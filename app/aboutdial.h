#pragma once

#include "framework/dialog.h"

class TWindow;

// The About dialog on the "ABOUTDIAL" template: the program's icon, its
// name and version in the bordered text area, and an OK button. Modeless;
// the drawing window keeps the one object and shows it on Help|About.
class TAboutDial : public TDialog {
public:
    explicit TAboutDial(TWindow* parent);

    void SetupWindow() override;
};
