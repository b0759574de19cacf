#include "app/drawapp.h"

#include "app/globals.h"
#include "framework/buttongadget.h"
#include "framework/controlbar.h"
#include "framework/statusbar.h"
#include "window/drawwindow.h"

#include <iterator>

namespace {

// The tool bar from left to right: a button's command (also its glyph's
// number), or 0 with the width of a separator.
struct TToolBarPlace {
    int Command;
    int SeparatorSize;
};

constexpr TToolBarPlace ToolBarPlaces[] = {
    {221, 0}, {0, 6}, {241, 0}, {0, 6}, {261, 0}, {0, 6},
    {263, 0}, {0, 12}, {281, 0}, {0, 6}, {283, 0},
};

constexpr int DrawCommand = 241;
constexpr int AcceleratorTableId = 601;
constexpr TGadgetWindowFont GadgetFont{10, false, false};

std::unique_ptr<TStatusBar> MakeStatusBar(TDrawWindow& window) {
    auto statusBar = std::make_unique<TStatusBar>(GadgetFont);
    MainStatusBar = statusBar.get();
    statusBar->Insert(window.XGadget);
    statusBar->Insert(window.YGadget);
    statusBar->Insert(window.MessageGadget);
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
        if (place.Command == DrawCommand)
            DrawButton = &button;
    }
    return toolBar;
}

} // namespace

TDrawApp::TDrawApp(int& argc, char** argv) : TApplication(argc, argv) {
    nCmdShow = TDecoratedFrame::TShowCmd::Maximized;
}

TDrawApp::~TDrawApp() {
    MainStatusBar = nullptr;
    DrawButton = nullptr;
}

void TDrawApp::InitMainWindow() {
    auto client = std::make_unique<TDrawWindow>();
    TDrawWindow& window = *client;
    auto frame = std::make_unique<TDecoratedFrame>(AppTitle, std::move(client), true);
    frame->SetIcon("KESTROVA_ICON");
    frame->SetAcceleratorTable(AcceleratorTableId);
    auto statusBar = MakeStatusBar(window);
    auto toolBar = MakeToolBar(*frame);
    frame->Insert(std::move(statusBar), TDecoratedFrame::TLocation::Bottom);
    frame->Insert(std::move(toolBar), TDecoratedFrame::TLocation::Bottom);
    SetMainWindow(std::move(frame));
    GetMainWindow()->AssignMenu("COMMANDS");
}
