#pragma once

#include "framework/gdi/dc.h"
#include "image/globalblock.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// A device-independent bitmap read from a Windows bitmap file: one block
// holding the header as read (biSizeImage recomputed for uncompressed
// images), the colour table right behind it and the pixel bits right behind
// that, plus the header fields the program works with. The reader takes the
// 40-byte BITMAPINFOHEADER and the 12-byte BITMAPCOREHEADER; whether an image
// is of use is decided by the acceptance checks, not here. The file is
// untrusted: every size is worked out in 64 bits and checked against the
// bytes the file holds before anything is allocated.
class TDib {
public:
    // Null when the file cannot be opened or read as a bitmap, or when the
    // image's block cannot be allocated.
    static std::unique_ptr<TDib> ReadFile(const std::string& path);
    // Reads from the current position of `file`, which holds `fileBytes`
    // bytes from there on.
    static std::unique_ptr<TDib> Read(std::FILE* file, std::uint64_t fileBytes);
    // A new uncompressed bottom-up image with a 40-byte header, the colour
    // table given (0x00RRGGBB entries, at most 2^bitCount) and pixel bits
    // for the caller to fill (the padding at the end of each row is already
    // zero): the same kind of image a bitmap file of that bit count gives. Null when the sizes cannot be held or the block
    // cannot be allocated.
    static std::unique_ptr<TDib> Create(int width, int height, int bitCount,
                                        const std::vector<std::uint32_t>& palette,
                                        std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter);

    TDib(const TDib&) = delete;
    TDib& operator=(const TDib&) = delete;
    ~TDib() = default;

    int GetWidth() const { return Width; }
    // Positive for bottom-up rows, negative for a top-down file.
    int GetHeight() const { return Height; }
    int GetBitCount() const { return BitCount; }
    std::uint32_t GetCompression() const { return Compression; }
    // Bytes of pixel data the block holds (the header field as stored).
    std::uint32_t GetSizeImage() const { return SizeImage; }
    std::int32_t GetXPelsPerMeter() const { return XPelsPerMeter; }
    std::int32_t GetYPelsPerMeter() const { return YPelsPerMeter; }
    int GetNumColors() const { return NumColors; }
    // The file had the 12-byte header of the old presentation-manager kind.
    bool IsOldStyle() const { return OldStyle; }
    // Replaces the colour table's entries with 0x00RRGGBB values (entries
    // beyond those given become black) and sets the resolution: for an
    // image made by Create whose pixels were filled before its colours were
    // known.
    void SetColors(const std::vector<std::uint32_t>& palette);
    void SetResolution(std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter);

    // Bytes of one stored row, padded to 4 bytes.
    std::size_t GetRowBytes() const;
    // biSizeImage equals the bytes the width, height and bit count need
    // without compression, rows padded to 4 bytes; worked out in 64 bits.
    bool HasUncompressedSize() const;

    // The whole block: header, colour table, pixel bits.
    const std::uint8_t* GetInfo() const { return Block.get(); }
    const std::uint8_t* GetColors() const { return Block.get() + HeaderBytes; }
    std::uint8_t* GetBits() { return Block.get() + HeaderBytes + TableBytes; }
    const std::uint8_t* GetBits() const { return Block.get() + HeaderBytes + TableBytes; }

    // Gives the image a new block of the same size: the header and colour
    // table are copied into it, `makeBits(oldBits, newBits)` writes its
    // pixel bits from the old ones, and the old block goes. False, with the
    // image unchanged and makeBits not called, when the new block cannot be
    // allocated. For work that would otherwise copy the bits aside first.
    template <class TMakeBits> bool RemakeBits(TMakeBits makeBits);

    // The image as a blit source for StretchBlt (40-byte header: the colour
    // table then holds RGBQUAD entries).
    TDibBits GetBlitSource() const;

private:
    TDib() = default;

    TGlobalBlock Block;
    std::uint32_t HeaderBytes = 0;
    std::uint32_t TableBytes = 0;
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    std::uint32_t Compression = 0;
    std::uint32_t SizeImage = 0;
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
    int NumColors = 0;
    bool OldStyle = false;
};

template <class TMakeBits> bool TDib::RemakeBits(TMakeBits makeBits) {
    const std::size_t infoBytes = std::size_t{HeaderBytes} + TableBytes;
    TGlobalBlock fresh = AllocGlobalBlock(infoBytes + SizeImage);
    if (!fresh)
        return false;
    std::memcpy(fresh.get(), Block.get(), infoBytes);
    makeBits(static_cast<const std::uint8_t*>(GetBits()), fresh.get() + infoBytes);
    Block = std::move(fresh);
    return true;
}
