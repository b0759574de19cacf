#include "image/dib.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>
#include <system_error>

namespace {

constexpr std::uint16_t BitmapSignature = 0x4D42; // "BM"
constexpr std::uint32_t FileHeaderBytes = 14;
constexpr std::uint32_t InfoHeaderBytes = 40;
constexpr std::uint32_t CoreHeaderBytes = 12;
constexpr std::uint32_t InfoEntryBytes = 4; // RGBQUAD
constexpr std::uint32_t CoreEntryBytes = 3; // RGBTRIPLE
constexpr std::uint32_t SizeImageOffset = 20;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Entries of a full colour table for the bit count; -1 when the bit count
// has none, which makes the file unreadable wherever the count is needed.
std::int64_t ColorCount(int bitCount) {
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    case 24: return 0;
    default: return -1;
    }
}

// A colour table holds at most 256 entries whatever the bit count: a table
// longer than the pixels can index is read whole and its tail goes unused,
// as long as the file holds it (checked with the other sizes).
constexpr std::int64_t MaxEntries = 256;

// The header fields the reader works with, from either header kind.
struct THeader {
    std::uint32_t Bytes = 0;
    bool OldStyle = false;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    int Planes = 0;
    int BitCount = 0;
    std::uint32_t Compression = 0;
    std::uint32_t SizeImage = 0;
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
    std::int64_t Entries = 0;
    std::uint32_t EntryBytes = 0;
};

THeader Decode(const std::uint8_t* h, std::uint32_t bytes) {
    THeader d;
    d.Bytes = bytes;
    if (bytes == CoreHeaderBytes) {
        d.OldStyle = true;
        d.Width = U16(h + 4);
        d.Height = U16(h + 6);
        d.Planes = U16(h + 8);
        d.BitCount = U16(h + 10);
        d.Entries = ColorCount(d.BitCount);
        d.EntryBytes = CoreEntryBytes;
        return d;
    }
    d.Width = I32(h + 4);
    d.Height = I32(h + 8);
    d.Planes = U16(h + 12);
    d.BitCount = U16(h + 14);
    d.Compression = U32(h + 16);
    d.SizeImage = U32(h + SizeImageOffset);
    d.XPelsPerMeter = I32(h + 24);
    d.YPelsPerMeter = I32(h + 28);
    const std::uint32_t clrUsed = U32(h + 32);
    d.Entries = clrUsed != 0 ? std::int64_t{clrUsed} : ColorCount(d.BitCount);
    d.EntryBytes = InfoEntryBytes;
    return d;
}

// Bytes of one stored row: the row's bits padded to a multiple of 32.
std::uint64_t RowBytes(std::int64_t width, int bitCount) {
    return (static_cast<std::uint64_t>(bitCount) * static_cast<std::uint64_t>(width) + 31) / 32 * 4;
}

// Pixel bytes the block is to hold, or nothing when the header describes
// an image that cannot be held: a negative width, a matrix row too wide for
// the rotation kernel's int width, or pixel data beyond the 32-bit size
// field. A top-down file (negative height) is read like a bottom-up one.
bool PixelBytes(const THeader& h, std::uint64_t& bytes) {
    if (h.Width < 0)
        return false;
    const std::uint64_t row = RowBytes(h.Width, h.BitCount);
    if (h.BitCount >= 1 && h.BitCount <= 8 &&
        row * 8 / static_cast<std::uint64_t>(h.BitCount) >
            static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return false;
    if (!h.OldStyle && h.Compression != 0) {
        bytes = h.SizeImage;
        return true;
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(h.Height < 0 ? -h.Height : h.Height);
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    if (rows != 0 && row > limit / rows)
        return false;
    bytes = row * rows;
    return true;
}

bool ReadExactly(std::FILE* file, void* into, std::uint64_t bytes) {
    return std::fread(into, 1, static_cast<std::size_t>(bytes), file) == bytes;
}

bool SkipForward(std::FILE* file, std::uint64_t bytes) {
    constexpr auto most = static_cast<std::uint64_t>(std::numeric_limits<long>::max());
    while (bytes > 0) {
        const std::uint64_t step = std::min(bytes, most);
        if (std::fseek(file, static_cast<long>(step), SEEK_CUR) != 0)
            return false;
        bytes -= step;
    }
    return true;
}

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::unique_ptr<TDib> TDib::ReadFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return nullptr;
    const std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return nullptr;
    return Read(file.get(), size);
}

std::unique_ptr<TDib> TDib::Read(std::FILE* file, std::uint64_t fileBytes) {
    std::uint8_t fileHeader[FileHeaderBytes];
    if (!ReadExactly(file, fileHeader, FileHeaderBytes) || U16(fileHeader) != BitmapSignature)
        return nullptr;
    const std::uint32_t offBits = U32(fileHeader + 10);

    std::uint8_t header[InfoHeaderBytes];
    if (!ReadExactly(file, header, 4))
        return nullptr;
    const std::uint32_t headerBytes = U32(header);
    if (headerBytes != InfoHeaderBytes && headerBytes != CoreHeaderBytes)
        return nullptr;
    if (!ReadExactly(file, header + 4, headerBytes - 4))
        return nullptr;

    const THeader h = Decode(header, headerBytes);
    if (h.Planes != 1 || h.Entries < 0 || h.Entries > MaxEntries)
        return nullptr;
    std::uint64_t pixelBytes = 0;
    if (!PixelBytes(h, pixelBytes))
        return nullptr;

    // Every size here is below 2^33, so the sums cannot wrap. The file must
    // hold all of it before the block is taken, so a lying header never
    // gets more memory than its file can fill.
    const std::uint64_t tableBytes = static_cast<std::uint64_t>(h.Entries) * h.EntryBytes;
    const std::uint64_t tableEnd = std::uint64_t{FileHeaderBytes} + headerBytes + tableBytes;
    const std::uint64_t gap = offBits > tableEnd ? offBits - tableEnd : 0;
    if (tableEnd + gap + pixelBytes > fileBytes)
        return nullptr;

    std::unique_ptr<TDib> dib(new (std::nothrow) TDib);
    if (!dib)
        return nullptr;
    dib->Block = AllocGlobalBlock(static_cast<std::size_t>(headerBytes + tableBytes + pixelBytes));
    if (!dib->Block)
        return nullptr;
    std::memcpy(dib->Block.get(), header, headerBytes);
    if (!h.OldStyle && h.Compression == 0)
        PutU32(dib->Block.get() + SizeImageOffset, static_cast<std::uint32_t>(pixelBytes));
    dib->HeaderBytes = headerBytes;
    dib->TableBytes = static_cast<std::uint32_t>(tableBytes);
    if (!ReadExactly(file, dib->Block.get() + headerBytes, tableBytes) ||
        !SkipForward(file, gap) || !ReadExactly(file, dib->GetBits(), pixelBytes))
        return nullptr;

    dib->Width = static_cast<int>(h.Width);
    dib->Height = static_cast<int>(h.Height);
    dib->BitCount = h.BitCount;
    dib->Compression = h.Compression;
    dib->SizeImage = static_cast<std::uint32_t>(pixelBytes);
    dib->XPelsPerMeter = h.XPelsPerMeter;
    dib->YPelsPerMeter = h.YPelsPerMeter;
    dib->NumColors = static_cast<int>(h.Entries);
    dib->OldStyle = h.OldStyle;
    return dib;
}

std::unique_ptr<TDib> TDib::Create(int width, int height, int bitCount,
                                   const std::vector<std::uint32_t>& palette,
                                   std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter) {
    THeader h;
    h.Bytes = InfoHeaderBytes;
    h.Width = width;
    h.Height = height;
    h.Planes = 1;
    h.BitCount = bitCount;
    h.XPelsPerMeter = xPelsPerMeter;
    h.YPelsPerMeter = yPelsPerMeter;
    h.Entries = static_cast<std::int64_t>(palette.size());
    h.EntryBytes = InfoEntryBytes;
    std::uint64_t pixelBytes = 0;
    if (width <= 0 || height <= 0 || ColorCount(bitCount) <= 0 ||
        h.Entries > ColorCount(bitCount) || !PixelBytes(h, pixelBytes))
        return nullptr;

    std::unique_ptr<TDib> dib(new (std::nothrow) TDib);
    if (!dib)
        return nullptr;
    const std::uint64_t tableBytes = static_cast<std::uint64_t>(h.Entries) * InfoEntryBytes;
    dib->Block =
        AllocGlobalBlock(static_cast<std::size_t>(InfoHeaderBytes + tableBytes + pixelBytes));
    if (!dib->Block)
        return nullptr;
    std::uint8_t* header = dib->Block.get();
    std::memset(header, 0, InfoHeaderBytes);
    PutU32(header, InfoHeaderBytes);
    PutU32(header + 4, static_cast<std::uint32_t>(width));
    PutU32(header + 8, static_cast<std::uint32_t>(height));
    header[12] = 1; // planes
    header[14] = static_cast<std::uint8_t>(bitCount);
    PutU32(header + SizeImageOffset, static_cast<std::uint32_t>(pixelBytes));
    PutU32(header + 24, static_cast<std::uint32_t>(xPelsPerMeter));
    PutU32(header + 28, static_cast<std::uint32_t>(yPelsPerMeter));
    PutU32(header + 32, static_cast<std::uint32_t>(palette.size()));
    std::uint8_t* entry = header + InfoHeaderBytes;
    for (std::uint32_t rgb : palette) {
        PutU32(entry, rgb); // blue, green, red, 0 in file order
        entry += InfoEntryBytes;
    }

    dib->HeaderBytes = InfoHeaderBytes;
    dib->TableBytes = static_cast<std::uint32_t>(tableBytes);
    dib->Width = width;
    dib->Height = height;
    dib->BitCount = bitCount;
    dib->SizeImage = static_cast<std::uint32_t>(pixelBytes);
    dib->XPelsPerMeter = xPelsPerMeter;
    dib->YPelsPerMeter = yPelsPerMeter;
    dib->NumColors = static_cast<int>(palette.size());
    const std::size_t row = dib->GetRowBytes();
    for (int y = 0; y < height; ++y)
        std::memset(dib->GetBits() + static_cast<std::size_t>(y) * row + row - 4, 0, 4);
    return dib;
}

void TDib::SetColors(const std::vector<std::uint32_t>& palette) {
    std::uint8_t* entry = Block.get() + HeaderBytes;
    for (int i = 0; i < NumColors; ++i, entry += InfoEntryBytes)
        PutU32(entry, static_cast<std::size_t>(i) < palette.size() ? palette[static_cast<std::size_t>(i)] : 0);
}

void TDib::SetResolution(std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter) {
    PutU32(Block.get() + 24, static_cast<std::uint32_t>(xPelsPerMeter));
    PutU32(Block.get() + 28, static_cast<std::uint32_t>(yPelsPerMeter));
    XPelsPerMeter = xPelsPerMeter;
    YPelsPerMeter = yPelsPerMeter;
}

std::size_t TDib::GetRowBytes() const {
    return static_cast<std::size_t>(RowBytes(Width, BitCount));
}

TDibBits TDib::GetBlitSource() const {
    return TDibBits{Width, Height, BitCount, GetColors(), NumColors, GetBits()};
}

bool TDib::HasUncompressedSize() const {
    if (Width < 0 || Height < 0)
        return false;
    const std::uint64_t row = RowBytes(Width, BitCount);
    const auto rows = static_cast<std::uint64_t>(Height);
    if (rows != 0 && row > std::numeric_limits<std::uint32_t>::max() / rows)
        return false;
    return row * rows == SizeImage;
}
