// The drawing window's mouse: points placed with the left button while
// drawing, calibration points taken while calibrating, the scale zoomed to a
// left drag otherwise, the shown part of the image stretched to a right
// drag, and the pointer's position in the X and Y panes. The mouse stays with the window while a button is held, so releases
// and moves outside the client area arrive here too.

#include "window/drawwindow.h"

#include "core/curve.h"
#include "core/curveflags.h"
#include "core/curvemessages.h"
#include "core/graphscale.h"
#include "core/mousemapping.h"
#include "core/scaleranges.h"
#include "framework/clientdc.h"
#include "framework/gdi/messagebox.h"
#include "image/dib.h"

std::optional<TPoint> TDrawWindow::ClientToLogical(const TPoint& client) const {
    const TRect area = GetClientRect();
    return ::ClientToLogical(client, {area.Width(), area.Height()});
}

// The rubber band is drawn in client pixels by XOR, so drawing a rectangle
// again takes it off.
void TDrawWindow::BeginDrag(const TPoint& point, const char* cursor) {
    SetCursor(cursor);
    DragDC = std::make_unique<TClientDC>(*this);
    DragDC->SelectObject(RubberPen);
    DragDC->SelectObject(RubberBrush);
    DragDC->SetROP2(R2_XORPEN);
    DragStart = point;
    DragEnd = point;
}

// The last rubber band stays on the screen: the repaint that follows a
// change takes it away. A click changes nothing, so its band (a slip of the
// hand may have drawn one) is taken off here.
void TDrawWindow::EndDrag(bool click) {
    if (click && DrawsRubberBand())
        DragDC->Rectangle(DragStart.X, DragStart.Y, DragEnd.X, DragEnd.Y);
    SetCursor(CursorCross);
    DragDC.reset();
}

// A press that places a point or takes a calibration click draws no band
// (a right press ends both first).
bool TDrawWindow::DrawsRubberBand() const {
    return !DrawMode && !Calibration.IsActive();
}

void TDrawWindow::EvLButtonDown(const TPoint& point) {
    if (RightButtonDown)
        return;
    LeftButtonDown = 1;
    if (DragDC)
        return;
    BeginDrag(point, DrawMode || Calibration.IsActive() ? CursorDropPoint : CursorDrag);
}

void TDrawWindow::EvMouseMove(const TPoint& point) {
    if (RightButtonDown && !(Dib && ShowImage))
        return;
    if (DragDC) {
        if (DrawsRubberBand()) {
            DragDC->Rectangle(DragStart.X, DragStart.Y, DragEnd.X, DragEnd.Y);
            DragDC->Rectangle(DragStart.X, DragStart.Y, point.X, point.Y);
        }
        DragEnd = point;
    }
    const std::optional<TPoint> logical = ClientToLogical(point);
    if (!logical)
        return;
    XGadget.SetText(FormatPositionPane('X', GraphScale.ToGraphX(logical->X)));
    YGadget.SetText(FormatPositionPane('Y', GraphScale.ToGraphY(logical->Y)));
    if (Loupe && Loupe->IsVisible())
        Loupe->Follow(point);
}

void TDrawWindow::EvLButtonUp(const TPoint& point) {
    if (RightButtonDown)
        return;
    LeftButtonDown = 0;
    if (!DragDC)
        return;
    const bool click = IsClick(DragStart, point, GetDragDistance());
    EndDrag(click);
    const std::optional<TPoint> start = ClientToLogical(DragStart);
    const std::optional<TPoint> end = ClientToLogical(point);
    if (!start || !end)
        return;
    if (Calibration.IsActive()) {
        TakeCalibrationClick(*end);
        return;
    }
    if (DrawMode) {
        PlacePoint(*end);
        return;
    }
    if (click)
        return;
    DragRect = DragRectangle(*start, *end);
    if (IsEmptyDrag(DragRect))
        return;
    const TView before = ViewNow();
    if (!ZoomToDrag(DragRect))
        return;
    RecordViewChange("Zoom", before);
    Invalidate(true);
    ShowCounts();
}

// The curve draws the new point at once; nothing is repainted but the
// loupe, which shows the curves too. The panes then show the new counts.
void TDrawWindow::PlacePoint(const TPoint& logical) {
    BeginStep("Add Point");
    {
        TClientDC dc(*this);
        PrepareDC(dc);
        const TCurvesContext context(*this, dc);
        Curves[CurrentCurve]->AddPoint(GraphScale.ToGraphX(logical.X),
                                       GraphScale.ToGraphY(logical.Y));
    }
    DataSaved = 0;
    if (OutOfMemory) {
        MessageBox(NoMemoryForPointsMessage());
        ToggleDrawMode();
    } else {
        ++PointCount;
    }
    EndStep(true);
    if (Loupe && Loupe->IsVisible())
        Loupe->Invalidate();
    ShowCounts();
}

void TDrawWindow::EvRButtonDown(const TPoint& point) {
    if (LeftButtonDown)
        return;
    RightButtonDown = 1;
    CancelCalibration();
    if (DrawMode)
        ToggleDrawMode();
    if (!Dib || !ShowImage || DragDC)
        return;
    BeginDrag(point, CursorAlign);
}

void TDrawWindow::EvRButtonUp(const TPoint& point) {
    if (LeftButtonDown)
        return;
    RightButtonDown = 0;
    // A drag ends with its button even when the image went out of view
    // meanwhile, so no stale drag is left for the next press.
    if (!DragDC)
        return;
    const bool click = IsClick(DragStart, point, GetDragDistance());
    EndDrag(click);
    if (!Dib || !ShowImage || click)
        return;
    const std::optional<TPoint> start = ClientToLogical(DragStart);
    const std::optional<TPoint> end = ClientToLogical(point);
    if (!start || !end)
        return;
    DragRect = DragRectangle(*start, *end);
    if (IsEmptyDrag(DragRect))
        return;
    const TView before = ViewNow();
    ImageSrcRect = StretchedImageRect(ImageSrcRect, DragRect, ImageWidth, ImageHeight);
    ImageMoved = 1;
    RecordViewChange("Stretch", before);
    Invalidate(true);
    ShowCounts();
}
