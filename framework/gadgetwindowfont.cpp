#include "framework/gadgetwindowfont.h"

#include <QApplication>
#include <QFont>

QFont TGadgetWindowFont::ToQFont() const {
    QFont font = QApplication::font();
    font.setPointSize(PointSize);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}
