#include "window/vspecialslider.h"

#include "framework/window.h"

TVSpecialSlider::TVSpecialSlider(TWindow* parent, int id, int x, int y, int width, int height)
    : TVSlider(parent, id, x, y, width, height), ParentWindow(parent) {}

void TVSpecialSlider::EvLButtonUp() {
    TVSlider::EvLButtonUp();
    if (ParentWindow)
        ParentWindow->Invalidate(true);
}
