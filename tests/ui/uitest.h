#pragma once

#include "app/drawapp.h"
#include "core/curvepoint.h"
#include "drawwindowprobe.h"
#include "framework/gdi/usermessage.h"
#include "resources/tables/ids.h"
#include "scripteduserinterface.h"
#include "support/tempfolder.h"
#include "window/drawwindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QImage;
class QMenu;
class QToolButton;
class TDecoratedFrame;

// Starts the real program (application, frame, drawing window) from the
// same state every time: its settings in a fresh folder of the test's own,
// the curve flags and the graph scale as at program start, the scripted
// user-interface service. Helpers reach its menus, buttons, panes and
// pixels; Probe() reaches the few internal facts a user cannot see.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void StartApp();
    void StopApp();

    // Runs a command through its menu item, or its tool-bar button.
    void Command(int id);
    QAction* MenuAction(int id) const;
    QMenu* Popup(const char* title) const;
    // Opens the popup (the frame asks the enablers), returns the item's
    // state, and closes it again.
    bool MenuItemEnabled(const char* popup, int id);
    QToolButton* ToolButton(int id) const;
    std::string Hint() const;
    // The status bar's panes as shown: the pointer's X and Y, the message.
    std::string XPane() const;
    std::string YPane() const;
    std::string MessagePane() const;
    TDrawWindowProbe Probe() const { return TDrawWindowProbe(*Window); }

    // Begins a curve (answering the first-curve hint when it comes) and
    // adds points as a click would.
    void BeginCurve();
    void AddPoint(double x, double y);
    // The points of the curve in the slot, in order.
    std::vector<TCurvePoint> Points(int slot) const;

    // A monochrome picture loaded and shown as the Open Image command
    // leaves it; loading it tells exactly the notices given.
    void ShowImage(int width, int height, const std::vector<std::string>& notices = {});

    QImage Grab() const;
    // Every text of the dialog shows whole in the box its template gives.
    static void ExpectTextsFit(const QWidget& dialog);
    // Device pixel of a logical point, through the window's own mapping.
    TPoint Device(int lx, int ly) const;
    std::string IniText() const;
    // The message boxes shown so far: text, caption, buttons and icon.
    std::vector<TUserMessage> BoxesShown() const;

    TTempFolder Folder;
    // The settings' folder, also where a test keeps the files it writes.
    std::filesystem::path ConfigDir = Folder.Path();
    TScriptedUserInterface* Ui = nullptr;
    std::unique_ptr<TDrawApp> App;
    TDecoratedFrame* Frame = nullptr;
    TDrawWindow* Window = nullptr;
};
