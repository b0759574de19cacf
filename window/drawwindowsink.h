#pragma once

#include "datafile/datasink.h"
#include "framework/inputhold.h"
#include "framework/waitcursor.h"
#include "window/drawwindow.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

class TDC;

// The drawing window's side of one data-file reading: new curves go into
// the window's slots with their slot's pen, each point is drawn at once into
// the reading's client context (put into the window's logical coordinates
// here), questions and failures are the window's message boxes, and the
// counts the reading ends with become the window's. It shows the wait
// cursor while the reading lasts, except while a message box is up, and
// while it lives the curves draw into its context. A reading that lasts
// longer than half a second shows how far it has got in the message pane
// and lets the window repaint, holding all other input off; Escape stops
// it there, keeping what was read, and the counts then say where.
class TDrawWindowSink : public TDataSink {
public:
    TDrawWindowSink(TDrawWindow& window, TDC& dc);
    TDrawWindowSink(const TDrawWindowSink&) = delete;
    TDrawWindowSink& operator=(const TDrawWindowSink&) = delete;

    bool CreateCurve(int slot) override;
    void AddPoint(int slot, double x, double y) override;
    int ShowMessage(const TUserMessage& message) override;
    bool KeepReading(std::uint32_t lineNumber, std::uint64_t bytesRead,
                     std::uint64_t bytesTotal) override;
    void ReadingEnded(int currentCurve, std::uint32_t pointCount,
                      const std::string& countsText) override;

private:
    TDrawWindow& Window;
    TDC& Dc;
    TDrawWindow::TCurvesContext Context;
    std::optional<TWaitCursor> Wait;
    std::optional<TInputHold> Hold;
    std::chrono::steady_clock::time_point Started;
    std::chrono::steady_clock::time_point LastPumped;
    std::string StoppedAt;
};
