#include "image/pixelrotation.h"

#include "image/dib.h"

#include <algorithm>
#include <array>
#include <bit>
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

// The first of bytes[from] .. bytes[end - 1] that is not `fill` (eight
// copies of it in fillWord), or end. Most of a scanned page is its paper,
// so it is passed over 32 bytes at a time.
inline std::int64_t SkipFill(const std::uint8_t* bytes, std::int64_t from, std::int64_t end,
                             std::uint8_t fill, std::uint64_t fillWord) {
    const auto differ = [&](std::int64_t at) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        return word ^ fillWord;
    };
    std::int64_t at = from;
    while (at + 32 <= end && (differ(at) | differ(at + 8) | differ(at + 16) | differ(at + 24)) == 0)
        at += 32;
    for (; at + 8 <= end; at += 8)
        if (const std::uint64_t d = differ(at); d != 0) {
            // The lowest differing byte in memory order.
            if constexpr (std::endian::native == std::endian::little)
                return at + std::countr_zero(d) / 8;
            else
                return at + std::countl_zero(d) / 8;
        }
    while (at < end && bytes[at] == fill)
        ++at;
    return at;
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

// Where the pixel x columns right of the centre, in a row whose offset t
// from the centre is turned to ts and tc, goes: the same arithmetic for the
// pixels and for the bounds of their reach. With square pixels the division
// by the aspect is by 1, which changes nothing, so it is left out.
struct TTurned {
    double X;
    double Y;
};

template <bool SquarePixels>
inline TTurned Turned(double x, double ts, double tc, double sine, double cosine, double aspect) {
    return {x * cosine - ts, SquarePixels ? x * sine + tc : (x * sine + tc) / aspect};
}

// The linear indexes the pixels of one source row can be turned to, worked
// out from the row's two ends turned: each turned coordinate follows the
// column monotonically, rounding included, so its extremes are at the
// ends. Exact when every pixel of the row stays well within 64-bit
// arithmetic (then none is dropped as too far out); otherwise nothing is
// known.
struct TRowReach {
    bool Exact = false;
    std::int64_t Lowest = 0;
    std::int64_t Highest = 0;
};

TRowReach ReachOfRow(TTurned first, TTurned last, std::int64_t w, std::int64_t centreX,
                     std::int64_t centreY) {
    constexpr double Near = 1125899906842624.0; // 2^50: sums of such stay exact
    const auto indexAt = [&](double x, double y, double& at) {
        if (!(std::fabs(x) < Near && std::fabs(y) < Near))
            return false;
        const double rowStart = static_cast<double>(NearestHalfDown(y) + centreY) *
                                static_cast<double>(w);
        const auto column = static_cast<double>(NearestHalfDown(x) + centreX);
        at = rowStart + column;
        return std::fabs(rowStart) < Near && std::fabs(column) < Near;
    };
    double lowest = 0.0;
    double highest = 0.0;
    if (!indexAt(std::min(first.X, last.X), std::min(first.Y, last.Y), lowest) ||
        !indexAt(std::max(first.X, last.X), std::max(first.Y, last.Y), highest))
        return {};
    return {true, static_cast<std::int64_t>(lowest), static_cast<std::int64_t>(highest)};
}

// Calls place(column, value) for every pixel of a source row of rowBytes
// bytes whose value is not the background.
template <int Bits, class TPlace>
inline void ForEachInk(const std::uint8_t* line, std::int64_t rowBytes, std::uint8_t background,
                       TPlace place) {
    using TPixels = TPacked<Bits>;
    const std::uint8_t fill = TPixels::Fill(background);
    std::uint64_t fillWord;
    std::memset(&fillWord, fill, sizeof fillWord);
    for (std::int64_t byte = 0; byte < rowBytes; ++byte) {
        if (line[byte] == fill) {
            byte = SkipFill(line, byte, rowBytes, fill, fillWord);
            if (byte == rowBytes)
                return;
        }
        for (std::int64_t col = byte * TPixels::PerByte; col < (byte + 1) * TPixels::PerByte;
             ++col)
            if (const std::uint8_t v = TPixels::Get(line, col); v != background)
                place(col, v);
    }
}

// The turning loop of Rotate2DMatrix on pixels packed Bits to the bit, so
// that a picture turns from its bits into a block of the same size. The
// target takes the background only just ahead of the pixels that may land
// there, so that those land in memory still in the cache; a row whose
// every pixel lands inside the matrix needs no checks on the way.
template <int Bits, bool SquarePixels>
void TurnPixels(const std::uint8_t* source, std::uint8_t* target, std::int64_t w,
                std::int64_t h, std::int64_t centreX, std::int64_t centreY,
                std::uint8_t background, double sine, double cosine, double aspect) {
    using TPixels = TPacked<Bits>;
    const std::int64_t n = w * h;
    const std::int64_t rowBytes = w / TPixels::PerByte;
    std::int64_t filledBytes = 0;
    const auto fillUpTo = [&](std::int64_t end) {
        const std::int64_t bytes = (end + TPixels::PerByte - 1) / TPixels::PerByte;
        if (bytes > filledBytes) {
            std::memset(target + filledBytes, TPixels::Fill(background),
                        static_cast<std::size_t>(bytes - filledBytes));
            filledBytes = bytes;
        }
    };
    const double leftX = static_cast<double>(-centreX);
    const double rightX = static_cast<double>(w - 1 - centreX);
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
        const auto turn = [&](std::int64_t col) {
            return Turned<SquarePixels>(static_cast<double>(col - centreX), ts, tc, sine, cosine,
                                        aspect);
        };
        const TRowReach reach =
            ReachOfRow(Turned<SquarePixels>(leftX, ts, tc, sine, cosine, aspect),
                       Turned<SquarePixels>(rightX, ts, tc, sine, cosine, aspect), w, centreX,
                       centreY);
        fillUpTo(reach.Exact ? std::clamp<std::int64_t>(reach.Highest + 1, 0, n) : n);
        if (reach.Exact && reach.Lowest >= 0 && reach.Highest < n) {
            ForEachInk<Bits>(line, rowBytes, background, [&](std::int64_t col, std::uint8_t v) {
                const TTurned turned = turn(col);
                TPixels::Set(target,
                             (NearestHalfDown(turned.Y) + centreY) * w +
                                 NearestHalfDown(turned.X) + centreX,
                             v);
            });
            continue;
        }
        ForEachInk<Bits>(line, rowBytes, background, [&](std::int64_t col, std::uint8_t v) {
            const TTurned turned = turn(col);
            if (!(std::fabs(turned.X) < FarOut && std::fabs(turned.Y) < FarOut))
                return;
            const std::int64_t y = NearestHalfDown(turned.Y);
            if (y != lastRow) {
                lastRow = y;
                rowInRange = !__builtin_mul_overflow(y + centreY, w, &rowBase);
            }
            std::int64_t i = 0;
            if (!rowInRange ||
                __builtin_add_overflow(rowBase, NearestHalfDown(turned.X) + centreX, &i))
                return;
            if (i >= 0 && i < n)
                TPixels::Set(target, i, v);
        });
    }
    fillUpTo(n);
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

// Turns a picture's w x h pixels of Bits bits from `from` into `to`,
// about the most frequent value.
template <int Bits>
void TurnPicture(const std::uint8_t* from, std::uint8_t* to, std::int64_t w, std::int64_t h,
                 TPoint centre, double sine, double cosine, double aspect) {
    const std::uint8_t background =
        MostFrequentOf(w * h, 256, [from](std::int64_t i) { return TPacked<Bits>::Get(from, i); });
    TurnPixels<Bits>(from, to, w, h, centre.X, centre.Y, background, sine, cosine, aspect);
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

    // The picture turns from its bits as they are into a new block that
    // then takes their place: one more picture's memory at any bit count.
    const double aspect = xResolution / yResolution;
    const double cosine = CheckedCosine(sine, cosSign, aspect);
    const std::int64_t rowBits = (std::int64_t{dib.GetWidth()} * bits + 31) / 32 * 32;
    const std::int64_t w = rowBits / bits;
    const std::int64_t h = dib.GetHeight();
    const bool turned = dib.RemakeBits([&](const std::uint8_t* from, std::uint8_t* to) {
        if (bits == 1)
            TurnPicture<1>(from, to, w, h, centre, sine, cosine, aspect);
        else if (bits == 4)
            TurnPicture<4>(from, to, w, h, centre, sine, cosine, aspect);
        else
            TurnPicture<8>(from, to, w, h, centre, sine, cosine, aspect);
    });
    if (!turned)
        messages.push_back(Problem("Not enough memory. Sorry, cannot rotate the image!", "Error"));
    return messages;
}
