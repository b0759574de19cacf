#include "testimages.h"

#include "image/colourquantiser.h"
#include "image/imageload.h"
#include "image/pixelcopy.h"

#include <cmath>
#include <set>

namespace {

// A 32-bit picture held by the test, top row first.
struct TPicture {
    TPicture(int w, int h, std::uint32_t fill = 0xFFFFFFFFu)
        : W(w), H(h), Pixels(static_cast<std::size_t>(w * h), fill) {}
    std::uint32_t& At(int x, int y) { return Pixels[static_cast<std::size_t>(y * W + x)]; }
    TPixelRows Rows() const {
        TPixelRows rows;
        rows.Width = W;
        rows.Height = H;
        rows.BitCount = 32;
        rows.Top = reinterpret_cast<const std::uint8_t*>(Pixels.data());
        rows.Stride = static_cast<std::ptrdiff_t>(W) * 4;
        rows.XPelsPerMeter = 3780;
        rows.YPelsPerMeter = 1890;
        return rows;
    }
    int W, H;
    std::vector<std::uint32_t> Pixels;
};

// The colour each pixel of the picture gets through the quantiser.
std::vector<std::uint32_t> Shown(const TPicture& picture, const TColourQuantiser& q) {
    std::vector<std::uint32_t> shown;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.W));
    for (int y = 0; y < picture.H; ++y) {
        q.MapRow(picture.Rows(), y, row.data());
        for (std::uint8_t index : row) {
            EXPECT_LT(index, q.GetPalette().size());
            shown.push_back(q.GetPalette()[index]);
        }
    }
    return shown;
}

int ChannelError(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    return worst;
}

// A smooth photograph-like field of some 60,000 colours with a scanned
// plot on it: black axes, a white frame, a red and a blue curve.
TPicture PlotOnPhoto() {
    TPicture p(256, 240);
    for (int y = 0; y < p.H; ++y)
        for (int x = 0; x < p.W; ++x)
            p.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x) << 16 |
                         static_cast<std::uint32_t>(y) << 8 |
                         static_cast<std::uint32_t>((x * 3 + y * 5) / 8);
    for (int i = 0; i < 240; ++i) {
        p.At(10, i) = p.At(i, 230) = 0xFF000000u;
        p.At(0, i) = p.At(255, i) = 0xFFFFFFFFu;
        p.At(i, 40 + i / 4) = 0xFFFF0000u;
        p.At(i, 120 + i / 8) = 0xFF0000FFu;
    }
    return p;
}

TEST(ColourQuantiser, KeepsUpTo256ColoursExactly) {
    TPicture p(16, 16);
    for (int i = 0; i < 256; ++i)
        p.Pixels[static_cast<std::size_t>(i)] =
            0xFF000000u | static_cast<std::uint32_t>(i) * 0x010305u;
    const auto q = TColourQuantiser::Build(p.Rows());
    ASSERT_TRUE(q);
    EXPECT_EQ(q->GetPalette().size(), 256u);
    const std::vector<std::uint32_t> shown = Shown(p, *q);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], p.Pixels[i] & 0xFFFFFF) << i;
}

TEST(ColourQuantiser, ReducesAPhotoToAtMost256ColoursKeepingBlackWhiteAndCurveColours) {
    const TPicture p = PlotOnPhoto();
    const auto q = TColourQuantiser::Build(p.Rows());
    ASSERT_TRUE(q);
    EXPECT_LE(q->GetPalette().size(), 256u);
    EXPECT_GT(q->GetPalette().size(), 200u) << "the palette is used, not left half empty";
    const std::vector<std::uint32_t> shown = Shown(p, *q);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::uint32_t original = p.Pixels[i] & 0xFFFFFF;
        if (original == 0x000000 || original == 0xFFFFFF || original == 0xFF0000 ||
            original == 0x0000FF)
            ASSERT_EQ(shown[i], original) << "pixel " << i;
        else
            ASSERT_LE(ChannelError(shown[i], original), 24) << "pixel " << i;
    }
}

TEST(ColourQuantiser, LaysTransparentPixelsOverWhite) {
    EXPECT_EQ(TColourQuantiser::OverWhite(0x00123456u), 0xFFFFFFu);
    EXPECT_EQ(TColourQuantiser::OverWhite(0xFF123456u), 0x123456u);
    EXPECT_EQ(TColourQuantiser::OverWhite(0x80000000u), 0x7F7F7Fu);
}

class ConvertedPicture : public ImageTest {};

TEST_F(ConvertedPicture, OneBitPictureStaysOneBitTurnedBottomUp) {
    // Two rows of 3 pixels: top 1 0 1, bottom 0 1 1; rows 4 bytes apart.
    const std::uint8_t rows[8] = {0xA0, 0, 0, 0, 0x60, 0, 0, 0};
    TPixelRows picture{3, 2, 1, rows, 4, {0xFF000000u, 0xFFFFFFFFu}, 5000, 5000};
    const TImageLoad load = ConvertPicture(picture);
    ASSERT_TRUE(load.Dib);
    EXPECT_TRUE(load.Messages.empty());
    const TDib& dib = *load.Dib;
    EXPECT_EQ(dib.GetBitCount(), 1);
    EXPECT_EQ(dib.GetNumColors(), 2);
    EXPECT_EQ(dib.GetXPelsPerMeter(), 5000);
    EXPECT_EQ(PixelAt(dib, 0, 1), 1);
    EXPECT_EQ(PixelAt(dib, 1, 1), 0);
    EXPECT_EQ(PixelAt(dib, 0, 0), 0);
    EXPECT_EQ(PixelAt(dib, 2, 0), 1);
    const std::uint8_t white[4] = {0xFF, 0xFF, 0xFF, 0};
    EXPECT_TRUE(std::equal(white, white + 4, dib.GetColors() + 4));
    // The same kind of image a 1-bit bitmap file gives: accepted silently.
    const TImageCheck check = CheckImage(&dib);
    EXPECT_TRUE(check.Accepted);
    EXPECT_TRUE(check.Messages.empty());
}

TEST_F(ConvertedPicture, PalettePictureKeepsItsIndexesWithAFullTable) {
    const std::uint8_t rows[8] = {7, 2, 0, 0, 5, 7, 0, 0};
    TPixelRows picture{2, 2, 8, rows, 4, {0xFF000000u, 0xFF111111u, 0x00222222u}, 0, 0};
    const TImageLoad load = ConvertPicture(picture);
    ASSERT_TRUE(load.Dib);
    const TDib& dib = *load.Dib;
    EXPECT_EQ(dib.GetBitCount(), 8);
    EXPECT_EQ(dib.GetNumColors(), 256) << "every index has an entry";
    EXPECT_EQ(PixelAt(dib, 0, 1), 7);
    EXPECT_EQ(PixelAt(dib, 1, 0), 7);
    EXPECT_EQ(dib.GetColors()[2 * 4], 0xFF) << "a transparent entry shows white";
    EXPECT_TRUE(CheckImage(&dib).Accepted);
}

TEST_F(ConvertedPicture, PictureDecodedIntoAnImageIsTurnedBottomUpInPlace) {
    std::unique_ptr<TDib> dib = TDib::Create(3, 3, 8, std::vector<std::uint32_t>(256), 0, 0);
    ASSERT_TRUE(dib);
    std::uint8_t* bits = dib->GetBits();
    for (int y = 0; y < 3; ++y) // top row first, as decoded: 0 1 2 / 3 4 5 / 6 7 8
        for (int x = 0; x < 3; ++x)
            bits[static_cast<std::size_t>(y) * 4 + static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(3 * y + x);
    TPixelRows picture{3, 3, 8, bits, 4, {0xFF102030u, 0xFF405060u}, 3000, 6000};
    const std::uint8_t* before = bits;
    const TImageLoad load = AdoptPicture(std::move(dib), picture);
    ASSERT_TRUE(load.Dib);
    EXPECT_EQ(load.Dib->GetBits(), before);
    EXPECT_EQ(PixelAt(*load.Dib, 0, 2), 0);
    EXPECT_EQ(PixelAt(*load.Dib, 2, 1), 5);
    EXPECT_EQ(PixelAt(*load.Dib, 2, 0), 8);
    EXPECT_EQ(load.Dib->GetColors()[4 + 2], 0x40);
    EXPECT_EQ(load.Dib->GetYPelsPerMeter(), 6000);
    EXPECT_EQ(load.Dib->GetInfo()[28 + 1], 6000 >> 8) << "in the header too";
}

TEST_F(ConvertedPicture, StoppedOrOutOfMemoryGivesNoImage) {
    const TPicture p = PlotOnPhoto();
    const TImageLoad stopped =
        ConvertPicture(p.Rows(), [](int permille) { return permille < 600; });
    EXPECT_FALSE(stopped.Dib);
    EXPECT_TRUE(stopped.Messages.empty());

    Refuse = [](std::size_t bytes) { return bytes > 1000; };
    const TImageLoad refused = ConvertPicture(p.Rows());
    EXPECT_FALSE(refused.Dib);
    ASSERT_EQ(refused.Messages.size(), 1u);
    EXPECT_EQ(refused.Messages[0].Text, "Sorry, not enough memory.");

    Refuse = {};
    TPixelCopy backup;
    TImageLoad converted = ConvertPicture(p.Rows());
    ASSERT_TRUE(converted.Dib);
    EXPECT_EQ(converted.Dib->GetBitCount(), 8);
    EXPECT_EQ(converted.Dib->GetYPelsPerMeter(), 1890);
    Refuse = [](std::size_t bytes) { return bytes > 1000; };
    const TImageLoad kept = KeepImage(std::move(converted.Dib), backup);
    EXPECT_FALSE(kept.Dib);
    EXPECT_FALSE(backup.IsHeld());
    EXPECT_EQ(kept.Messages.size(), 1u);
}

} // namespace
