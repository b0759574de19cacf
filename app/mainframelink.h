#pragma once

#include "window/drawwindowframe.h"

// The main frame as the drawing window sees it: the hint line of the status
// bar and the Draw button the application made (through MainStatusBar and
// DrawButton, so a call before they exist does nothing), and the About
// dialog.
class TMainFrameLink final : public TDrawWindowFrame {
public:
    void SetHintText(const char* text) override;
    void SetDrawButtonDown(bool down) override;
    std::unique_ptr<TDialog> MakeAboutDialog(TWindow& parent) override;
};
