#pragma once

#include "framework/canvasdc.h"

#include <QPointer>

class QWidget;
class TWindow;

// Draws into a window's canvas now, between paints (a point placed by a
// click, a rubber band); each drawn area is shown at once. The next full
// paint of the window draws over it.
class TClientDC : public TCanvasDC {
public:
    explicit TClientDC(TWindow& window);

protected:
    void Changed(const QRect& area) override;

private:
    QPointer<QWidget> Widget;
};
