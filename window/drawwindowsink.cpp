#include "window/drawwindowsink.h"

#include "framework/gdi/usermessage.h"

#include <string>

namespace {

// A reading that lasts longer shows how far it got and can be stopped.
constexpr std::chrono::milliseconds ProgressAfter{500};
// How often it then shows it and lets the window have its events.
constexpr std::chrono::milliseconds PumpEvery{40};

std::string HowFar(std::uint32_t lineNumber, std::uint64_t bytesRead, std::uint64_t bytesTotal) {
    std::string text = "line " + std::to_string(lineNumber);
    if (bytesTotal > 0)
        text += " (" + std::to_string(bytesRead * 100 / bytesTotal) + "%)";
    return text;
}

} // namespace

TDrawWindowSink::TDrawWindowSink(TDrawWindow& window, TDC& dc)
    : Window(window), Dc(dc), Context(window, dc), Started(std::chrono::steady_clock::now()) {
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
    // The box needs the input the reading holds off.
    const bool held = Hold.has_value();
    Hold.reset();
    Wait.reset();
    const int answer = Window.MessageBox(message);
    Wait.emplace();
    Window.PrepareDC(Dc);
    Context.Renew();
    if (held)
        Hold.emplace();
    return answer;
}

bool TDrawWindowSink::KeepReading(std::uint32_t lineNumber, std::uint64_t bytesRead,
                                  std::uint64_t bytesTotal) {
    const auto now = std::chrono::steady_clock::now();
    if (now - Started < ProgressAfter || now - LastPumped < PumpEvery)
        return true;
    LastPumped = now;
    if (!Hold)
        Hold.emplace();
    const std::string howFar = HowFar(lineNumber, bytesRead, bytesTotal);
    Window.ShowReadingProgress("Reading " + howFar + ", Esc stops");
    const bool stopped = Hold->Pump();
    // A paint meanwhile took the context from the curves, as after a box.
    Window.PrepareDC(Dc);
    Context.Renew();
    if (stopped)
        StoppedAt = "Stopped at " + howFar + ". ";
    return !stopped;
}

void TDrawWindowSink::ReadingEnded(int currentCurve, std::uint32_t pointCount,
                                   const std::string& countsText) {
    Hold.reset();
    Wait.reset();
    Window.SetCounts(currentCurve, pointCount, StoppedAt + countsText);
}
