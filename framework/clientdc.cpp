#include "framework/clientdc.h"

#include "framework/window.h"

#include <QWidget>

TClientDC::TClientDC(TWindow& window) : TCanvasDC(window.Canvas()), Widget(window.GetHandle()) {}

void TClientDC::Changed(const QRect& area) {
    if (Widget)
        Widget->update(area);
}
