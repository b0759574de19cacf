// The pictures compiled into the program, loaded from the resources the way
// the program loads them.

#include "resources/tables/cursortable.h"
#include "resources/tables/ids.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <vector>

namespace {

QImage LoadImage(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// Transparent pixels that reach the edge of the picture through other
// transparent pixels: what lies outside the cursor's strokes.
std::vector<bool> OutsidePixels(const QImage& image) {
    const int w = image.width(), h = image.height();
    std::vector<bool> outside(static_cast<size_t>(w * h), false);
    std::vector<QPoint> pending;
    for (int x = 0; x < w; ++x)
        pending.insert(pending.end(), {QPoint(x, 0), QPoint(x, h - 1)});
    for (int y = 0; y < h; ++y)
        pending.insert(pending.end(), {QPoint(0, y), QPoint(w - 1, y)});
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
            continue;
        const size_t at = static_cast<size_t>(p.y() * w + p.x());
        if (outside[at] || qAlpha(image.pixel(p)) != 0)
            continue;
        outside[at] = true;
        pending.insert(pending.end(),
                       {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    return outside;
}

bool TouchesOutside(const std::vector<bool>& outside, int w, int h, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < w && ny < h && outside[static_cast<size_t>(ny * w + nx)])
                return true;
        }
    return false;
}

TEST(ResourceArt, CursorsAreOutlinedMonochromePicturesWithABlackHotSpot) {
    const QRgb black = qRgba(0, 0, 0, 255), white = qRgba(255, 255, 255, 255);
    for (const char* name : {"CROSSCURSOR", "DRAGCURSOR", "DROPPOINTCURSOR", "ALIGNCURSOR"}) {
        SCOPED_TRACE(name);
        const TCursorTemplate* cursor = FindCursorTemplate(name);
        ASSERT_NE(cursor, nullptr);
        const QImage image = LoadImage(QStringLiteral(":/cursors/%1.png").arg(name));
        ASSERT_EQ(image.size(), QSize(32, 32));
        const std::vector<bool> outside = OutsidePixels(image);
        int blackPixels = 0, strokesTouchingOutside = 0, otherPixels = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == black) {
                    ++blackPixels;
                    strokesTouchingOutside += TouchesOutside(outside, 32, 32, x, y);
                } else if (pixel != white && qAlpha(pixel) != 0) {
                    ++otherPixels;
                }
            }
        EXPECT_GT(blackPixels, 0);
        EXPECT_EQ(otherPixels, 0) << "pixels neither black, white nor fully transparent";
        EXPECT_EQ(strokesTouchingOutside, 0) << "black pixels without a white outline";
        EXPECT_EQ(image.pixel(cursor->HotX, cursor->HotY), black) << "the hot spot marks nothing";
    }
}

TEST(ResourceArt, GlyphsAreUncompressedSixteenColourBitmapsOfTheirButtonSizes) {
    const struct {
        int Id;
        int Width;
    } glyphs[] = {{CM_SCALE, 100}, {CM_DRAW, 100},        {CM_DELETELASTPOINT, 50},
                  {CM_RECALL, 50}, {CM_HELPCONTENTS, 80}, {CM_ABOUT, 30}};
    for (const auto& glyph : glyphs) {
        SCOPED_TRACE(glyph.Id);
        const QString path = QStringLiteral(":/glyphs/%1.bmp").arg(glyph.Id);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        ASSERT_EQ(header.size(), 54);
        EXPECT_EQ(header.left(2), "BM");
        EXPECT_EQ(header[28], 4) << "bits per pixel";
        EXPECT_EQ(header.mid(30, 4), QByteArray(4, '\0')) << "compression";
        const QImage image(path);
        EXPECT_EQ(image.size(), QSize(glyph.Width, 30));
        EXPECT_EQ(image.colorCount(), 16);
    }
}

TEST(ResourceArt, IconComesInThreeSizesOnATransparentGround) {
    const struct {
        const char* Name;
        int Size;
    } icons[] = {{"KESTROVA_ICON", 32}, {"KESTROVA_ICON_64", 64}, {"KESTROVA_ICON_256", 256}};
    for (const auto& icon : icons) {
        SCOPED_TRACE(icon.Name);
        const QImage image = LoadImage(QStringLiteral(":/icons/%1.png").arg(icon.Name));
        ASSERT_EQ(image.size(), QSize(icon.Size, icon.Size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(icon.Size / 2, icon.Size / 2)), 255);
    }
}

} // namespace
