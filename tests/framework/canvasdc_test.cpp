#include "framework/canvasdc.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr QRgb Grey = 0xFFC0C0C0u;

class CanvasDCTest : public ::testing::Test {
protected:
    CanvasDCTest() : Canvas(40, 30, QImage::Format_RGB32) { Canvas.fill(Grey); }

    int CountNot(QRgb colour) const {
        int n = 0;
        for (int y = 0; y < Canvas.height(); ++y)
            for (int x = 0; x < Canvas.width(); ++x)
                n += Canvas.pixel(x, y) != colour;
        return n;
    }

    QImage Canvas;
};

TEST_F(CanvasDCTest, LineExcludesItsLastPixel) {
    TCanvasDC dc(Canvas);
    dc.MoveTo(2, 5);
    dc.LineTo(12, 5);
    EXPECT_EQ(Canvas.pixel(2, 5), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(11, 5), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(12, 5), Grey);
    EXPECT_EQ(CountNot(Grey), 10);
}

TEST_F(CanvasDCTest, XorPolylineTouchesSharedVerticesOnceAndUndoesItself) {
    TCanvasDC dc(Canvas);
    dc.SelectObject(TPen{TColor(0, 255, 255), 1, PS_SOLID});
    dc.SetROP2(R2_XORPEN);
    const TPoint path[] = {{3, 3}, {20, 3}, {20, 20}, {3, 25}, {3, 3}};
    dc.Polyline(path, 5);
    // Every pixel drawn once: the corners show the XOR colour, not grey.
    EXPECT_EQ(Canvas.pixel(20, 3), 0xFFC03F3Fu);
    EXPECT_EQ(Canvas.pixel(3, 3), 0xFFC03F3Fu);
    dc.Polyline(path, 5);
    EXPECT_EQ(CountNot(Grey), 0);
}

TEST_F(CanvasDCTest, EachPenStyleDrawsItsDashPattern) {
    const struct {
        TPenStyle Style;
        const char* Pixels; // one pattern period and the start of the next
    } rows[] = {
        {PS_SOLID, "xxxxxxxxxxxxxxxxxxxxxxxxxxx"},
        {PS_DOT, "xxx...xxx...xxx...xxx...xxx"},
        {PS_DASH, "xxxxxxxxxxxxxxxxxx......xxx"},
        {PS_DASHDOT, "xxxxxxxxx......xxx......xxx"},
        {PS_DASHDOTDOT, "xxxxxxxxx...xxx...xxx...xxx"},
    };
    for (const auto& row : rows) {
        Canvas.fill(Grey);
        TCanvasDC dc(Canvas);
        dc.SelectObject(TPen{TColor(0, 0, 0), 1, row.Style});
        const int length = static_cast<int>(std::strlen(row.Pixels));
        dc.MoveTo(0, 1);
        dc.LineTo(length, 1);
        std::string drawn;
        for (int x = 0; x < length; ++x)
            drawn += Canvas.pixel(x, 1) == 0xFF000000u ? 'x' : '.';
        EXPECT_EQ(drawn, row.Pixels) << row.Style;
    }
}

TEST_F(CanvasDCTest, RectangleCoversLeftToRightMinusOne) {
    TCanvasDC dc(Canvas);
    dc.SelectObject(TBrush{TColor(255, 0, 0), BS_SOLID});
    dc.Rectangle(5, 5, 10, 9);
    EXPECT_EQ(Canvas.pixel(5, 5), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(9, 8), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(10, 8), Grey);
    EXPECT_EQ(Canvas.pixel(9, 9), Grey);
    EXPECT_EQ(Canvas.pixel(7, 7), 0xFFFF0000u);
    EXPECT_EQ(CountNot(Grey), 5 * 4);
}

TEST_F(CanvasDCTest, XorRubberBandWithWidePenUndoesItself) {
    TCanvasDC dc(Canvas);
    dc.SelectObject(TPen{TColor(0, 255, 255), 2, PS_SOLID});
    dc.SelectObject(TBrush::Hollow());
    dc.SetROP2(R2_XORPEN);
    dc.Rectangle(30, 25, 4, 2); // corners in any order, as a drag gives them
    EXPECT_GT(CountNot(Grey), 0);
    EXPECT_EQ(Canvas.pixel(15, 12), Grey); // hollow inside
    dc.Rectangle(30, 25, 4, 2);
    EXPECT_EQ(CountNot(Grey), 0);
}

TEST_F(CanvasDCTest, XorRubberBandPastTheRightAndBottomEdgesStaysInItsBand) {
    TCanvasDC dc(Canvas);
    dc.SelectObject(TPen{TColor(0, 255, 255), 2, PS_SOLID});
    dc.SelectObject(TBrush::Hollow());
    dc.SetROP2(R2_XORPEN);
    dc.Rectangle(30, 20, 60, 50); // dragged past both edges of the 40 x 30 canvas
    // The two-pixel band straddles the top and left edges: rows 19-20 and
    // columns 29-30 from there on; nothing wraps into the next row.
    for (int y = 0; y < Canvas.height(); ++y)
        for (int x = 0; x < Canvas.width(); ++x) {
            const bool band = (y >= 19 && x >= 29) && (y <= 20 || x <= 30);
            EXPECT_EQ(Canvas.pixel(x, y) != Grey, band) << x << "," << y;
        }
    dc.Rectangle(30, 20, 60, 50);
    EXPECT_EQ(CountNot(Grey), 0);
}

TEST_F(CanvasDCTest, EllipseStaysInItsBoxAndXorUndoesIt) {
    TCanvasDC dc(Canvas);
    dc.SelectObject(TPen{TColor(0, 0, 255), 1, PS_DASH});
    dc.SetROP2(R2_XORPEN);
    dc.Ellipse(4, 4, 24, 18);
    for (int y = 0; y < Canvas.height(); ++y)
        for (int x = 0; x < Canvas.width(); ++x) {
            if (Canvas.pixel(x, y) != Grey) {
                EXPECT_TRUE(x >= 4 && x < 24 && y >= 4 && y < 18) << x << "," << y;
            }
        }
    EXPECT_NE(Canvas.pixel(14, 11), Grey); // the white brush fills it
    dc.Ellipse(4, 4, 24, 18);
    EXPECT_EQ(CountNot(Grey), 0);
}

TEST_F(CanvasDCTest, MapsLogicalCoordinatesAsTheWindowSetsThem) {
    TCanvasDC dc(Canvas);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({10000, 10000});
    dc.SetViewportExt({40, -30});
    dc.SetViewportOrg({0, 30});
    dc.SetWindowOrg({-666, -666});
    dc.MoveTo(0, 0);
    dc.LineTo(8668, 0);
    // Logical (0, 0) is device (3, 28): 666 * 40 / 10000 = 2.66, 30 - 2.0 = 28.
    EXPECT_EQ(Canvas.pixel(3, 28), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(3, 27), Grey);
}

TEST_F(CanvasDCTest, LinesFarOutsideAreClippedNotWalked) {
    TCanvasDC dc(Canvas);
    dc.MoveTo(-2000000000, 10);
    dc.LineTo(2000000000, 10);
    EXPECT_EQ(Canvas.pixel(0, 10), 0xFF000000u);
    EXPECT_EQ(Canvas.pixel(39, 10), 0xFF000000u);
    EXPECT_EQ(CountNot(Grey), 40);
}

// Fonts need an application object; the canvas tests need no other.
void NeedFonts() {
    static int argc = 1;
    static char name[] = "kestrova_framework_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

TEST_F(CanvasDCTest, TextLiesInsideItsAnchoredBoxInTheTextColourAndXorUndoesIt) {
    NeedFonts();
    Canvas = QImage(120, 60, QImage::Format_RGB32);
    Canvas.fill(Grey);
    TCanvasDC dc(Canvas);
    const TSize size = dc.GetTextExtent("-1.5e+07");
    EXPECT_GT(size.Cx, dc.GetTextExtent("1").Cx);
    ASSERT_LT(size.Cx, 110);
    ASSERT_LT(size.Cy, 50);
    dc.SetTextColor(TColor(0, 0, 255));
    dc.TextOut(115, 30, "-1.5e+07", {THorizontalAnchor::Right, TVerticalAnchor::Middle});
    int inside = 0;
    for (int y = 0; y < Canvas.height(); ++y)
        for (int x = 0; x < Canvas.width(); ++x) {
            if (Canvas.pixel(x, y) == Grey)
                continue;
            EXPECT_EQ(Canvas.pixel(x, y), 0xFF0000FFu) << x << "," << y;
            EXPECT_TRUE(x >= 115 - size.Cx && x < 115 && y >= 30 - size.Cy / 2 &&
                        y < 30 - size.Cy / 2 + size.Cy)
                << x << "," << y;
            ++inside;
        }
    EXPECT_GT(inside, 20);

    // By XOR, the same text twice leaves the canvas as it was.
    const QImage before = Canvas.copy();
    dc.SetROP2(R2_XORPEN);
    dc.TextOut(60, 30, "9.991", {THorizontalAnchor::Center, TVerticalAnchor::Top});
    EXPECT_NE(Canvas, before);
    dc.TextOut(60, 30, "9.991", {THorizontalAnchor::Center, TVerticalAnchor::Top});
    EXPECT_EQ(Canvas, before);
}

TEST_F(CanvasDCTest, OutlinedTextHasTheOutlineRoundEveryStroke) {
    NeedFonts();
    Canvas = QImage(60, 30, QImage::Format_RGB32);
    Canvas.fill(Grey);
    TCanvasDC dc(Canvas);
    dc.SetTextOutline(TColor(255, 255, 255));
    dc.TextOut(2, 2, "8", {});
    int text = 0, outline = 0;
    for (int y = 0; y < Canvas.height(); ++y)
        for (int x = 0; x < Canvas.width(); ++x) {
            if (Canvas.pixel(x, y) != 0xFF000000u)
                continue;
            ++text;
            // Every text pixel's neighbours are text or outline, never ground.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    EXPECT_NE(Canvas.pixel(x + dx, y + dy), Grey) << x << "," << y;
        }
    for (int y = 0; y < Canvas.height(); ++y)
        for (int x = 0; x < Canvas.width(); ++x)
            outline += Canvas.pixel(x, y) == 0xFFFFFFFFu;
    EXPECT_GT(text, 5);
    EXPECT_GT(outline, text);
}

} // namespace
