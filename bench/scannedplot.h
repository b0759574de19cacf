#pragma once

#include <cmath>
#include <random>

// The ink of a scanned plot on a size x size page: a two-pixel grid every
// 237 pixels, five curves and scattered specks, each pixel handed to
// ink(x, y). Some land off the page; ink drops those.
template <class TInk> void DrawScannedPlot(int size, TInk ink) {
    for (int i = 0; i < size; ++i)
        for (int line = 0; line < size; line += 237)
            for (int w = 0; w < 2; ++w) {
                ink(line + w, i);
                ink(i, line + w);
            }
    for (int curve = 1; curve <= 5; ++curve)
        for (int x = 0; x < size; ++x) {
            const double y = size * (0.5 + 0.4 * std::sin(x * curve * 0.0007 + curve));
            for (int w = -2; w <= 2; ++w)
                ink(x, static_cast<int>(y) + w);
        }
    std::mt19937 random(11);
    for (int speck = 0; speck < size * 20; ++speck)
        ink(static_cast<int>(random() % size), static_cast<int>(random() % size));
}
