#include "framework/clientdc.h"

#include "framework/window.h"
#include "framework/windowwidget.h"

namespace {

// A screen refresh: what is drawn for longer is shown as it comes.
constexpr std::chrono::milliseconds ShowInterval{16};
// Reading the clock costs more than gathering a box, so it is read once
// every so many changes.
constexpr unsigned ChangesPerClockRead = 64;

} // namespace

TClientDC::TClientDC(TWindow& window)
    : TCanvasDC(window.Canvas()), Widget(window.Widget), LastShown(std::chrono::steady_clock::now()) {}

TClientDC::~TClientDC() {
    if (Widget)
        Widget->ShowCanvasChanges();
}

void TClientDC::Changed(const TRect& box) {
    if (!Widget)
        return;
    Widget->CanvasChanged(box);
    if (++ChangesUnclocked < ChangesPerClockRead)
        return;
    ChangesUnclocked = 0;
    const auto now = std::chrono::steady_clock::now();
    if (now - LastShown >= ShowInterval) {
        LastShown = now;
        Widget->ShowCanvasChanges();
    }
}
