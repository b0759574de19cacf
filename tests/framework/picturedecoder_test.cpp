#include "framework/picturedecoder.h"
#include "framework/profile.h"

#include "image/bmpwriter.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string Damaged = "The picture file is damaged or incomplete and cannot be imported.";

std::vector<std::uint8_t> Saved(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return {bytes.begin(), bytes.end()};
}

// A colour plot: white, a black frame, a red and a blue line.
QImage Plot(QImage::Format format = QImage::Format_RGB32) {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 120; ++x) {
        image.setPixel(x, 0, 0xFF000000u);
        image.setPixel(x, 30, 0xFFFF0000u);
        image.setPixel(x, 50, 0xFF0000FFu);
    }
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    return image.convertToFormat(format);
}

// The colour a pixel shows, 0xRRGGBB, whatever kind of rows it is in.
std::uint32_t ColourAt(const TPixelRows& rows, int x, int y) {
    const std::uint8_t* row = rows.Row(y);
    switch (rows.BitCount) {
    case 1:
        return rows.Palette.at((row[x / 8] >> (7 - x % 8)) & 1) & 0xFFFFFF;
    case 8:
        return rows.Palette.at(row[x]) & 0xFFFFFF;
    default:
        return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
    }
}

class PictureDecoder : public ::testing::Test {
protected:
    TDecodedPicture Decode(const std::vector<std::uint8_t>& bytes, const std::string& suffix,
                           std::int64_t limit = DefaultImportPixelLimit) {
        return DecodePicture(Files.Write(bytes, suffix), limit);
    }
    static std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, double share) {
        bytes.resize(static_cast<std::size_t>(static_cast<double>(bytes.size()) * share));
        return bytes;
    }
    TTempFiles Files;
};

TEST_F(PictureDecoder, KeepsTheKindOfRowsThePictureNeeds) {
    const TDecodedPicture mono = Decode(Saved(Plot(QImage::Format_Mono), "png"), ".png");
    ASSERT_TRUE(mono.IsDecoded()) << mono.Error;
    EXPECT_EQ(mono.Rows.BitCount, 1) << "two-colour pictures stay one bit a pixel";
    EXPECT_EQ(ColourAt(mono.Rows, 5, 0), 0x000000u);
    EXPECT_EQ(ColourAt(mono.Rows, 5, 1), 0xFFFFFFu);

    const TDecodedPicture indexed = Decode(Saved(Plot(QImage::Format_Indexed8), "png"), ".png");
    ASSERT_TRUE(indexed.IsDecoded()) << indexed.Error;
    EXPECT_EQ(indexed.Rows.BitCount, 8);
    EXPECT_EQ(ColourAt(indexed.Rows, 7, 30), 0xFF0000u);

    const TDecodedPicture colour = Decode(Saved(Plot(), "png"), ".png");
    ASSERT_TRUE(colour.IsDecoded()) << colour.Error;
    EXPECT_EQ(colour.Rows.BitCount, 32);
    EXPECT_EQ(colour.Rows.Width, 120);
    EXPECT_EQ(colour.Rows.Height, 80);
    EXPECT_EQ(colour.Rows.XPelsPerMeter, 5906);
    EXPECT_EQ(ColourAt(colour.Rows, 7, 50), 0x0000FFu);
}

TEST_F(PictureDecoder, DecodesPalettePicturesIntoTheMemoryOffered) {
    std::vector<std::uint8_t> memory;
    int asked = 0;
    const TRowsTarget offer = [&](int width, int height, int bits, std::ptrdiff_t stride) {
        ++asked;
        EXPECT_EQ(stride, (width * bits + 31) / 32 * 4);
        memory.assign(static_cast<std::size_t>(stride * height), 0);
        return memory.data();
    };
    for (QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8}) {
        const std::string path = Files.Write(Saved(Plot(format), "png"), ".png");
        const TDecodedPicture picture = DecodePicture(path, DefaultImportPixelLimit, offer);
        ASSERT_TRUE(picture.IsDecoded()) << picture.Error;
        EXPECT_EQ(picture.Rows.Top, memory.data()) << format;
        EXPECT_EQ(ColourAt(picture.Rows, 3, 0), 0x000000u) << format;
        EXPECT_EQ(ColourAt(picture.Rows, 3, 1), 0xFFFFFFu) << format;
    }
    EXPECT_TRUE(
        DecodePicture(Files.Write(Saved(Plot(), "png"), ".png"), DefaultImportPixelLimit, offer)
            .IsDecoded());
    EXPECT_EQ(asked, 2) << "a true-colour picture keeps its own memory";
}

// Every kind of bitmap file the platform reads, as 2 x 2 pictures: the top
// left and bottom right pixels as shown.
struct TBitmapKind {
    const char* Name;
    TBmp Bmp;
    std::uint32_t TopLeft;
    std::uint32_t BottomRight;
};

TBmp Kind(std::uint16_t bits, std::uint32_t compression, std::vector<std::uint8_t> data,
          std::uint32_t header = 40, std::int32_t height = 2) {
    TBmp bmp;
    bmp.BitCount = bits;
    bmp.Compression = compression;
    bmp.HeaderBytes = header;
    bmp.Height = height;
    bmp.Bits = std::move(data);
    if (bits > 8)
        bmp.Entries = 0;
    if (compression != 0)
        bmp.SizeImage = static_cast<std::uint32_t>(bmp.Bits->size());
    return bmp;
}

// Rows bottom-up: bottom row blue, green; top row red, white (BGR bytes).
const std::vector<std::uint8_t> Rgb24 = {0xFF, 0, 0,    0,    0xFF, 0,    0, 0,
                                         0,    0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
const std::vector<std::uint8_t> Rgb32 = {0xFF, 0, 0,    0, 0,    0xFF, 0,    0,
                                         0,    0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0};
// 5-5-5: blue 0x001F, green 0x03E0, red 0x7C00, white 0x7FFF.
const std::vector<std::uint8_t> Rgb16 = {0x1F, 0, 0xE0, 0x03, 0, 0x7C, 0xFF, 0x7F};

class BitmapKinds : public PictureDecoder, public ::testing::WithParamInterface<TBitmapKind> {};

TEST_P(BitmapKinds, DecodeTheRightWayUp) {
    const TDecodedPicture picture = Decode(GetParam().Bmp.Bytes(), ".bmp");
    ASSERT_TRUE(picture.IsDecoded()) << picture.Error;
    ASSERT_EQ(picture.Rows.Width, 2);
    ASSERT_EQ(picture.Rows.Height, 2);
    EXPECT_EQ(ColourAt(picture.Rows, 0, 0), GetParam().TopLeft);
    EXPECT_EQ(ColourAt(picture.Rows, 1, 1), GetParam().BottomRight);
}

constexpr std::uint32_t Grey(std::uint32_t entry) {
    return entry * 17 * 0x010101u;
}

INSTANTIATE_TEST_SUITE_P(
    PictureDecoder, BitmapKinds,
    ::testing::Values(
        TBitmapKind{"Rgb24", Kind(24, 0, Rgb24), 0xFF0000, 0x00FF00},
        TBitmapKind{"Rgb32", Kind(32, 0, Rgb32), 0xFF0000, 0x00FF00},
        TBitmapKind{"Rgb16", Kind(16, 0, Rgb16), 0xF80000, 0x00F800},
        TBitmapKind{"TopDown", Kind(24, 0, Rgb24, 40, -2), 0x0000FF, 0xFFFFFF},
        TBitmapKind{"Header108", Kind(24, 0, Rgb24, 108), 0xFF0000, 0x00FF00},
        TBitmapKind{"Header124", Kind(24, 0, Rgb24, 124), 0xFF0000, 0x00FF00},
        // Runs: bottom row 2 x index 1, top row index 2 then 3; end of line,
        // end of bitmap.
        TBitmapKind{"Rle8", Kind(8, 1, {2, 1, 0, 0, 1, 2, 1, 3, 0, 0, 0, 1}), Grey(2), Grey(1)},
        TBitmapKind{"Rle4", Kind(4, 2, {2, 0x11, 0, 0, 2, 0x23, 0, 0, 0, 1}), Grey(2), Grey(1)}),
    [](const auto& kind) { return std::string(kind.param.Name); });

TEST_F(PictureDecoder, RefusesCutShortFilesInsteadOfShowingHalfAPicture) {
    struct TCase {
        const char* Format;
        double Share;
    };
    for (const TCase& c : {TCase{"png", 0.5}, TCase{"png", 0.98}, TCase{"bmp", 0.5},
                           TCase{"bmp", 0.99}, TCase{"jpg", 0.5}, TCase{"tiff", 0.99}}) {
        const std::vector<std::uint8_t> whole = Saved(Plot(), c.Format);
        const std::string suffix = std::string(".") + c.Format;
        EXPECT_TRUE(Decode(whole, suffix).IsDecoded()) << c.Format;
        const TDecodedPicture cut = Decode(Cut(whole, c.Share), suffix);
        EXPECT_FALSE(cut.IsDecoded()) << c.Format << " " << c.Share;
        EXPECT_EQ(cut.Error, Damaged) << c.Format << " " << c.Share;
        EXPECT_EQ(cut.Rows.Top, nullptr);
    }
}

TEST_F(PictureDecoder, RefusesAGifCutShortOfItsTrailer) {
    // 4 x 4, white with a black top left pixel.
    std::vector<std::uint8_t> gif = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf0, 0x01, 0x00, 0x00, 0x00,
        0x00, 0xff, 0xff, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0x02, 0x04, 0x44, 0x8e, 0xa9, 0x05, 0x00, 0x3b};
    const TDecodedPicture whole = Decode(gif, ".gif");
    ASSERT_TRUE(whole.IsDecoded()) << whole.Error;
    EXPECT_EQ(ColourAt(whole.Rows, 0, 0), 0x000000u);
    EXPECT_EQ(ColourAt(whole.Rows, 3, 3), 0xFFFFFFu);
    gif.resize(gif.size() - 4);
    EXPECT_EQ(Decode(gif, ".gif").Error, Damaged);
}

TEST_F(PictureDecoder, RefusesWhatIsNoPicture) {
    const TDecodedPicture text = Decode({'h', 'e', 'l', 'l', 'o'}, ".png");
    EXPECT_EQ(text.Error, "The file is not a picture in a format that can be imported.");
    EXPECT_EQ(text.ErrorMessage(),
              (TUserMessage{text.Error, "Import Picture", MB_OK, MB_ICONEXCLAMATION}));
    EXPECT_EQ(DecodePicture(Files.Missing(), DefaultImportPixelLimit).Error,
              "Cannot open the picture file.");
    EXPECT_EQ(
        Decode(Saved(Plot().copy(0, 0, 120, 1), "png"), ".png").Error,
        "This picture is 120 \u00D7 1 pixels; a background picture needs at least 2 \u00D7 2.");
}

TEST_F(PictureDecoder, RefusesPicturesAboveThePixelLimitNamingBoth) {
    const std::vector<std::uint8_t> png = Saved(Plot(), "png");
    EXPECT_TRUE(Decode(png, ".png", 120 * 80).IsDecoded());
    EXPECT_EQ(
        Decode(png, ".png", 120 * 80 - 1).Error,
        "This picture is 120 \u00D7 80 pixels, more than the 9599 pixels that can be imported. "
        "The limit is MaxPixels in the [Import] section of the settings file.");

    // Header only: refused for its size, before any pixel is decoded.
    TBmp huge = Kind(24, 0, {});
    huge.Width = huge.Height = 16000;
    EXPECT_EQ(Decode(huge.Bytes(), ".bmp", 10000 * 10000).Error,
              "This picture is 16000 \u00D7 16000 pixels, more than the 100000000 pixels "
              "(10000 \u00D7 10000) that can be imported. The limit is MaxPixels in the [Import] "
              "section of the settings file.");
}

TEST_F(PictureDecoder, PixelLimitComesFromItsOwnSectionOfTheSettings) {
    const std::string ini = Files.Missing() + ".ini";
    EXPECT_EQ(ReadImportPixelLimit(ini), 400000000);
    for (const auto& [value, limit] : {std::pair{"1000", std::int64_t{1000}},
                                       {"0", DefaultImportPixelLimit},
                                       {"-4", DefaultImportPixelLimit}}) {
        ASSERT_TRUE(WritePrivateProfileString("Import", "MaxPixels", value, ini));
        EXPECT_EQ(ReadImportPixelLimit(ini), limit) << value;
    }
}

TEST_F(PictureDecoder, RecognisesPicturesItCanImportByTheirContents) {
    EXPECT_TRUE(CanImportPicture(Files.Write(Saved(Plot(), "png"), ".dat")));
    EXPECT_TRUE(CanImportPicture(Files.Write(Kind(24, 0, Rgb24).Bytes(), ".bmp")));
    EXPECT_FALSE(CanImportPicture(Files.Write({'x', 'y', 'z', '\n'}, ".bmp")));
    TBmp narrow = Kind(24, 0, {0, 0, 0, 0, 0, 0, 0, 0});
    narrow.Width = 1;
    EXPECT_FALSE(CanImportPicture(Files.Write(narrow.Bytes(), ".bmp")));
}

} // namespace
