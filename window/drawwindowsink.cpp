#include "window/drawwindowsink.h"

#include "core/curve.h"
#include "framework/gdi/usermessage.h"
#include "window/drawwindow.h"

#include <new>

TDrawWindowSink::TDrawWindowSink(TDrawWindow& window, TDC& dc) : Window(window), Dc(dc) {
    Wait.emplace();
    AttachCurves();
}

// The context ends with the reading; no curve may keep it.
TDrawWindowSink::~TDrawWindowSink() {
    for (int slot = 0; slot <= Window.CurrentCurve; ++slot)
        if (TCurve* curve = Window.Curves[slot].get())
            curve->Dc = nullptr;
}

void TDrawWindowSink::AttachCurves() {
    Window.PrepareDC(Dc);
    for (int slot = 0; slot <= Window.CurrentCurve; ++slot)
        if (TCurve* curve = Window.Curves[slot].get())
            curve->Dc = &Dc;
}

// The window counts the curve at once, so that a paint while a message box
// is up draws it too.
bool TDrawWindowSink::CreateCurve(int slot) {
    auto& curve = Window.Curves[slot];
    curve.reset(new (std::nothrow) TCurve(100));
    if (!curve)
        return false;
    curve->Pen = &Window.CurvePens[slot];
    curve->Dc = &Dc;
    Window.CurrentCurve = slot;
    return true;
}

void TDrawWindowSink::AddPoint(int slot, double x, double y) {
    Window.Curves[slot]->AddPoint(x, y);
    Window.DataSaved = 0;
}

// A message box lets the window paint and change size; a paint takes the
// context from the curves, so they are given it back afterwards.
int TDrawWindowSink::ShowMessage(const TUserMessage& message) {
    Wait.reset();
    const int answer = Window.MessageBox(message);
    Wait.emplace();
    AttachCurves();
    return answer;
}

void TDrawWindowSink::ReadingEnded(int currentCurve, std::uint32_t pointCount,
                                   const std::string& countsText) {
    Wait.reset();
    Window.CurrentCurve = currentCurve;
    Window.PointCount = pointCount;
    Window.MessageGadget.SetText(countsText);
}
