#pragma once

class QFont;

// The font of a tool bar or status bar: the system's face at a point size.
struct TGadgetWindowFont {
    int PointSize = 10;
    bool Bold = false;
    bool Italic = false;

    QFont ToQFont() const;
};
