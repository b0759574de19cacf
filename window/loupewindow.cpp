#include "window/loupewindow.h"

#include "core/loupemapping.h"
#include "core/mousemapping.h"
#include "framework/gdi/dc.h"
#include "window/clientarea.h"

namespace {

constexpr int ScreenMargin = 8;
const TPen CrossHairPen{TColor{255, 255, 255}, 1, PS_SOLID};

} // namespace

TLoupeWindow::TLoupeWindow(TWindow& drawWindow, TLoupeSource& source)
    : TWindow(&drawWindow), DrawWindow(drawWindow), Source(source) {
    MakeToolWindow("Loupe", LoupeSize);
}

void TLoupeWindow::Show(bool visible) {
    if (visible && !Placed) {
        Placed = true;
        const TRect client = DrawWindow.GetClientRect();
        const TPoint corner = DrawWindow.ClientToScreen({client.Right, client.Top});
        TWindow::Show(true);
        const TRect frame = GetWindowRect();
        MoveWindowTo({corner.X - frame.Width() - ScreenMargin, corner.Y + ScreenMargin});
    }
    TWindow::Show(visible);
    if (visible) {
        SetBkgndColor(DrawWindow.GetBkgndColor());
        Invalidate();
    }
}

void TLoupeWindow::Follow(const TPoint& pointer) {
    SetBkgndColor(DrawWindow.GetBkgndColor());
    Pointer = pointer;
    Held.reset();
    if (IsVisible())
        Invalidate();
}

std::optional<TPoint> TLoupeWindow::CrossHairPoint() const {
    const TSize client{DrawWindow.GetClientRect().Width(), DrawWindow.GetClientRect().Height()};
    if (Held)
        return LoupeToLogical(*Held, client, Pointer, Magnification, LoupeSize);
    return ClientToLogical(Pointer, client);
}

bool TLoupeWindow::IsPointerInside() const {
    return IsInClientArea(GetClientRect(), GetPointerPos());
}

void TLoupeWindow::PlaceAtCrossHair() {
    if (const auto logical = CrossHairPoint())
        Source.LoupeClick(*logical);
}

// Erased (before this paint) in the drawing window's background colour, so
// the picture shows as it does there.
void TLoupeWindow::Paint(TDC& dc, bool, const TRect&) {
    const TSize client = Source.LoupeSourceSize();
    const auto target = CrossHairPoint();
    if (!target || client.Cx <= 0 || client.Cy <= 0) {
        SetOverlayText("");
        return;
    }
    PrepareLoupeDC(dc, client, Pointer, Magnification, LoupeSize);
    // Symbols as outlines: filled, magnified, they would hide the very
    // picture the loupe is for.
    dc.SelectObject(TBrush::Hollow());
    Source.PaintMagnified(dc);
    const TPoint at = dc.LogicalToDevice(*target);
    DrawCrossHair(dc, at);
    SetOverlayText(Source.PositionText(*target) + "  " + std::to_string(Magnification) + "x");
}

// Drawn by XOR in loupe pixels, so it shows on any colour.
void TLoupeWindow::DrawCrossHair(TDC& dc, TPoint at) const {
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg({0, 0});
    dc.SetViewportOrg({0, 0});
    const TPen previous = dc.SelectObject(CrossHairPen);
    const int mix = dc.SetROP2(R2_XORPEN);
    dc.MoveTo(0, at.Y);
    dc.LineTo(LoupeSize.Cx, at.Y);
    dc.MoveTo(at.X, 0);
    dc.LineTo(at.X, LoupeSize.Cy);
    dc.SetROP2(mix);
    dc.SelectObject(previous);
}

void TLoupeWindow::EvMouseMove(const TPoint& point) {
    Held = point;
    Invalidate();
}

void TLoupeWindow::EvLButtonUp(const TPoint& point) {
    Held = point;
    PlaceAtCrossHair();
    Invalidate();
}

void TLoupeWindow::EvMouseWheel(const TPoint&, int delta) {
    const int next = NextLoupeMagnification(Magnification, delta > 0 ? 1 : -1);
    if (next == Magnification)
        return;
    // The loupe magnifies about its centre; a held cross-hair stays under the
    // pointer and so names a point nearer to or farther from the centre.
    Magnification = next;
    Invalidate();
}
