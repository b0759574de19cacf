#pragma once

// Keys and modifier flags as the window's key handler receives them.
inline constexpr unsigned VK_ESCAPE = 0x1B;

inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;
