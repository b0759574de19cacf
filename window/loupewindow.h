#pragma once

#include "framework/window.h"

#include <optional>
#include <string>

class TDC;

// What the loupe magnifies and where its clicks go: the drawing window.
class TLoupeSource {
  public:
    virtual ~TLoupeSource() = default;
    // The client size of the window the loupe magnifies.
    virtual TSize LoupeSourceSize() const = 0;
    // Draws the picture, axes, grid and curves into a context already put
    // into the window's logical coordinates, magnified.
    virtual void PaintMagnified(TDC& dc) = 0;
    // The X and Y values of a logical point, as the loupe shows them.
    virtual std::string PositionText(const TPoint& logical) const = 0;
    // A click in the held loupe at this logical point.
    virtual void LoupeClick(const TPoint& logical) = 0;
};

// The loupe: a small movable tool window showing the drawing window's picture
// and curves magnified 4, 8 or 16 times about the pointer, with a cross-hair
// on the logical point a click would take and its values underneath. While
// the pointer moves over the drawing window the loupe follows it; inside the
// loupe it holds still and the cross-hair follows the pointer on the finer
// step of loupe pixels. It paints only itself.
class TLoupeWindow : public TWindow {
  public:
    static constexpr TSize LoupeSize{240, 240};
    static constexpr int StartMagnification = 8;

    TLoupeWindow(TWindow& drawWindow, TLoupeSource& source);

    // Shows the loupe (the first time at the top right of the drawing
    // window) or hides it.
    void Show(bool visible);
    // The pointer moved to this client pixel of the drawing window.
    void Follow(const TPoint& pointer);
    int GetMagnification() const { return Magnification; }
    // The logical point under the cross-hair; none while the drawing window
    // has no area.
    std::optional<TPoint> CrossHairPoint() const;
    // True once the pointer moved over the loupe, until it follows again.
    bool IsHeld() const { return Held.has_value(); }
    // True while the pointer is over the loupe's picture.
    bool IsPointerInside() const;
    // Places the point under the cross-hair (the held loupe's Space and
    // Enter).
    void PlaceAtCrossHair();

    void Paint(TDC& dc, bool erase, const TRect& rect) override;
    void EvMouseMove(const TPoint& point) override;
    void EvLButtonUp(const TPoint& point) override;
    void EvMouseWheel(const TPoint& point, int delta) override;

  private:
    void DrawCrossHair(TDC& dc, TPoint at) const;

    TWindow& DrawWindow;
    TLoupeSource& Source;
    TPoint Pointer{};
    // The loupe pixel under the pointer while it is over the loupe.
    std::optional<TPoint> Held;
    int Magnification = StartMagnification;
    bool Placed = false;
};
