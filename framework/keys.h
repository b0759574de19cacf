#pragma once

#include "resources/tables/acceleratortable.h"

// Keys (VK_...) and modifier flags as the window's key handler receives them.

inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

// One notch of a mouse wheel, in the units of a wheel handler's delta.
inline constexpr int WHEEL_DELTA = 120;
