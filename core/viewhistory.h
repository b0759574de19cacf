#pragma once

#include "core/view.h"

#include <cstddef>
#include <vector>

// The views the user has been to, for Back and Forward: a list with a current
// place. A new view drops the ones ahead of the current place, as in a web
// browser; walking back and forth changes nothing but the place. The list
// keeps the last MaxViews views.
class TViewHistory {
  public:
    static constexpr std::size_t MaxViews = 200;

    explicit TViewHistory(const TView& start) : Views{start} {}

    // Starts again from this view alone (a picture loaded, for instance).
    void Reset(const TView& view);
    // The view the user went to; the same view as the current one is no step.
    void Push(const TView& view);
    bool CanGoBack() const { return Current > 0; }
    bool CanGoForward() const { return Current + 1 < Views.size(); }
    // The view to show; at either end the current one.
    const TView& Back();
    const TView& Forward();
    const TView& CurrentView() const { return Views[Current]; }

  private:
    std::vector<TView> Views;
    std::size_t Current = 0;
};
