#include "bmpwriter.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t FullTable(int bitCount) {
    return bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
}

} // namespace

std::uint8_t GreyOf(std::uint32_t entry) {
    return static_cast<std::uint8_t>(entry * 17);
}

std::uint64_t TBmp::RowBytes() const {
    const std::uint64_t width = Width < 0 ? 0 : static_cast<std::uint64_t>(Width);
    return (width * BitCount + 31) / 32 * 4;
}

std::uint64_t TBmp::PixelBytes() const {
    const std::int64_t rows = Height < 0 ? -std::int64_t{Height} : Height;
    return RowBytes() * static_cast<std::uint64_t>(rows);
}

std::uint32_t TBmp::TableEntries() const {
    if (Entries)
        return *Entries;
    return HeaderBytes != 12 && ClrUsed != 0 ? ClrUsed : FullTable(BitCount);
}

std::vector<std::uint8_t> TBmp::PixelData() const {
    if (Bits)
        return *Bits;
    std::vector<std::uint8_t> data(PixelBytes());
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return data;
}

std::vector<std::uint8_t> TBmp::Bytes() const {
    const std::vector<std::uint8_t> pixels = PixelData();
    const std::uint32_t tableBytes = TableEntries() * EntryBytes();
    const std::uint32_t pixelOffset = TableOffset() + tableBytes + GapBytes;

    std::vector<std::uint8_t> out;
    Put16(out, Type);
    Put32(out, pixelOffset + static_cast<std::uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, OffBits.value_or(pixelOffset));

    Put32(out, HeaderBytes);
    if (HeaderBytes == 12) {
        Put16(out, static_cast<std::uint32_t>(Width));
        Put16(out, static_cast<std::uint32_t>(Height));
        Put16(out, Planes);
        Put16(out, BitCount);
    } else {
        Put32(out, static_cast<std::uint32_t>(Width));
        Put32(out, static_cast<std::uint32_t>(Height));
        Put16(out, Planes);
        Put16(out, BitCount);
        Put32(out, Compression);
        Put32(out, SizeImage);
        Put32(out, static_cast<std::uint32_t>(XPelsPerMeter));
        Put32(out, static_cast<std::uint32_t>(YPelsPerMeter));
        Put32(out, ClrUsed);
        Put32(out, 0);
        out.resize(TableOffset(), 0);
    }
    for (std::uint32_t e = 0; e < TableEntries(); ++e) {
        out.insert(out.end(), 3, GreyOf(e));
        if (EntryBytes() == 4)
            out.push_back(0);
    }
    out.insert(out.end(), GapBytes, 0xEE);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::string TTempFiles::Write(const std::vector<std::uint8_t>& bytes, const std::string& suffix) {
    const std::string path = (Folder / ("image" + std::to_string(Count++) + suffix)).string();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TTempFiles::Missing() const {
    return (Folder / "no-such-file.bmp").string();
}
