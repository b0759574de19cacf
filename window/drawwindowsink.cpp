#include "window/drawwindowsink.h"

#include "framework/gdi/usermessage.h"

TDrawWindowSink::TDrawWindowSink(TDrawWindow& window, TDC& dc)
    : Window(window), Dc(dc), Context(window, dc) {
    Wait.emplace();
    Window.PrepareDC(Dc);
}

// The window counts the curve at once, so that a paint while a message box
// is up draws it too.
bool TDrawWindowSink::CreateCurve(int slot) {
    if (!Window.MakeCurve(slot))
        return false;
    Context.Renew();
    return true;
}

void TDrawWindowSink::AddPoint(int slot, double x, double y) {
    Window.AddDataPoint(slot, x, y);
}

// A message box lets the window paint and change size; a paint takes the
// context from the curves, so they are given it back afterwards, in the
// window's present shape.
int TDrawWindowSink::ShowMessage(const TUserMessage& message) {
    Wait.reset();
    const int answer = Window.MessageBox(message);
    Wait.emplace();
    Window.PrepareDC(Dc);
    Context.Renew();
    return answer;
}

void TDrawWindowSink::ReadingEnded(int currentCurve, std::uint32_t pointCount,
                                   const std::string& countsText) {
    Wait.reset();
    Window.SetCounts(currentCurve, pointCount, countsText);
}
