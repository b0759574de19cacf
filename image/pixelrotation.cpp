#include "image/pixelrotation.h"

#include "image/dib.h"
#include "image/globalblock.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace {

TUserMessage Problem(const char* text, const char* caption) {
    return {text, caption, MB_OK, MB_ICONEXCLAMATION};
}

// The eight pixels of every packed 1-bit byte, bit 7 first.
constexpr auto BitPixels = [] {
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        for (int i = 0; i < 8; ++i)
            table[byte][i] = static_cast<std::uint8_t>((byte >> (7 - i)) & 1);
    return table;
}();

// A turned coordinate at least this far out lies beyond any matrix a file
// can describe; dropping it keeps the index arithmetic within 64 bits.
constexpr double FarOut = 4611686018427387904.0; // 2^62

// RoundHalfDown straight to an integer, for |v| below 2^62: the kernel's
// hot path, without a floor call.
inline std::int64_t NearestHalfDown(double v) {
    auto low = static_cast<std::int64_t>(v); // toward zero
    low -= static_cast<double>(low) > v;
    return low + (v - static_cast<double>(low) > 0.5);
}

// The turning loop of Rotate2DMatrix. With square pixels the division by
// the aspect is by 1, which changes nothing, so it is left out.
template <bool SquarePixels>
void TurnPixels(const std::uint8_t* source, std::uint8_t* target, std::int64_t w,
                std::int64_t h, std::int64_t centreX, std::int64_t centreY,
                std::uint8_t background, double sine, double cosine, double aspect) {
    const std::int64_t n = w * h;
    // The row part of the target index changes only when the turned row
    // does, which along a source row is rarely.
    std::int64_t lastRow = INT64_MIN;
    std::int64_t rowBase = 0;
    bool rowInRange = false;
    for (std::int64_t row = 0; row < h; ++row) {
        const std::uint8_t* line = source + row * w;
        const double t = static_cast<double>(row - centreY) * aspect;
        const double ts = t * sine;
        const double tc = t * cosine;
        for (std::int64_t col = 0; col < w; ++col) {
            const std::uint8_t v = line[col];
            if (v == background)
                continue;
            const double x = static_cast<double>(col - centreX);
            const double turnedX = x * cosine - ts;
            const double turnedY = SquarePixels ? x * sine + tc : (x * sine + tc) / aspect;
            if (!(std::fabs(turnedX) < FarOut && std::fabs(turnedY) < FarOut))
                continue;
            const std::int64_t y = NearestHalfDown(turnedY);
            if (y != lastRow) {
                lastRow = y;
                rowInRange = !__builtin_mul_overflow(y + centreY, w, &rowBase);
            }
            std::int64_t i = 0;
            if (!rowInRange ||
                __builtin_add_overflow(rowBase, NearestHalfDown(turnedX) + centreX, &i))
                continue;
            if (i >= 0 && i < n)
                target[i] = v;
        }
    }
}

} // namespace

std::uint8_t MostFrequentValue(const std::uint8_t* data, std::int64_t length, int samples) {
    if (length < 1)
        return 0;
    std::int64_t taken = samples;
    if (taken < 1 || taken > length)
        taken = length < 256 ? length : 256;
    const std::int64_t step = length / taken;
    std::array<std::int64_t, 256> counts{};
    std::int64_t i = 0;
    do {
        ++counts[data[i]];
        i += step;
    } while (i < length - 1);
    int best = 0;
    for (int v = 1; v < 256; ++v)
        if (counts[v] > counts[best])
            best = v;
    return static_cast<std::uint8_t>(best);
}

void UnpackPixels1(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count) {
    const std::int64_t whole = count > 0 ? count / 8 : 0;
    for (std::int64_t i = 0; i < whole; ++i)
        std::memcpy(pixels + 8 * i, BitPixels[packed[i]].data(), 8);
    for (std::int64_t k = whole * 8; k < count; ++k)
        pixels[k] = static_cast<std::uint8_t>((packed[k / 8] >> (7 - k % 8)) & 1);
}

void UnpackPixels4(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        pixels[k] = static_cast<std::uint8_t>(k % 2 == 0 ? packed[k / 2] >> 4 : packed[k / 2] & 15);
}

void PackPixels1(const std::uint8_t* pixels, std::uint8_t* packed, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        const std::uint8_t* p = pixels + 8 * i;
        packed[i] = static_cast<std::uint8_t>(((p[0] & 1) << 7) | ((p[1] & 1) << 6) |
                                              ((p[2] & 1) << 5) | ((p[3] & 1) << 4) |
                                              ((p[4] & 1) << 3) | ((p[5] & 1) << 2) |
                                              ((p[6] & 1) << 1) | (p[7] & 1));
    }
}

void PackPixels4(const std::uint8_t* pixels, std::uint8_t* packed, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i)
        packed[i] = static_cast<std::uint8_t>(((pixels[2 * i] & 15) << 4) | (pixels[2 * i + 1] & 15));
}

void Rotate2DMatrix(const std::uint8_t* source, std::uint8_t* target, int width, int height,
                    int centreX, int centreY, std::uint8_t background, double sine, int cosSign,
                    double aspect) {
    if (!(sine >= -1.0 && sine <= 1.0) || (cosSign != 1 && cosSign != -1) ||
        !(std::isfinite(aspect) && aspect > 0.0) || width < 0 || height < 0)
        throw std::invalid_argument("Rotate2DMatrix error: Invalid argument");
    const double cosine = cosSign * std::sqrt(1.0 - sine * sine);
    std::memset(target, background, static_cast<std::size_t>(std::int64_t{width} * height));
    if (aspect == 1.0)
        TurnPixels<true>(source, target, width, height, centreX, centreY, background, sine,
                         cosine, aspect);
    else
        TurnPixels<false>(source, target, width, height, centreX, centreY, background, sine,
                          cosine, aspect);
}

std::vector<TUserMessage> RotateImage(TDib& dib, TPoint centre, double sine, int cosSign) {
    std::vector<TUserMessage> messages;
    double xResolution = dib.GetXPelsPerMeter();
    double yResolution = dib.GetYPelsPerMeter();
    if (!(xResolution > 0.0 && yResolution > 0.0)) {
        messages.push_back(Problem("Invalid information on x and y resolution in bitmap header. "
                                   "Rotation can distort the image.",
                                   "Warning"));
        xResolution = yResolution = 1000.0;
    }
    if (!dib.HasUncompressedSize()) {
        messages.push_back(Problem("Information on image size in bitmap header is wrong. Sorry, "
                                   "cannot rotate the image...",
                                   "Error"));
        return messages;
    }
    const int bits = dib.GetBitCount();
    if (bits != 1 && bits != 4 && bits != 8) {
        messages.push_back(
            Problem("Sorry, cannot rotate images with more than 256 colors...", "Error"));
        return messages;
    }

    // 8-bit images are turned straight into their own bits from one copy.
    const std::int64_t n = std::int64_t{dib.GetSizeImage()} * (8 / bits);
    const TGlobalBlock source = AllocGlobalBlock(static_cast<std::size_t>(n));
    const TGlobalBlock target = bits == 8 ? nullptr : AllocGlobalBlock(static_cast<std::size_t>(n));
    if (!source || (bits != 8 && !target)) {
        messages.push_back(Problem("Not enough memory. Sorry, cannot rotate the image!", "Error"));
        return messages;
    }
    std::uint8_t* bitsOfImage = dib.GetBits();
    if (bits == 1)
        UnpackPixels1(bitsOfImage, source.get(), n);
    else if (bits == 4)
        UnpackPixels4(bitsOfImage, source.get(), n);
    else
        std::memcpy(source.get(), bitsOfImage, dib.GetSizeImage());

    const std::uint8_t background = MostFrequentValue(source.get(), n, 256);
    const std::int64_t rowBits = (std::int64_t{dib.GetWidth()} * bits + 31) / 32 * 32;
    Rotate2DMatrix(source.get(), bits == 8 ? bitsOfImage : target.get(),
                   static_cast<int>(rowBits / bits), dib.GetHeight(), centre.X, centre.Y,
                   background, sine, cosSign, xResolution / yResolution);
    if (bits == 1)
        PackPixels1(target.get(), bitsOfImage, dib.GetSizeImage());
    else if (bits == 4)
        PackPixels4(target.get(), bitsOfImage, dib.GetSizeImage());
    return messages;
}
