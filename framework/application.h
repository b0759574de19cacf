#pragma once

#include "framework/decoratedframe.h"
#include "framework/gdi/ctl3dswitch.h"
#include "framework/systemprobes.h"

#include <memory>

class QApplication;

// The program's application object: makes Qt's application (unless one
// exists, as in tests), asks the derived class to make the main window,
// makes and shows it, and runs the message loop until it closes. The main
// window is destroyed with the application object. It holds the platform
// probes start-up asks and the 3-D controls switch.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // InitInstance, then the message loop; answers the loop's exit code.
    int Run();
    // Makes, creates and shows the main window; a derived class may go on
    // from there with what the program is to do at start.
    virtual void InitInstance();

    void SetMainWindow(std::unique_ptr<TDecoratedFrame> frame);
    // The desktop entry (its file name without ".desktop") the program's
    // windows belong to.
    void SetDesktopEntry(const char* appId);
    TDecoratedFrame* GetMainWindow() const { return MainWindow.get(); }

    TDecoratedFrame::TShowCmd nCmdShow = TDecoratedFrame::TShowCmd::Normal;

    TPlatformProbes& GetPlatformProbes() { return Probes; }
    TCtl3dSwitch& GetCtl3dSwitch() { return Ctl3d; }

protected:
    virtual void InitMainWindow() = 0;

private:
    std::unique_ptr<QApplication> QtApplication;
    std::unique_ptr<TDecoratedFrame> MainWindow;
    TSystemProbes Probes;
    TCtl3dSwitch Ctl3d{Probes};
};
