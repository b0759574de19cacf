#pragma once

#include "framework/canvasdc.h"

#include <QPointer>

#include <chrono>

class TWindow;
class TWindowWidget;

// Draws into a window's canvas now, between paints (a point placed by a
// click, a rubber band, the points of a file as they are read). The areas
// drawn are gathered and shown together: when the context ends, about every
// 16 ms while it draws, and whenever control is back in the event loop. The
// next full paint of the window draws over it.
class TClientDC : public TCanvasDC {
public:
    explicit TClientDC(TWindow& window);
    ~TClientDC() override;
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;

protected:
    void Changed(const TRect& box) override;

private:
    QPointer<TWindowWidget> Widget;
    std::chrono::steady_clock::time_point LastShown;
    unsigned ChangesUnclocked = 0;
};
