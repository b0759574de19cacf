#include "framework/dibblit.h"

#include "framework/gdi/dc.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Source index under the centre of destination pixel i of n; may fall
// outside 0..size-1 when the source rectangle reaches beyond the bitmap.
int SourceIndex(std::int64_t i, std::int64_t n, std::int64_t first, std::int64_t size) {
    return static_cast<int>(first + ((2 * i + 1) * size) / (2 * n));
}

std::array<std::uint32_t, 256> Palette(const TDibBits& source) {
    std::array<std::uint32_t, 256> rgb{};
    const int entries = std::min(source.ColorTableEntries, 256);
    for (int i = 0; i < entries; ++i) {
        const std::uint8_t* q = source.ColorTable + 4 * i;
        rgb[i] = (static_cast<std::uint32_t>(q[2]) << 16) | (static_cast<std::uint32_t>(q[1]) << 8) |
                 q[0];
    }
    return rgb;
}

int PaletteIndex(const std::uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
    default:
        return row[x];
    }
}

} // namespace

void StretchDibToCanvas(const TCanvasBits& canvas, const TRect& device, const TDibBits& source,
                        const TRect& sourceRect, std::uint32_t rop) {
    const int srcWidth = sourceRect.Width(), srcHeight = sourceRect.Height();
    const std::int64_t dstWidth = static_cast<std::int64_t>(device.Right) - device.Left;
    const std::int64_t dstHeight = static_cast<std::int64_t>(device.Bottom) - device.Top;
    if (srcWidth <= 0 || srcHeight <= 0 || dstWidth == 0 || dstHeight == 0 || !source.Bits)
        return;
    if (source.BitCount != 1 && source.BitCount != 4 && source.BitCount != 8)
        return;

    // Walk the destination from its left and top pixel, whichever way round
    // it was given; a mirrored rectangle reads the source backwards.
    const bool mirrorX = dstWidth < 0, mirrorY = dstHeight < 0;
    const std::int64_t n = mirrorX ? -dstWidth : dstWidth;
    const std::int64_t m = mirrorY ? -dstHeight : dstHeight;
    const std::int64_t x0 = mirrorX ? device.Right : device.Left;
    const std::int64_t y0 = mirrorY ? device.Bottom : device.Top;

    const std::int64_t firstX = std::max<std::int64_t>(0, x0);
    const std::int64_t lastX = std::min<std::int64_t>(canvas.Width, x0 + n);
    const std::int64_t firstY = std::max<std::int64_t>(0, y0);
    const std::int64_t lastY = std::min<std::int64_t>(canvas.Height, y0 + m);
    if (firstX >= lastX || firstY >= lastY)
        return;

    std::vector<int> columns(static_cast<std::size_t>(lastX - firstX));
    for (std::int64_t x = firstX; x < lastX; ++x) {
        const std::int64_t i = mirrorX ? n - 1 - (x - x0) : x - x0;
        columns[static_cast<std::size_t>(x - firstX)] =
            SourceIndex(i, n, sourceRect.Left, srcWidth);
    }

    const std::array<std::uint32_t, 256> rgb = Palette(source);
    const std::int64_t stride = ((static_cast<std::int64_t>(source.Width) * source.BitCount + 31) / 32) * 4;
    for (std::int64_t y = firstY; y < lastY; ++y) {
        const std::int64_t j = mirrorY ? m - 1 - (y - y0) : y - y0;
        const int sy = SourceIndex(j, m, sourceRect.Top, srcHeight);
        if (sy < 0 || sy >= source.Height)
            continue;
        const std::uint8_t* row = source.Bits + (source.Height - 1 - sy) * stride;
        std::uint32_t* out = canvas.Row(static_cast<int>(y));
        for (std::int64_t x = firstX; x < lastX; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - firstX)];
            if (sx < 0 || sx >= source.Width)
                continue;
            const std::uint32_t colour = rgb[static_cast<std::size_t>(PaletteIndex(row, sx, source.BitCount))];
            std::uint32_t& pixel = out[x];
            pixel = rop == SRCINVERT ? pixel ^ colour : 0xFF000000u | colour;
        }
    }
}
