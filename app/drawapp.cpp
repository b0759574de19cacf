#include "app/drawapp.h"

#include "app/ctl3dsteps.h"
#include "app/globals.h"
#include "app/mainframelink.h"
#include "framework/buttongadget.h"
#include "framework/controlbar.h"
#include "framework/messageecho.h"
#include "framework/statusbar.h"
#include "framework/userinterface.h"
#include "resources/buildinfo.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"

#include <iostream>
#include <iterator>

namespace {

// The tool bar from left to right: a button's command (also its glyph's
// number), or 0 with the width of a separator.
struct TToolBarPlace {
    int Command;
    int SeparatorSize;
};

constexpr TToolBarPlace ToolBarPlaces[] = {
    {CM_SCALE, 0},  {0, 6},  {CM_DRAW, 0},         {0, 6}, {CM_DELETELASTPOINT, 0}, {0, 6},
    {CM_RECALL, 0}, {0, 12}, {CM_HELPCONTENTS, 0}, {0, 6}, {CM_ABOUT, 0},
};

constexpr TGadgetWindowFont GadgetFont{10, false, false};

// Stateless, so it outlives every drawing window.
TMainFrameLink MainFrameLink;

std::unique_ptr<TStatusBar> MakeStatusBar(TDrawWindow& window) {
    auto statusBar = std::make_unique<TStatusBar>(GadgetFont);
    MainStatusBar = statusBar.get();
    window.InsertStatusPanes(*statusBar);
    return statusBar;
}

std::unique_ptr<TControlBar> MakeToolBar(TDecoratedFrame& frame) {
    auto toolBar = std::make_unique<TControlBar>(frame, GadgetFont);
    for (const TToolBarPlace& place : ToolBarPlaces) {
        if (place.Command == 0) {
            toolBar->Insert(TSeparatorGadget{place.SeparatorSize});
            continue;
        }
        TButtonGadget& button =
            toolBar->Insert(std::make_unique<TButtonGadget>(place.Command, place.Command));
        if (place.Command == CM_DRAW)
            DrawButton = &button;
    }
    return toolBar;
}

// Start-up's boxes have no owner: no window exists yet.
int AskWithoutOwner(const TUserMessage& box) {
    return TUserInterface::Get().MessageBox(nullptr, box.Text, box.Caption, box.Flags());
}

} // namespace

TDrawApp::TDrawApp(int& argc, char** argv, std::vector<std::string> startFiles)
    : TApplication(argc, argv), StartFiles(std::move(startFiles)) {
    nCmdShow = TDecoratedFrame::TShowCmd::Maximized;
    InstallCtl3dLibrary(GetPlatformProbes(), AskWithoutOwner);
    EnableCtl3dControls(GetCtl3dSwitch(), IniFileName, AskWithoutOwner);
    SetDesktopEntry(DesktopAppId);
}

void TDrawApp::InitInstance() {
    TApplication::InitInstance();
    if (!Window)
        return;
    for (const std::string& file : StartFiles) {
        const TMessageEcho echo(std::cerr, "kestrova: " + file);
        Window->OpenFile(file);
    }
}

TDrawApp::~TDrawApp() {
    MainStatusBar = nullptr;
    DrawButton = nullptr;
}

void TDrawApp::InitMainWindow() {
    auto client = std::make_unique<TDrawWindow>(nullptr, &MainFrameLink);
    TDrawWindow& window = *client;
    Window = &window;
    auto frame = std::make_unique<TDecoratedFrame>(AppTitle, std::move(client), true);
    frame->SetIcon(IDI_KESTROVA);
    frame->SetAcceleratorTable(IDA_MAIN);
    auto statusBar = MakeStatusBar(window);
    auto toolBar = MakeToolBar(*frame);
    frame->Insert(std::move(statusBar), TDecoratedFrame::TLocation::Bottom);
    frame->Insert(std::move(toolBar), TDecoratedFrame::TLocation::Bottom);
    SetMainWindow(std::move(frame));
    GetMainWindow()->AssignMenu(IDM_COMMANDS);
}
