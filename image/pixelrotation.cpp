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

// The most frequent of every step-th value of pixel(0) .. pixel(length - 2),
// as MostFrequentValue describes, whatever holds the pixels.
template <class TPixelAt>
std::uint8_t MostFrequentOf(std::int64_t length, int samples, TPixelAt pixel) {
    if (length < 1)
        return 0;
    std::int64_t taken = samples;
    if (taken < 1 || taken > length)
        taken = length < 256 ? length : 256;
    const std::int64_t step = length / taken;
    std::array<std::int64_t, 256> counts{};
    std::int64_t i = 0;
    do {
        ++counts[pixel(i)];
        i += step;
    } while (i < length - 1);
    int best = 0;
    for (int v = 1; v < 256; ++v)
        if (counts[v] > counts[best])
            best = v;
    return static_cast<std::uint8_t>(best);
}

// Pixels of Bits (1, 4 or 8) bits packed into bytes, the first pixel in
// the highest bits, as the image holds them.
template <int Bits> struct TPacked {
    static constexpr int PerByte = 8 / Bits;
    static constexpr unsigned Mask = (1u << Bits) - 1;

    static std::uint8_t Get(const std::uint8_t* bytes, std::int64_t i) {
        const int shift = 8 - Bits - static_cast<int>(i % PerByte) * Bits;
        return static_cast<std::uint8_t>((bytes[i / PerByte] >> shift) & Mask);
    }
    static void Set(std::uint8_t* bytes, std::int64_t i, std::uint8_t v) {
        const int shift = 8 - Bits - static_cast<int>(i % PerByte) * Bits;
        std::uint8_t& byte = bytes[i / PerByte];
        byte = static_cast<std::uint8_t>((byte & ~(Mask << shift)) | ((v & Mask) << shift));
    }
    // A byte whose every pixel has the value v.
    static std::uint8_t Fill(std::uint8_t v) {
        std::uint8_t byte = 0;
        for (int k = 0; k < PerByte; ++k)
            byte = static_cast<std::uint8_t>((byte << Bits) | (v & Mask));
        return byte;
    }
};

// The turning loop of Rotate2DMatrix on pixels packed Bits to the bit, so
// that a picture turns from one copy of its own bits into its bits. With
// square pixels the division by the aspect is by 1, which changes nothing,
// so it is left out.
template <int Bits, bool SquarePixels>
void TurnPixels(const std::uint8_t* source, std::uint8_t* target, std::int64_t w,
                std::int64_t h, std::int64_t centreX, std::int64_t centreY,
                std::uint8_t background, double sine, double cosine, double aspect) {
    using TPixels = TPacked<Bits>;
    const std::int64_t n = w * h;
    const std::int64_t rowBytes = w / TPixels::PerByte;
    const std::uint8_t fill = TPixels::Fill(background);
    std::uint64_t fillWord;
    std::memset(&fillWord, fill, sizeof fillWord);
    std::memset(target, fill, static_cast<std::size_t>(n / TPixels::PerByte));
    // The row part of the target index changes only when the turned row
    // does, which along a source row is rarely.
    std::int64_t lastRow = INT64_MIN;
    std::int64_t rowBase = 0;
    bool rowInRange = false;
    for (std::int64_t row = 0; row < h; ++row) {
        const std::uint8_t* line = source + row * rowBytes;
        const double t = static_cast<double>(row - centreY) * aspect;
        const double ts = t * sine;
        const double tc = t * cosine;
        for (std::int64_t byte = 0; byte < rowBytes; ++byte) {
            // Most of a scanned page is its paper: eight bytes of it at a
            // time are passed over.
            std::uint64_t word;
            while (byte + 8 <= rowBytes && (std::memcpy(&word, line + byte, 8), word == fillWord))
                byte += 8;
            if (byte == rowBytes || line[byte] == fill)
                continue;
            for (std::int64_t col = byte * TPixels::PerByte; col < (byte + 1) * TPixels::PerByte;
                 ++col) {
                const std::uint8_t v = TPixels::Get(line, col);
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
                    TPixels::Set(target, i, v);
            }
        }
    }
}

template <int Bits>
void TurnPixels(const std::uint8_t* source, std::uint8_t* target, std::int64_t w,
                std::int64_t h, std::int64_t centreX, std::int64_t centreY,
                std::uint8_t background, double sine, double cosine, double aspect) {
    if (aspect == 1.0)
        TurnPixels<Bits, true>(source, target, w, h, centreX, centreY, background, sine, cosine,
                               aspect);
    else
        TurnPixels<Bits, false>(source, target, w, h, centreX, centreY, background, sine, cosine,
                                aspect);
}

// The cosine of a turn, after the checks Rotate2DMatrix promises.
double CheckedCosine(double sine, int cosSign, double aspect) {
    if (!(sine >= -1.0 && sine <= 1.0) || (cosSign != 1 && cosSign != -1) ||
        !(std::isfinite(aspect) && aspect > 0.0))
        throw std::invalid_argument("Rotate2DMatrix error: Invalid argument");
    return cosSign * std::sqrt(1.0 - sine * sine);
}

// Turns a picture's w x h pixels of Bits bits from a copy of them into
// them, about the most frequent value.
template <int Bits>
void TurnPicture(const std::uint8_t* copy, std::uint8_t* bits, std::int64_t w, std::int64_t h,
                 TPoint centre, double sine, double cosine, double aspect) {
    const std::uint8_t background =
        MostFrequentOf(w * h, 256, [copy](std::int64_t i) { return TPacked<Bits>::Get(copy, i); });
    TurnPixels<Bits>(copy, bits, w, h, centre.X, centre.Y, background, sine, cosine, aspect);
}

} // namespace

std::uint8_t MostFrequentValue(const std::uint8_t* data, std::int64_t length, int samples) {
    return MostFrequentOf(length, samples, [data](std::int64_t i) { return data[i]; });
}

void UnpackPixels1(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        pixels[k] = TPacked<1>::Get(packed, k);
}

void UnpackPixels4(const std::uint8_t* packed, std::uint8_t* pixels, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        pixels[k] = TPacked<4>::Get(packed, k);
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
    const double cosine = CheckedCosine(sine, cosSign, aspect);
    if (width < 0 || height < 0)
        throw std::invalid_argument("Rotate2DMatrix error: Invalid argument");
    TurnPixels<8>(source, target, width, height, centreX, centreY, background, sine, cosine,
                  aspect);
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

    // The picture turns from one copy of its bits straight into its bits,
    // packed as they are: one more picture's memory at any bit count.
    const double aspect = xResolution / yResolution;
    const double cosine = CheckedCosine(sine, cosSign, aspect);
    const auto bytes = static_cast<std::size_t>(dib.GetSizeImage());
    const TGlobalBlock copy = AllocGlobalBlock(bytes);
    if (!copy) {
        messages.push_back(Problem("Not enough memory. Sorry, cannot rotate the image!", "Error"));
        return messages;
    }
    std::memcpy(copy.get(), dib.GetBits(), bytes);
    const std::int64_t rowBits = (std::int64_t{dib.GetWidth()} * bits + 31) / 32 * 32;
    const std::int64_t w = rowBits / bits;
    const std::int64_t h = dib.GetHeight();
    if (bits == 1)
        TurnPicture<1>(copy.get(), dib.GetBits(), w, h, centre, sine, cosine, aspect);
    else if (bits == 4)
        TurnPicture<4>(copy.get(), dib.GetBits(), w, h, centre, sine, cosine, aspect);
    else
        TurnPicture<8>(copy.get(), dib.GetBits(), w, h, centre, sine, cosine, aspect);
    return messages;
}
