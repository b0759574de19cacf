// The drawing window's tools for precise work: undo and redo of every change
// to the curves and the view, zooming with the picture and the history of
// views, the keyboard, and the loupe.

#include "window/drawwindow.h"

#include "core/graphscale.h"
#include "core/scaleranges.h"
#include "framework/clientdc.h"
#include "framework/commandenabler.h"
#include "framework/keys.h"
#include "image/dib.h"
#include "resources/tables/ids.h"
#include "window/clientarea.h"
#include "window/loupewindow.h"

#include <cmath>

namespace {

// One wheel notch or one Zoom In: the shown part shrinks by this much.
constexpr double ZoomStep = 1.4142135623730951;

} // namespace

TCurveTableRef TDrawWindow::CurveTable() {
    return {Curves, CurrentCurve, PointCount, DrawMode};
}

void TDrawWindow::BeginStep(const char* name) {
    History.BeginStep(name, CurveTable());
}

void TDrawWindow::EndStep(bool clearsSaved) {
    History.EndStep(CurveTable(), clearsSaved);
}

TView TDrawWindow::ViewNow() const {
    return CurrentView(Dib ? ImageSrcRect : TRect{});
}

// The picture's part is taken only where it fits the picture loaded now: a
// view remembered from another picture brings back its scale alone. The
// picture may move, so points clicked for a calibration no longer hold.
void TDrawWindow::ShowView(const TView& view) {
    CancelCalibration();
    ApplyViewScale(view);
    if (Dib && view.Shown != ImageSrcRect && FitsPicture(view.Shown, {ImageWidth, ImageHeight})) {
        ImageSrcRect = view.Shown;
        ImageMoved = 1;
    }
    Invalidate(true);
    if (Loupe)
        Loupe->Invalidate();
}

void TDrawWindow::ChangeView(const char* stepName, const TView& next) {
    const TView before = ViewNow();
    ShowView(next);
    RecordViewChange(stepName, before);
}

void TDrawWindow::RecordViewChange(const char* stepName, const TView& before) {
    const TView after = ViewNow();
    History.RecordView(stepName, before, after);
    Views.Push(after);
}

void TDrawWindow::SetGraphScale(const char* stepName, double xmin, double ymin, double xmax,
                                double ymax) {
    TView next = ViewNow();
    next.XMin = xmin;
    next.XMax = xmax;
    next.YMin = ymin;
    next.YMax = ymax;
    ChangeView(stepName, next);
}

void TDrawWindow::ZoomAbout(const TPoint& client, double factor) {
    if (DragDC)
        return; // the rubber band lives on the canvas a repaint would clear
    const std::optional<TPoint> logical = ClientToLogical(client);
    if (!logical)
        return;
    const TSize picture = Dib ? TSize{ImageWidth, ImageHeight} : TSize{};
    if (const auto next = ZoomedView(ViewNow(), picture, logical->X, logical->Y, factor))
        ChangeView(factor > 1 ? "Zoom In" : "Zoom Out", *next);
}

// Zoom In and Out from the menu or the keyboard work about the pointer when
// it is over the window, else about the middle of the window.
TPoint TDrawWindow::ZoomCentre() const {
    const TRect client = GetClientRect();
    const TPoint pointer = GetPointerPos();
    if (IsInClientArea(client, pointer))
        return pointer;
    return {client.Right / 2, client.Bottom / 2};
}

void TDrawWindow::CmZoomIn() {
    ZoomAbout(ZoomCentre(), ZoomStep);
}

void TDrawWindow::CmZoomOut() {
    ZoomAbout(ZoomCentre(), 1 / ZoomStep);
}

void TDrawWindow::EvMouseWheel(const TPoint& point, int delta) {
    WheelRest += delta;
    const int notches = WheelRest / WHEEL_DELTA;
    WheelRest %= WHEEL_DELTA;
    if (notches != 0)
        ZoomAbout(point, std::pow(ZoomStep, notches));
}

void TDrawWindow::CmBack() {
    if (!DragDC && Views.CanGoBack())
        ShowView(Views.Back());
}

void TDrawWindow::CmForward() {
    if (!DragDC && Views.CanGoForward())
        ShowView(Views.Forward());
}

void TDrawWindow::CeBack(TCommandEnabler& ce) {
    ce.Enable(Views.CanGoBack());
}

void TDrawWindow::CeForward(TCommandEnabler& ce) {
    ce.Enable(Views.CanGoForward());
}

void TDrawWindow::CmUndo() {
    if (!DragDC && History.CanUndo())
        ShowHistoryStep(History.Undo(CurveTable()));
}

void TDrawWindow::CmRedo() {
    if (!DragDC && History.CanRedo())
        ShowHistoryStep(History.Redo(CurveTable()));
}

void TDrawWindow::CeUndo(TCommandEnabler& ce) {
    ce.Enable(History.CanUndo());
    ce.SetText(History.CanUndo() ? "&Undo " + History.UndoName() : "&Undo");
}

void TDrawWindow::CeRedo(TCommandEnabler& ce) {
    ce.Enable(History.CanRedo());
    ce.SetText(History.CanRedo() ? "&Redo " + History.RedoName() : "&Redo");
}

// The curves are back as they were; drawing on or off with them.
void TDrawWindow::ShowHistoryStep(const std::optional<TView>& view) {
    DataSaved = History.IsAtSavedState() ? 1 : 0;
    if (view) {
        ShowView(*view);
        Views.Push(ViewNow());
    }
    ShowDrawMode();
    Invalidate(true);
    if (Loupe)
        Loupe->Invalidate();
}

bool TDrawWindow::EvKeyDown(unsigned key, unsigned modifiers) {
    const int step = (modifiers & MK_SHIFT) ? 10 : 1;
    switch (key) {
    case VK_LEFT:
        return NudgePointer({-step, 0});
    case VK_RIGHT:
        return NudgePointer({step, 0});
    case VK_UP:
        return NudgePointer({0, -step});
    case VK_DOWN:
        return NudgePointer({0, step});
    case VK_SPACE:
    case VK_RETURN:
        return PlacePointAtPointer();
    case VK_ESCAPE:
        if (Calibration.IsActive()) {
            CancelCalibration();
            return true;
        }
        return CancelDrag();
    default:
        return false;
    }
}

// The platform may or may not report a pointer it was told to move, so the
// window it is over hears of the move here; a second report of the same
// place changes nothing.
bool TDrawWindow::NudgePointer(const TPoint& by) {
    if (Loupe && Loupe->IsVisible() && Loupe->IsPointerInside()) {
        const TPoint at = Loupe->GetPointerPos();
        const TPoint to{at.X + by.X, at.Y + by.Y};
        Loupe->SetPointerPos(to);
        Loupe->EvMouseMove(to);
        return true;
    }
    const TPoint at = GetPointerPos();
    const TPoint to{at.X + by.X, at.Y + by.Y};
    SetPointerPos(to);
    if (DragDC || IsInClientArea(GetClientRect(), to))
        EvMouseMove(to);
    return true;
}

bool TDrawWindow::PlacePointAtPointer() {
    if (!DrawMode || DragDC)
        return false;
    if (Loupe && Loupe->IsVisible() && Loupe->IsPointerInside()) {
        Loupe->PlaceAtCrossHair();
        return true;
    }
    const TPoint at = GetPointerPos();
    if (!IsInClientArea(GetClientRect(), at))
        return false;
    if (const std::optional<TPoint> logical = ClientToLogical(at))
        PlacePoint(*logical);
    return true;
}

// The rubber band is taken off as after a click; the drag's button, when
// let go, then finds no drag to end.
bool TDrawWindow::CancelDrag() {
    if (!DragDC)
        return false;
    EndDrag(true);
    return true;
}

void TDrawWindow::CmLoupe() {
    if (!Loupe)
        Loupe = std::make_unique<TLoupeWindow>(*this, *this);
    const bool show = !Loupe->IsVisible();
    if (show)
        Loupe->Follow(ZoomCentre());
    Loupe->Show(show);
    CheckMenuItem(CM_LOUPE, show);
}

TSize TDrawWindow::LoupeSourceSize() const {
    const TRect client = GetClientRect();
    return {client.Width(), client.Height()};
}

void TDrawWindow::PaintMagnified(TDC& dc) {
    PaintPicture(dc);
}

std::string TDrawWindow::PositionText(const TPoint& logical) const {
    return FormatPositionPane('X', GraphScale.ToGraphX(logical.X)) + " " +
           FormatPositionPane('Y', GraphScale.ToGraphY(logical.Y));
}

// The loupe's finer point serves a calibration as it serves drawing.
void TDrawWindow::LoupeClick(const TPoint& logical) {
    if (DragDC)
        return;
    if (Calibration.IsActive()) {
        TakeCalibrationClick(logical);
        return;
    }
    if (DrawMode)
        PlacePoint(logical);
}
