#pragma once

// Keys and modifier flags as the window's key handler receives them.
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;

inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

// One notch of a mouse wheel, in the units of a wheel handler's delta.
inline constexpr int WHEEL_DELTA = 120;
