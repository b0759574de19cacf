#include "core/viewhistory.h"

void TViewHistory::Reset(const TView& view) {
    Views.assign(1, view);
    Current = 0;
}

void TViewHistory::Push(const TView& view) {
    if (view == Views[Current])
        return;
    Views.resize(Current + 1);
    if (Views.size() == MaxViews)
        Views.erase(Views.begin());
    Views.push_back(view);
    Current = Views.size() - 1;
}

const TView& TViewHistory::Back() {
    if (CanGoBack())
        --Current;
    return Views[Current];
}

const TView& TViewHistory::Forward() {
    if (CanGoForward())
        ++Current;
    return Views[Current];
}
