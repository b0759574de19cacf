#pragma once

#include "framework/vslider.h"

class TWindow;

// The drawing window's rotation slider: a vertical slider that, once the
// base has handled a release of the left button, has its parent window
// painted afresh with the background erased, so that the paint applies the
// rotation the thumb was moved to. It owns nothing beyond its base.
class TVSpecialSlider : public TVSlider {
public:
    TVSpecialSlider(TWindow* parent, int id, int x, int y, int width, int height);

    void EvLButtonUp() override;

private:
    TWindow* ParentWindow;
};
