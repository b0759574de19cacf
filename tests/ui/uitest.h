#pragma once

#include "app/drawapp.h"
#include "core/curvepoint.h"
#include "scripteduserinterface.h"
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

// Starts the real program (application, frame, drawing window) with its
// settings in a fresh directory and the scripted user-interface service,
// and stops it again; helpers reach its menus, buttons and pixels.
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

    // Begins a curve (answering the first-curve hint when it comes) and
    // adds points as a click would.
    void BeginCurve();
    void AddPoint(double x, double y);
    // The points of the curve in the slot, in order.
    std::vector<TCurvePoint> Points(int slot) const;

    QImage Grab() const;
    // Every text of the dialog shows whole in the box its template gives.
    static void ExpectTextsFit(const QWidget& dialog);
    // Device pixel of a logical point, through the window's own mapping.
    TPoint Device(int lx, int ly) const;
    std::string IniText() const;

    std::filesystem::path ConfigDir;
    TScriptedUserInterface* Ui = nullptr;
    std::unique_ptr<TDrawApp> App;
    TDecoratedFrame* Frame = nullptr;
    TDrawWindow* Window = nullptr;
};
