#include "uitest.h"

#include "framework/clientdc.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/vslider.h"
#include "image/dib.h"

#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <cstdint>
#include <fstream>
#include <set>
#include <vector>

namespace {

using PaintingTest = UiTest;

QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

// A w x h 8-bit bitmap file whose pixels all use palette entry 0 = colour.
std::filesystem::path WriteBmp(const std::filesystem::path& dir, int w, int h, QRgb colour) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) + 3) & ~3u;
    const std::uint32_t bits = stride * static_cast<std::uint32_t>(h);
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<std::uint8_t> file;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put('B' | ('M' << 8), 2);
    put(offset + bits, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(w), 4);
    put(static_cast<std::uint32_t>(h), 4);
    put(1, 2);
    put(8, 2);
    put(0, 4);
    put(bits, 4);
    put(2835, 4);
    put(2835, 4);
    put(256, 4);
    put(0, 4);
    put(static_cast<std::uint32_t>(qBlue(colour)) | (qGreen(colour) << 8) | (qRed(colour) << 16),
        4);
    for (int i = 1; i < 256; ++i)
        put(0, 4);
    file.resize(file.size() + bits, 0);
    std::filesystem::create_directories(dir);
    const auto path = dir / "picture.bmp";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return path;
}

// Columns of `row` band (rows top..top+5) holding a black pixel.
std::set<int> BlackColumns(const QImage& image, int top) {
    std::set<int> columns;
    for (int y = top; y < top + 6; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == Rgb(0, 0, 0))
                columns.insert(x);
    return columns;
}

std::set<int> BlackRows(const QImage& image, int left) {
    std::set<int> rows;
    for (int x = left; x < left + 6; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == Rgb(0, 0, 0))
                rows.insert(y);
    return rows;
}

TEST_F(PaintingTest, BackgroundAxesAndTenDottedGridLinesEachWay) {
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(2, 2), Rgb(192, 192, 192));

    // The axes are solid along the whole graph square.
    const TPoint origin = Device(0, 0), top = Device(0, 8668), right = Device(8668, 0);
    for (int y = top.Y + 1; y < origin.Y; ++y)
        ASSERT_EQ(image.pixel(origin.X, y), Rgb(0, 0, 0)) << y;
    for (int x = origin.X; x < right.X; ++x)
        ASSERT_EQ(image.pixel(x, origin.Y), Rgb(0, 0, 0)) << x;

    // Across the first cell's middle: the axis and ten grid lines at
    // multiples of 866, the last at 8660; nothing along 8668.
    std::set<int> expectedColumns{origin.X};
    std::set<int> expectedRows{origin.Y};
    for (int k = 1; k <= 10; ++k) {
        expectedColumns.insert(Device(866 * k, 0).X);
        expectedRows.insert(Device(0, 866 * k).Y);
    }
    ASSERT_NE(Device(8668, 0).X, Device(8660, 0).X);
    EXPECT_EQ(BlackColumns(image, Device(0, 433).Y), expectedColumns);
    EXPECT_EQ(BlackRows(image, Device(433, 0).X), expectedRows);
    // Dotted: the grid lines have gaps.
    const int gridX = Device(866 * 5, 0).X;
    int black = 0;
    for (int y = top.Y + 1; y < origin.Y; ++y)
        black += image.pixel(gridX, y) == Rgb(0, 0, 0);
    EXPECT_GT(black, 0);
    EXPECT_LT(black, origin.Y - top.Y - 1);
}

TEST_F(PaintingTest, AxesAndGridTurnWhiteOnADarkBackground) {
    Ui->ColorAnswers.push_back(TColor(0, 0, 128));
    Command(CM_BKCOLOR);
    const QImage image = Grab();
    const TPoint origin = Device(0, 0), right = Device(8668, 0), top = Device(0, 8668);
    for (int x = origin.X; x < right.X; ++x)
        ASSERT_EQ(image.pixel(x, origin.Y), Rgb(255, 255, 255)) << x;
    const int gridX = Device(866 * 5, 0).X;
    int white = 0;
    for (int y = top.Y + 1; y < origin.Y; ++y)
        white += image.pixel(gridX, y) == Rgb(255, 255, 255);
    EXPECT_GT(white, 0) << "dotted grid";
    EXPECT_LT(white, origin.Y - top.Y - 1);
}

TEST_F(PaintingTest, CurvesAreDrawnWithTheirSlotPenAndSymbols) {
    BeginCurve();
    AddPoint(20, 20);
    AddPoint(80, 80);
    Command(CM_DRAW);
    QImage image = Grab();
    const TPoint middle = Device(4334, 4334);
    bool yellow = false;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            yellow |= image.pixel(middle.X + dx, middle.Y + dy) == Rgb(255, 255, 0);
    EXPECT_TRUE(yellow);
    // Inside the symbol of the point (20, 20), off the line through it: the
    // white brush; with symbols off, the background.
    const TPoint symbol = Device(1733, 1733);
    EXPECT_EQ(image.pixel(symbol.X - 3, symbol.Y - 3), Rgb(255, 255, 255));
    Command(CM_SYMBOLS);
    image = Grab();
    EXPECT_EQ(image.pixel(symbol.X - 3, symbol.Y - 3), Rgb(192, 192, 192));
}

// A client context gathers what it draws; a context that lives on (a
// drag's) must still have it shown once control is back in the event loop.
TEST_F(PaintingTest, WhatALiveClientContextDrawsIsShownBetweenEvents) {
    class TPaintSpy : public QObject {
    public:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                Painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
        QRegion Painted;
    } spy;
    QWidget* widget = Window->GetHandle();
    QCoreApplication::processEvents();
    widget->installEventFilter(&spy);
    TClientDC dc(*Window);
    dc.Rectangle(10, 10, 30, 20);
    dc.Rectangle(200, 100, 240, 130);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return spy.Painted.contains(QRect(10, 10, 20, 10)) &&
               spy.Painted.contains(QRect(200, 100, 40, 30));
    }));
    widget->removeEventFilter(&spy);
}

TEST_F(PaintingTest, ImageIsCombinedWithTheBackgroundByXor) {
    std::unique_ptr<TDib> dib = TDib::ReadFile(WriteBmp(ConfigDir, 4, 4, Rgb(0, 0, 255)).string());
    ASSERT_NE(dib, nullptr);
    Probe().SetImage(std::move(dib));
    Command(CM_IMAGE);
    QImage image = Grab();
    const TPoint inImage = Device(-60, -60); // inside the image square, off the graph
    EXPECT_EQ(image.pixel(inImage.X, inImage.Y), Rgb(192, 192, 192 ^ 255));
    const TPoint outside = Device(-400, -400);
    EXPECT_EQ(image.pixel(outside.X, outside.Y), Rgb(192, 192, 192));
    EXPECT_TRUE(Probe().RotationSlider()->IsVisible());
    EXPECT_EQ(Probe().RotationSlider()->GetPosition(), 50);
    EXPECT_TRUE(MenuItemEnabled("&View", CM_IMAGE));

    Command(CM_IMAGE); // image view off: plain background, slider hidden
    image = Grab();
    EXPECT_EQ(image.pixel(inImage.X, inImage.Y), Rgb(192, 192, 192));
    EXPECT_FALSE(Probe().RotationSlider()->IsVisible());
}

TEST_F(PaintingTest, SliderSitsInTheLowerRightCornerAtAnySize) {
    Frame->GetHandle()->showNormal();
    Frame->GetHandle()->resize(500, 400);
    QCoreApplication::processEvents();
    const TRect client = Window->GetClientRect();
    EXPECT_EQ(Probe().RotationSlider()->GetX() + Probe().RotationSlider()->GetWidth(),
              client.Right);
    EXPECT_EQ(Probe().RotationSlider()->GetY() + Probe().RotationSlider()->GetHeight(),
              client.Bottom);
    EXPECT_EQ(Probe().RotationSlider()->GetWidth(), 20);
    EXPECT_EQ(Probe().RotationSlider()->GetHeight(), 100);
}

TEST_F(PaintingTest, BackgroundColourIsWrittenAtExitAndFoundAtTheNextStart) {
    EXPECT_EQ(Window->GetBkgndColor(), TColor(192, 192, 192));
    StopApp();
    EXPECT_EQ(IniText(), "[Startup]\nShowCtl3DError=0\nBkColorRed=192\nBkColorGreen=192\n"
                         "BkColorBlue=192\n");

    StartApp();
    Ui->ColorAnswers.push_back(TColor(10, 20, 30));
    Command(CM_BKCOLOR);
    StopApp();
    StartApp();
    EXPECT_EQ(Window->GetBkgndColor(), TColor(10, 20, 30));
    EXPECT_EQ(Grab().pixel(2, 2), Rgb(10, 20, 30));
}

} // namespace
