#pragma once

#include "support/tempfolder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Writes Windows bitmap files for the tests, field by field, so that each
// test states the file it reads. Defaults give a readable 2 x 2 1-bit
// bitmap with a 40-byte header; a test changes the fields it is about.
struct TBmp {
    std::uint16_t Type = 0x4D42;
    // 40 and 12 give the two header kinds; other values write a header of
    // that many bytes in the 40-byte layout (zeros beyond its 40 bytes).
    std::uint32_t HeaderBytes = 40;
    std::int32_t Width = 2;
    std::int32_t Height = 2;
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 1;
    std::uint32_t Compression = 0;
    std::uint32_t SizeImage = 0;
    std::int32_t XPelsPerMeter = 2835;
    std::int32_t YPelsPerMeter = 2835;
    std::uint32_t ClrUsed = 0;
    // Colour-table entries written; by default the count the reader expects
    // (ClrUsed, else the full table of the bit count).
    std::optional<std::uint32_t> Entries;
    // bfOffBits; by default the pixel data's true offset.
    std::optional<std::uint32_t> OffBits;
    // Filler bytes (0xEE) between the colour table and the pixel data.
    std::uint32_t GapBytes = 0;
    // Pixel data; by default a pattern the size of the padded rows.
    std::optional<std::vector<std::uint8_t>> Bits;

    // Padded bytes of one row and of all rows (bottom-up or top-down alike).
    std::uint64_t RowBytes() const;
    std::uint64_t PixelBytes() const;
    std::uint32_t TableEntries() const;
    std::uint32_t EntryBytes() const { return HeaderBytes == 12 ? 3 : 4; }
    std::uint32_t TableOffset() const { return 14 + HeaderBytes; }
    // The pixel data as written: Bits, or the default pattern.
    std::vector<std::uint8_t> PixelData() const;
    std::vector<std::uint8_t> Bytes() const;
};

// Colour-table entry i as written: grey i * 17 (blue, green, red, and for
// 4-byte entries a zero).
std::uint8_t GreyOf(std::uint32_t entry);

// Files written for a test into a folder of its own, removed when the
// owner goes.
class TTempFiles {
public:

    // A new file of these bytes, its name ending in `suffix`.
    std::string Write(const std::vector<std::uint8_t>& bytes, const std::string& suffix = ".bmp");
    std::string Write(const TBmp& bmp) { return Write(bmp.Bytes()); }
    // A name in the test's folder that no file has.
    std::string Missing() const;

private:
    TTempFolder Folder;
    int Count = 0;
};
