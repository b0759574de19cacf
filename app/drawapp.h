#pragma once

#include "framework/application.h"

#include <string>
#include <vector>

class TDrawWindow;

// The application: installs, switches on and tests the 3-D controls
// (asking once when they cannot be used), opens the main window maximized,
// and makes it as the drawing window inside a frame with the menu, the
// accelerators, the tool bar and the status bar. The files it is given
// (from the command line) open in turn once the window shows; their errors
// are also written to standard error.
class TDrawApp : public TApplication {
public:
    TDrawApp(int& argc, char** argv, std::vector<std::string> startFiles = {});
    ~TDrawApp() override;

    void InitInstance() override;

protected:
    void InitMainWindow() override;

private:
    std::vector<std::string> StartFiles;
    TDrawWindow* Window = nullptr;
};
