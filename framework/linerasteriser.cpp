#include "framework/linerasteriser.h"

namespace {

constexpr int Dot[] = {3, 3};
constexpr int Dash[] = {18, 6};
constexpr int DashDot[] = {9, 6, 3, 6};
constexpr int DashDotDot[] = {9, 3, 3, 3, 3, 3};

} // namespace

TPenPattern::TPenPattern(TPenStyle style) {
    switch (style) {
    case PS_DOT:
        Lengths = Dot;
        Count = 2;
        break;
    case PS_DASH:
        Lengths = Dash;
        Count = 2;
        break;
    case PS_DASHDOT:
        Lengths = DashDot;
        Count = 4;
        break;
    case PS_DASHDOTDOT:
        Lengths = DashDotDot;
        Count = 6;
        break;
    default:
        break;
    }
}
