#pragma once

#include "framework/application.h"

// The application: installs, switches on and tests the 3-D controls
// (asking once when they cannot be used), opens the main window maximized,
// and makes it as the drawing window inside a frame with the menu, the F1
// accelerator, the tool bar and the status bar.
class TDrawApp : public TApplication {
public:
    TDrawApp(int& argc, char** argv);
    ~TDrawApp() override;

protected:
    void InitMainWindow() override;
};
