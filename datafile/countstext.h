#pragma once

#include <cstdint>
#include <string>

// The status-bar text "Curves: %d  Points: %lu" for the number of curves
// (last slot in use + 1) and the number of points in all of them.
std::string CountsText(int curves, std::uint32_t points);
