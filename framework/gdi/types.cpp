#include "framework/gdi/types.h"

#include <utility>

TRect TRect::Normalized() const {
    TRect r = *this;
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}
