#include "app/mainframelink.h"

#include "app/aboutdial.h"
#include "app/globals.h"
#include "framework/buttongadget.h"
#include "framework/statusbar.h"

void TMainFrameLink::SetHintText(const char* text) {
    if (MainStatusBar)
        MainStatusBar->SetHintText(text);
}

void TMainFrameLink::SetDrawButtonDown(bool down) {
    if (DrawButton)
        DrawButton->SetButtonState(down ? TButtonGadget::Down : TButtonGadget::Up);
}

std::unique_ptr<TDialog> TMainFrameLink::MakeAboutDialog(TWindow& parent) {
    return std::make_unique<TAboutDial>(&parent);
}
