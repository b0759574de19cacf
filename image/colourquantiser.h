#pragma once

#include "framework/gdi/pixelrows.h"
#include "image/importprogress.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Reduces a 32-bit picture (TPixelRows with BitCount 32) to a palette of at
// most 256 colours and maps its pixels onto it. Transparent pixels are laid
// over white first. A picture with at most 256 colours keeps them exactly.
// Otherwise pure black and pure white keep entries of their own, so do the
// most frequent colours that appear unmixed (the flat colours of lines,
// curves and lettering), and the rest of the colour space is cut into boxes
// of least spread (median cut on a 32-level histogram a channel). Mapping is
// a table lookup, exact for the reserved colours.
class TColourQuantiser {
public:
    // Looks at every pixel once and chooses the palette. Nothing when
    // `progress` stopped the work.
    static std::optional<TColourQuantiser> Build(const TPixelRows& picture,
                                                 const TImportProgress& progress = {});

    // 0x00RRGGBB entries, at most 256.
    const std::vector<std::uint32_t>& GetPalette() const { return Palette; }
    // Writes the palette index of each of the Width pixels of row y.
    void MapRow(const TPixelRows& picture, int y, std::uint8_t* out) const;

    // A pixel as shown: laid over white by its alpha, 0x00RRGGBB.
    static std::uint32_t OverWhite(std::uint32_t argb);

private:
    static constexpr int Bins = 32 * 32 * 32;
    static constexpr std::int16_t NoEntry = -1;

    TColourQuantiser() = default;
    bool CollectExact(const TPixelRows& picture, const TImportProgress& progress);
    std::optional<int> ExactIndex(std::uint32_t rgb) const;

    std::vector<std::uint32_t> Palette;
    // With exact colours: an open-addressed table colour -> index.
    bool Exact = false;
    std::vector<std::uint32_t> ExactKeys;
    std::vector<std::uint8_t> ExactIndexes;
    // Otherwise: the entry of each histogram bin, and of black and white.
    std::vector<std::int16_t> BinEntry;
    int BlackEntry = NoEntry;
    int WhiteEntry = NoEntry;
};
