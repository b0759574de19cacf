#pragma once

#include "core/curve.h"
#include "framework/clientdc.h"
#include "framework/dialog.h"
#include "image/dib.h"
#include "window/drawwindow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

// The UI tests' one way into the drawing window, for facts a user cannot
// read off the screen (the counts and modes behind what is shown, the drag
// in progress, the pending rotation, the part of the image shown) and for
// the few set-ups a test makes without a dialog: points placed as clicks
// place them, an image as Open Image leaves it, the data as after a save.
// Everything a user sees (panes, menus, buttons, pixels, boxes, files) the
// tests read where the user sees it.
class TDrawWindowProbe {
public:
    explicit TDrawWindowProbe(TDrawWindow& window) : Window(window) {}

    int CurrentCurve() const { return Window.CurrentCurve; }
    std::uint32_t PointCount() const { return Window.PointCount; }
    int DrawMode() const { return Window.DrawMode; }
    int DataSaved() const { return Window.DataSaved; }
    int ShowSymbols() const { return Window.ShowSymbols; }
    int ShowLines() const { return Window.ShowLines; }
    TCurve* Curve(int slot) const { return Window.Curves[slot].get(); }
    const TPen* CurvePen(int slot) const { return &Window.CurvePens[slot]; }

    TDib* Dib() const { return Window.Dib.get(); }
    TPixelCopy& BackupBits() const { return Window.BackupBits; }
    TRect ImageSrcRect() const { return Window.ImageSrcRect; }
    int ImageWidth() const { return Window.ImageWidth; }
    int ImageHeight() const { return Window.ImageHeight; }
    int ImageMoved() const { return Window.ImageMoved; }
    TVSpecialSlider* RotationSlider() const { return Window.RotationSlider.get(); }
    int PendingRotation() const { return Window.PendingRotation; }
    int RotationFrameHidden() const { return Window.RotationFrameHidden; }

    bool Dragging() const { return Window.DragDC != nullptr; }
    int LeftButtonDown() const { return Window.LeftButtonDown; }
    int RightButtonDown() const { return Window.RightButtonDown; }
    TRect DragRect() const { return Window.DragRect; }

    TDialog* AboutDialog() const { return Window.AboutDialog.get(); }
    TLoupeWindow* Loupe() const { return Window.Loupe.get(); }

    // A point added to the curve being drawn, counted as a click counts it.
    void AddPoint(double x, double y) {
        Window.Curves[Window.CurrentCurve]->AddPoint(x, y);
        ++Window.PointCount;
        Window.DataSaved = 0;
    }
    // As after Save Data As.
    void MarkDataSaved() { Window.DataSaved = 1; }
    // A loaded image as Open Image keeps it, whole and unmoved; View|Image
    // is left as it is.
    void SetImage(std::unique_ptr<TDib> dib) {
        Window.Dib = std::move(dib);
        Window.ImageWidth = Window.Dib->GetWidth();
        Window.ImageHeight = Window.Dib->GetHeight();
        Window.ImageSrcRect = {0, 0, Window.ImageWidth, Window.ImageHeight};
        Window.ImageMoved = 0;
        Window.Views.Reset(Window.ViewNow());
    }
    // As after a stretch drag that left the part shown.
    void MoveImage(const TRect& shown) {
        Window.ImageSrcRect = shown;
        Window.ImageMoved = 1;
    }
    void SetMessage(const std::string& text) { Window.MessageGadget.SetText(text); }

private:
    TDrawWindow& Window;
};
