#include "testimages.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

using DibReader = ImageTest;

std::uint32_t FieldAt(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

TEST_F(DibReader, KeepsHeaderTableAndBitsOfAnInfoHeaderInOneBlock) {
    TBmp bmp;
    bmp.Width = 3;
    bmp.Height = 2;
    bmp.BitCount = 4;
    bmp.XPelsPerMeter = 3000;
    bmp.YPelsPerMeter = 1500;
    bmp.SizeImage = 12345; // wrong on purpose: the reader works it out
    const auto dib = Read(bmp);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetWidth(), 3);
    EXPECT_EQ(dib->GetHeight(), 2);
    EXPECT_EQ(dib->GetBitCount(), 4);
    EXPECT_EQ(dib->GetCompression(), 0u);
    EXPECT_EQ(dib->GetXPelsPerMeter(), 3000);
    EXPECT_EQ(dib->GetYPelsPerMeter(), 1500);
    EXPECT_EQ(dib->GetNumColors(), 16);
    EXPECT_FALSE(dib->IsOldStyle());
    EXPECT_EQ(dib->GetSizeImage(), 8u);
    EXPECT_TRUE(dib->HasUncompressedSize());

    const std::vector<std::uint8_t> file = bmp.Bytes();
    const std::uint8_t* info = dib->GetInfo();
    EXPECT_EQ(FieldAt(info + 20), 8u) << "biSizeImage replaced in the stored header";
    EXPECT_TRUE(std::equal(info, info + 20, file.begin() + 14));
    EXPECT_TRUE(std::equal(info + 24, info + 40, file.begin() + 14 + 24));
    EXPECT_EQ(dib->GetColors(), info + 40);
    EXPECT_EQ(dib->GetColors()[4 * 5], GreyOf(5));
    EXPECT_EQ(dib->GetBits(), dib->GetColors() + 16 * 4);
    const std::vector<std::uint8_t> pixels = bmp.PixelData();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), dib->GetBits()));

    const TDibBits source = dib->GetBlitSource();
    EXPECT_EQ(source.Width, 3);
    EXPECT_EQ(source.Height, 2);
    EXPECT_EQ(source.BitCount, 4);
    EXPECT_EQ(source.ColorTable, dib->GetColors());
    EXPECT_EQ(source.ColorTableEntries, 16);
    EXPECT_EQ(source.Bits, dib->GetBits());
}

TEST_F(DibReader, ReadsTheOldStyleHeaderWithThreeByteEntries) {
    TBmp bmp;
    bmp.HeaderBytes = 12;
    bmp.Width = 5;
    bmp.Height = 3;
    bmp.BitCount = 8;
    const auto dib = Read(bmp);
    ASSERT_TRUE(dib);
    EXPECT_TRUE(dib->IsOldStyle());
    EXPECT_EQ(dib->GetWidth(), 5);
    EXPECT_EQ(dib->GetHeight(), 3);
    EXPECT_EQ(dib->GetNumColors(), 256);
    EXPECT_EQ(dib->GetSizeImage(), 24u);
    EXPECT_EQ(dib->GetColors(), dib->GetInfo() + 12);
    EXPECT_EQ(dib->GetColors()[3 * 200], GreyOf(200));
    EXPECT_EQ(dib->GetBits(), dib->GetColors() + 256 * 3);
    const std::vector<std::uint8_t> pixels = bmp.PixelData();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), dib->GetBits()));
}

TEST_F(DibReader, EntryCountFollowsClrUsedElseTheBitCount) {
    TBmp used;
    used.BitCount = 8;
    used.ClrUsed = 5;
    auto dib = Read(used);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetNumColors(), 5);
    EXPECT_EQ(dib->GetBits(), dib->GetColors() + 20);

    TBmp direct;
    direct.BitCount = 24;
    dib = Read(direct);
    ASSERT_TRUE(dib) << "24 bits: no colour table";
    EXPECT_EQ(dib->GetNumColors(), 0);
    EXPECT_EQ(dib->GetSizeImage(), 16u);

    for (int bits : {16, 32, 2, 0}) {
        TBmp none;
        none.BitCount = static_cast<std::uint16_t>(bits);
        EXPECT_FALSE(Read(none)) << bits << " bits have no colour count";
        none.ClrUsed = 3;
        EXPECT_TRUE(Read(none)) << bits << " bits with a table of their own";
    }
    TBmp oldDeep;
    oldDeep.HeaderBytes = 12;
    oldDeep.BitCount = 16;
    EXPECT_FALSE(Read(oldDeep));
}

TEST_F(DibReader, ReadsAnyTableUpTo256EntriesThatTheFileHolds) {
    TBmp bmp;
    bmp.ClrUsed = 3;
    auto dib = Read(bmp);
    ASSERT_TRUE(dib) << "a longer table than a 1-bit pixel can index";
    EXPECT_EQ(dib->GetNumColors(), 3);
    EXPECT_EQ(dib->GetBits(), dib->GetColors() + 3 * 4);
    const std::vector<std::uint8_t> pixels = bmp.PixelData();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), dib->GetBits()));
    bmp.BitCount = 4;
    bmp.ClrUsed = 256;
    EXPECT_TRUE(Read(bmp));
    bmp.ClrUsed = 200;
    bmp.Entries = 199;
    EXPECT_FALSE(Read(bmp)) << "a table the file cannot hold";
    bmp.Entries.reset();
    bmp.BitCount = 8;
    bmp.ClrUsed = 256;
    EXPECT_TRUE(Read(bmp));
    bmp.ClrUsed = 257;
    EXPECT_FALSE(Read(bmp));
    bmp.BitCount = 24;
    bmp.ClrUsed = 256;
    EXPECT_TRUE(Read(bmp)) << "a palette hint for deep pixels";
    bmp.ClrUsed = 0xFFFFFFFFu;
    bmp.Entries = 0;
    EXPECT_FALSE(Read(bmp));
    EXPECT_TRUE(std::all_of(Requests.begin(), Requests.end(),
                            [](std::size_t r) { return r < 4096; }));
}

TEST_F(DibReader, SkipsTheGapThatOffBitsGives) {
    TBmp bmp;
    bmp.BitCount = 8;
    bmp.Width = 4;
    bmp.GapBytes = 37;
    auto dib = Read(bmp);
    ASSERT_TRUE(dib);
    std::vector<std::uint8_t> pixels = bmp.PixelData();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), dib->GetBits()));
    EXPECT_EQ(dib->GetBits(), dib->GetColors() + 1024) << "the gap is not kept";

    // Without a usable offset the pixels are taken right behind the table.
    for (std::uint32_t offBits : {0u, 14u + 40u + 100u, 14u + 40u + 1024u}) {
        TBmp tight = bmp;
        tight.GapBytes = 0;
        tight.OffBits = offBits;
        dib = Read(tight);
        ASSERT_TRUE(dib) << offBits;
        EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), dib->GetBits())) << offBits;
    }
    TBmp unskipped = bmp;
    unskipped.OffBits = 0;
    dib = Read(unskipped);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetBits()[0], 0xEE) << "offset 0 reads the gap as pixels";
}

TEST_F(DibReader, ReadsTopDownRows) {
    TBmp bmp;
    bmp.Height = -3;
    const auto dib = Read(bmp);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetHeight(), -3);
    EXPECT_EQ(dib->GetSizeImage(), 12u);
    EXPECT_FALSE(dib->HasUncompressedSize());
}

TEST_F(DibReader, CompressedDataIsAsLongAsTheStoredSize) {
    TBmp bmp;
    bmp.BitCount = 8;
    bmp.Compression = 1;
    bmp.SizeImage = 6;
    bmp.Bits = std::vector<std::uint8_t>{2, 7, 0, 0, 0, 1};
    auto dib = Read(bmp);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetSizeImage(), 6u);
    EXPECT_EQ(dib->GetCompression(), 1u);
    EXPECT_FALSE(dib->HasUncompressedSize());
    EXPECT_EQ(FieldAt(dib->GetInfo() + 20), 6u) << "kept as stored";
    EXPECT_EQ(dib->GetBits()[5], 1);

    bmp.SizeImage = 7;
    EXPECT_FALSE(Read(bmp)) << "one byte short";
}

// Every rule of the reader: each file is the readable default with one
// thing broken.
TEST_F(DibReader, RefusesFilesThatBreakAFormatRule) {
    EXPECT_FALSE(TDib::ReadFile(Files.Missing()));
    EXPECT_FALSE(TDib::ReadFile(std::filesystem::temp_directory_path().string()));
    EXPECT_FALSE(Read(std::vector<std::uint8_t>{}));

    const std::vector<std::uint8_t> good = TBmp{}.Bytes();
    ASSERT_TRUE(Read(good));
    for (std::size_t cut : {std::size_t{10}, std::size_t{16}, std::size_t{30},
                            std::size_t{14 + 40 + 4}, good.size() - 1}) {
        const std::vector<std::uint8_t> shorter(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_FALSE(Read(shorter)) << "cut at " << cut;
    }

    TBmp wrongType;
    wrongType.Type = 0x4142;
    EXPECT_FALSE(Read(wrongType));
    for (std::uint32_t size : {0u, 16u, 64u, 108u, 124u}) {
        TBmp header;
        header.HeaderBytes = size;
        EXPECT_FALSE(Read(header)) << "header of " << size << " bytes";
    }
    for (int planes : {0, 2}) {
        TBmp info;
        info.Planes = static_cast<std::uint16_t>(planes);
        EXPECT_FALSE(Read(info));
        TBmp core;
        core.HeaderBytes = 12;
        core.Planes = static_cast<std::uint16_t>(planes);
        EXPECT_FALSE(Read(core));
    }
    TBmp negativeWidth;
    negativeWidth.Width = -2;
    negativeWidth.Bits = std::vector<std::uint8_t>(8);
    EXPECT_FALSE(Read(negativeWidth));

    TBmp farGap;
    farGap.OffBits = static_cast<std::uint32_t>(good.size());
    EXPECT_FALSE(Read(farGap)) << "the offset leaves no room for the pixels";
}

// A header may claim an image far larger than its file: nothing is
// allocated beyond what the file could fill, and no size wraps.
TEST_F(DibReader, RefusesHeadersThatClaimMoreThanTheFileHolds) {
    struct TClaim {
        std::int32_t Width, Height;
        std::uint16_t Bits;
    };
    for (TClaim claim : {TClaim{70000, 70000, 1}, TClaim{65536, 65536, 8},
                         TClaim{0x7FFFFFFF, 0x7FFFFFFF, 8}, TClaim{-0x7FFFFFFF - 1, 2, 1},
                         TClaim{2, -0x7FFFFFFF - 1, 1}, TClaim{0x7FFFFFFF, 2, 65535},
                         TClaim{4096, 4096, 8}}) {
        TBmp bmp;
        bmp.Width = claim.Width;
        bmp.Height = claim.Height;
        bmp.BitCount = claim.Bits;
        bmp.ClrUsed = claim.Bits > 8 ? 1 : 0;
        bmp.Bits = std::vector<std::uint8_t>(64);
        Requests.clear();
        EXPECT_FALSE(Read(bmp)) << claim.Width << " x " << claim.Height;
        EXPECT_TRUE(Requests.empty());
    }

    // Even an empty picture is refused when its matrix rows would not fit
    // the rotation kernel's int width.
    TBmp wideEmpty;
    wideEmpty.Height = 0;
    wideEmpty.Width = 0x7FFFFFE0;
    EXPECT_TRUE(Read(wideEmpty));
    wideEmpty.Width = 0x7FFFFFE1;
    EXPECT_FALSE(Read(wideEmpty));

    TBmp compressed;
    compressed.Compression = 1;
    compressed.SizeImage = 0xFFFFFFF0u;
    compressed.Bits = std::vector<std::uint8_t>(64);
    Requests.clear();
    EXPECT_FALSE(Read(compressed));
    EXPECT_TRUE(Requests.empty());
}

TEST_F(DibReader, FailsWhenItsBlockCannotBeHad) {
    Refuse = [](std::size_t) { return true; };
    EXPECT_FALSE(Read(TBmp{}));
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0], 40u + 8u + 8u) << "header, table and bits in one block";
}

TEST_F(DibReader, ReadsTheFirstImageOfAStreamAtItsPosition) {
    std::vector<std::uint8_t> bytes(5, 'x');
    const std::vector<std::uint8_t> bmp = TBmp{}.Bytes();
    bytes.insert(bytes.end(), bmp.begin(), bmp.end());
    std::FILE* file = std::fopen(Files.Write(bytes).c_str(), "rb");
    ASSERT_TRUE(file);
    std::fseek(file, 5, SEEK_SET);
    EXPECT_TRUE(TDib::Read(file, bmp.size()));
    std::fseek(file, 5, SEEK_SET);
    EXPECT_FALSE(TDib::Read(file, bmp.size() - 1)) << "the stream holds less than the image";
    std::fclose(file);
}

} // namespace
