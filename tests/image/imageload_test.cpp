#include "testimages.h"

#include "image/imageload.h"
#include "image/pixelcopy.h"
#include "image/pixelrotation.h"

#include <algorithm>

namespace {

const TUserMessage Unreadable{
    "Unable to load image from the specified file. Cannot open file, or wrong file type.",
    "File Error", MB_OK, MB_ICONEXCLAMATION};
const TUserMessage OldStyle{
    "This file has an old-style PM DIB header. Sorry, cannot handle this file type.", "File Error",
    MB_OK, MB_ICONEXCLAMATION};
const TUserMessage ReverseOrder{"Scan lines in reverse order!", "Error",
                                 MB_OK, MB_ICONEXCLAMATION};
const TUserMessage SizeError{"Image Size error!", "Error", MB_OK, MB_ICONEXCLAMATION};
const TUserMessage Huge{"Such a huge file! Well, let's see if I can handle it...", "Wow!",
                         MB_OK, MB_ICONEXCLAMATION};
const TUserMessage Compressed{"Sorry, this version cannot handle compressed bitmaps.", "Error",
                               MB_OK, MB_ICONEXCLAMATION};
const TUserMessage TooManyColors{
    "Sorry, this version cannot handle bitmaps with more than 256 colors. Use of monochrome "
    "images is recommended for best results.",
    "Error", MB_OK, MB_ICONEXCLAMATION};
const TUserMessage Note{"Although the program can handle 16- and 256-color bitmaps, use of "
                         "monochrome images is recommended for best results.",
                         "Note", MB_OK, MB_ICONINFORMATION};
const TUserMessage NoMemory{"Sorry, not enough memory.", "Error", MB_OK, MB_ICONEXCLAMATION};

using Messages = std::vector<TUserMessage>;

class ImageLoad : public ImageTest {
protected:
    TImageLoad Load(const TBmp& bmp) { return LoadImage(Files.Write(bmp), BackupBits); }
    TPixelCopy BackupBits;
};

TEST_F(ImageLoad, SmallestMonochromeImageLoadsSilentlyWithItsPixelCopy) {
    const TImageLoad load = Load(TBmp{});
    ASSERT_TRUE(load.Dib);
    EXPECT_TRUE(load.Messages.empty());
    EXPECT_EQ(load.Dib->GetWidth(), 2);
    EXPECT_EQ(load.Dib->GetHeight(), 2);
    ASSERT_TRUE(BackupBits.IsHeld());
    EXPECT_EQ(BackupBits.GetSize(), 8u);
    EXPECT_EQ(Requests.back(), 8u) << "the copy is exactly the pixel data";
}

TEST_F(ImageLoad, AnythingTheReaderCannotUseOrTooSmallIsUnreadable) {
    EXPECT_EQ(LoadImage(Files.Missing(), BackupBits).Messages, Messages{Unreadable});
    TBmp notBitmap;
    notBitmap.Type = 0x5A4D;
    TBmp v5Header;
    v5Header.HeaderBytes = 124;
    TBmp twoPlanes;
    twoPlanes.Planes = 2;
    TBmp deepWithoutTable;
    deepWithoutTable.BitCount = 16;
    for (const TBmp& bmp : {notBitmap, v5Header, twoPlanes, deepWithoutTable}) {
        const TImageLoad load = Load(bmp);
        EXPECT_FALSE(load.Dib);
        EXPECT_EQ(load.Messages, Messages{Unreadable});
    }
    for (auto [width, height] : {std::pair{1, 2}, {2, 1}, {1, 1}, {0, 5}, {5, 0}, {2, -1}}) {
        TBmp bmp;
        bmp.Width = width;
        bmp.Height = height;
        EXPECT_EQ(Load(bmp).Messages, Messages{Unreadable}) << width << " x " << height;
    }
    EXPECT_FALSE(BackupBits.IsHeld());
}

TEST_F(ImageLoad, OutOfMemoryWhileReadingIsUnreadableToo) {
    Refuse = [](std::size_t bytes) { return bytes > 8; };
    EXPECT_EQ(Load(TBmp{}).Messages, Messages{Unreadable});
}

TEST_F(ImageLoad, OldStyleHeaderIsReadThenRefused) {
    TBmp bmp;
    bmp.HeaderBytes = 12;
    bmp.BitCount = 4;
    const TImageLoad load = Load(bmp);
    EXPECT_FALSE(load.Dib);
    EXPECT_EQ(load.Messages, Messages{OldStyle});
}

TEST_F(ImageLoad, TopDownRowsAreNamedForWhatTheyAre) {
    TBmp bmp;
    bmp.Height = -2;
    EXPECT_EQ(Load(bmp).Messages, Messages{ReverseOrder});
    bmp.HeaderBytes = 12; // the old-style check comes first
    bmp.Height = 2;
    EXPECT_EQ(Load(bmp).Messages, Messages{OldStyle});
}

TEST_F(ImageLoad, StoredSizeOfUncompressedImagesDoesNotMatter) {
    for (std::uint32_t stored : {0u, 1u, 8u, 0xFFFFFFFFu}) {
        TBmp bmp;
        bmp.SizeImage = stored;
        const TImageLoad load = Load(bmp);
        EXPECT_TRUE(load.Dib) << stored;
        EXPECT_TRUE(load.Messages.empty());
    }
}

TEST_F(ImageLoad, CompressedImagesFailTheSizeTestUnlessTheirSizeHappensToMatch) {
    TBmp rle;
    rle.BitCount = 8;
    rle.Width = 4;
    rle.Height = 2;
    rle.Compression = 1;
    rle.SizeImage = 4;
    rle.Bits = std::vector<std::uint8_t>{4, 9, 0, 1};
    EXPECT_EQ(Load(rle).Messages, Messages{SizeError});

    rle.SizeImage = 8; // 4 bytes a row, 2 rows
    rle.Bits = std::vector<std::uint8_t>{4, 9, 0, 0, 4, 9, 0, 1};
    const TImageLoad load = Load(rle);
    EXPECT_FALSE(load.Dib);
    EXPECT_EQ(load.Messages, Messages{Compressed});

    rle.Width = 1024;
    rle.Height = 513;
    rle.SizeImage = 1024 * 513;
    rle.Bits.reset();
    EXPECT_EQ(Load(rle).Messages, (Messages{Huge, Compressed})) << "the notice comes first";
}

TEST_F(ImageLoad, DeepPixelsAreRefusedAfterTheSizeTest) {
    TBmp trueColor;
    trueColor.BitCount = 24;
    trueColor.SizeImage = 3; // replaced on reading, so the size test passes
    EXPECT_EQ(Load(trueColor).Messages, Messages{TooManyColors});
    TBmp highColor;
    highColor.BitCount = 16;
    highColor.ClrUsed = 2;
    EXPECT_EQ(Load(highColor).Messages, Messages{TooManyColors});
    EXPECT_FALSE(BackupBits.IsHeld());
}

TEST_F(ImageLoad, ColourImagesLoadAfterTheNote) {
    for (int bits : {4, 8}) {
        TBmp bmp;
        bmp.BitCount = static_cast<std::uint16_t>(bits);
        bmp.Width = 7;
        bmp.Height = 3;
        const TImageLoad load = Load(bmp);
        ASSERT_TRUE(load.Dib) << bits;
        EXPECT_EQ(load.Messages, Messages{Note});
        EXPECT_EQ(BackupBits.GetSize(), bmp.PixelBytes());
    }
}

TEST_F(ImageLoad, HugeNoticeComesAboveHalfAMegabyte) {
    TBmp bmp;
    bmp.BitCount = 8;
    bmp.Width = 1024;
    bmp.Height = 1024;
    TImageLoad load = Load(bmp);
    EXPECT_TRUE(load.Dib);
    EXPECT_EQ(load.Messages, (Messages{Huge, Note}));
    EXPECT_EQ(BackupBits.GetSize(), 1048576u);

    bmp.Height = 512; // exactly HugeImageBytes
    load = Load(bmp);
    EXPECT_TRUE(load.Dib);
    EXPECT_EQ(load.Messages, Messages{Note});
}

TEST_F(ImageLoad, NoRoomForThePixelCopyRefusesTheImage) {
    TBmp bmp;
    bmp.BitCount = 4;
    bmp.Width = 8;
    bmp.Height = 2;
    ASSERT_TRUE(Load(bmp).Dib);
    ASSERT_TRUE(BackupBits.IsHeld());
    Refuse = [](std::size_t bytes) { return bytes == 8; };
    const TImageLoad load = Load(bmp);
    EXPECT_FALSE(load.Dib);
    EXPECT_EQ(load.Messages, (Messages{Note, NoMemory}));
    EXPECT_FALSE(BackupBits.IsHeld()) << "the old copy went before the new one was asked for";
}

TEST_F(ImageLoad, RefusedImageLeavesTheEarlierCopyAlone) {
    TBmp first;
    first.BitCount = 8;
    first.Width = 12;
    ASSERT_TRUE(Load(first).Dib);
    EXPECT_EQ(BackupBits.GetSize(), 24u);
    TBmp refused;
    refused.BitCount = 24;
    Load(refused);
    EXPECT_EQ(BackupBits.GetSize(), 24u);
}

TEST_F(ImageLoad, RecallPutsBackThePixelsAsLoadedAndTheWholePicture) {
    TBmp bmp;
    bmp.BitCount = 8;
    bmp.Width = 40;
    bmp.Height = 30;
    TImageLoad load = Load(bmp);
    ASSERT_TRUE(load.Dib);
    TDib& dib = *load.Dib;
    const std::vector<std::uint8_t> loaded(dib.GetBits(), dib.GetBits() + dib.GetSizeImage());

    TRect shown{3, 4, 20, 25};
    int moved = 1;
    RotateImage(dib, {shown.Left, shown.Top}, 0.05, 1);
    RotateImage(dib, {shown.Left, shown.Top}, -0.05, 1);
    ASSERT_FALSE(std::equal(loaded.begin(), loaded.end(), dib.GetBits()))
        << "turning back by the opposite sine does not restore the pixels";

    RecallImage(&dib, BackupBits, shown, moved);
    EXPECT_TRUE(std::equal(loaded.begin(), loaded.end(), dib.GetBits()));
    EXPECT_EQ(shown, (TRect{0, 0, 40, 30}));
    EXPECT_EQ(moved, 0);

    TRect untouched{1, 2, 3, 4};
    moved = 1;
    RecallImage(nullptr, BackupBits, untouched, moved);
    EXPECT_EQ(untouched, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(moved, 1);
}

TEST_F(ImageLoad, PixelCopyOfAnotherImageIsNotCopiedBack) {
    TBmp small;
    TPixelCopy copy;
    const auto smallDib = Read(small);
    ASSERT_TRUE(copy.Take(*smallDib));
    TBmp larger;
    larger.Width = 40;
    const auto largerDib = Read(larger);
    const std::uint8_t first = largerDib->GetBits()[0];
    EXPECT_FALSE(copy.CopyBackTo(*largerDib));
    EXPECT_EQ(largerDib->GetBits()[0], first);
}

} // namespace
