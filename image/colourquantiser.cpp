#include "image/colourquantiser.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::size_t MaxColours = 256;
// Unmixed colours that get an entry of their own, most frequent first.
constexpr std::size_t MaxFlatColours = 64;

// The exact-colour table: twice as many slots as it may hold keeps probes
// short. Shown colours never have the top byte set, so this key is free.
constexpr std::uint32_t EmptyKey = 0xFFFFFFFFu;
constexpr int ExactSlotBits = 10;

std::size_t SlotOf(std::uint32_t rgb) {
    return (rgb * 2654435761u) >> (32 - ExactSlotBits);
}

// The histogram bin of a colour: the top five bits of each channel.
int BinOf(std::uint32_t rgb) {
    return static_cast<int>(((rgb >> 9) & 0x7C00) | ((rgb >> 6) & 0x3E0) | ((rgb >> 3) & 0x1F));
}

const std::uint32_t* PixelRow(const TPixelRows& picture, int y) {
    return reinterpret_cast<const std::uint32_t*>(picture.Row(y));
}

struct TBin {
    std::uint32_t Count = 0;
    std::uint32_t First = 0; // the first colour seen in the bin
    bool Mixed = false;      // more than one colour fell into it
    std::uint64_t Sum[3] = {0, 0, 0};

    double Mean(int channel) const { return static_cast<double>(Sum[channel]) / Count; }
};

std::uint32_t Channel(std::uint32_t rgb, int channel) {
    return (rgb >> (16 - 8 * channel)) & 0xFF;
}

std::uint32_t Rounded(double r, double g, double b) {
    const auto c = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0));
    };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}

// A box of histogram bins, a run of the work list; its spread is the sum of
// squared distances of its pixels from its mean, counting each bin as its
// own mean.
struct TBox {
    std::size_t Begin = 0;
    std::size_t End = 0;
    double Spread = 0;
    int Axis = 0; // the channel of widest spread, along which it is cut
};

class TCutter {
public:
    TCutter(const std::vector<TBin>& bins, std::vector<int> work)
        : Bins(bins), Work(std::move(work)) {}

    // Cuts the work list into at most `count` boxes; the mean colour of each.
    std::vector<std::uint32_t> Cut(std::size_t count) {
        std::vector<TBox> boxes;
        if (Work.empty() || count == 0)
            return {};
        boxes.push_back(Measure(0, Work.size()));
        while (boxes.size() < count) {
            const auto widest =
                std::max_element(boxes.begin(), boxes.end(),
                                 [](const TBox& a, const TBox& b) { return a.Spread < b.Spread; });
            if (widest->Spread <= 0)
                break;
            const TBox box = *widest;
            const std::size_t middle = Split(box);
            *widest = Measure(box.Begin, middle);
            boxes.push_back(Measure(middle, box.End));
        }
        std::vector<std::uint32_t> colours;
        for (const TBox& box : boxes)
            colours.push_back(MeanColour(box));
        return colours;
    }

private:
    TBox Measure(std::size_t begin, std::size_t end) const {
        double n = 0, sum[3] = {0, 0, 0}, squares[3] = {0, 0, 0};
        for (std::size_t i = begin; i < end; ++i) {
            const TBin& bin = Bins[static_cast<std::size_t>(Work[i])];
            n += bin.Count;
            for (int c = 0; c < 3; ++c) {
                const double s = static_cast<double>(bin.Sum[c]);
                sum[c] += s;
                squares[c] += s * s / bin.Count;
            }
        }
        TBox box{begin, end, 0, 0};
        double widest = -1;
        for (int c = 0; c < 3; ++c) {
            const double spread = squares[c] - sum[c] * sum[c] / n;
            box.Spread += spread;
            if (spread > widest) {
                widest = spread;
                box.Axis = c;
            }
        }
        if (end - begin < 2)
            box.Spread = 0;
        return box;
    }

    // Orders the box's bins along its axis and cuts where half its pixels
    // lie on either side, never leaving a side empty.
    std::size_t Split(const TBox& box) {
        const auto first = Work.begin() + static_cast<std::ptrdiff_t>(box.Begin);
        const auto last = Work.begin() + static_cast<std::ptrdiff_t>(box.End);
        std::sort(first, last, [&](int a, int b) {
            return Bins[static_cast<std::size_t>(a)].Mean(box.Axis) <
                   Bins[static_cast<std::size_t>(b)].Mean(box.Axis);
        });
        std::uint64_t total = 0;
        for (auto it = first; it != last; ++it)
            total += Bins[static_cast<std::size_t>(*it)].Count;
        std::uint64_t below = 0;
        std::size_t middle = box.Begin;
        while (middle < box.End - 1) {
            below += Bins[static_cast<std::size_t>(Work[middle])].Count;
            ++middle;
            if (2 * below >= total)
                break;
        }
        return middle;
    }

    std::uint32_t MeanColour(const TBox& box) const {
        double n = 0, sum[3] = {0, 0, 0};
        for (std::size_t i = box.Begin; i < box.End; ++i) {
            const TBin& bin = Bins[static_cast<std::size_t>(Work[i])];
            n += bin.Count;
            for (int c = 0; c < 3; ++c)
                sum[c] += static_cast<double>(bin.Sum[c]);
        }
        return Rounded(sum[0] / n, sum[1] / n, sum[2] / n);
    }

    const std::vector<TBin>& Bins;
    std::vector<int> Work;
};

int Nearest(const std::vector<std::uint32_t>& palette, double r, double g, double b) {
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const double dr = Channel(palette[i], 0) - r;
        const double dg = Channel(palette[i], 1) - g;
        const double db = Channel(palette[i], 2) - b;
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

std::uint32_t TColourQuantiser::OverWhite(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    if (alpha == 0xFF)
        return argb & 0xFFFFFF;
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) {
        const std::uint32_t v = Channel(argb, c);
        rgb |= ((v * alpha + 255 * (255 - alpha) + 127) / 255) << (16 - 8 * c);
    }
    return rgb;
}

bool TColourQuantiser::CollectExact(const TPixelRows& picture, const TImportProgress& progress) {
    ExactKeys.assign(std::size_t{1} << ExactSlotBits, EmptyKey);
    ExactIndexes.assign(ExactKeys.size(), 0);
    for (int y = 0; y < picture.Height; ++y) {
        if (!ReportRows(progress, y, picture.Height))
            return false;
        const std::uint32_t* row = PixelRow(picture, y);
        // Any value but the first pixel's, so that the first is looked up.
        std::uint32_t last = picture.Width > 0 ? ~row[0] : 0;
        for (int x = 0; x < picture.Width; ++x) {
            if (row[x] == last)
                continue;
            last = row[x];
            const std::uint32_t rgb = OverWhite(last);
            std::size_t slot = SlotOf(rgb);
            while (ExactKeys[slot] != EmptyKey && ExactKeys[slot] != rgb)
                slot = (slot + 1) & (ExactKeys.size() - 1);
            if (ExactKeys[slot] == rgb)
                continue;
            if (Palette.size() == MaxColours)
                return false;
            ExactKeys[slot] = rgb;
            ExactIndexes[slot] = static_cast<std::uint8_t>(Palette.size());
            Palette.push_back(rgb);
        }
    }
    return true;
}

std::optional<int> TColourQuantiser::ExactIndex(std::uint32_t rgb) const {
    for (std::size_t slot = SlotOf(rgb); ExactKeys[slot] != EmptyKey;
         slot = (slot + 1) & (ExactKeys.size() - 1))
        if (ExactKeys[slot] == rgb)
            return ExactIndexes[slot];
    return std::nullopt;
}

std::optional<TColourQuantiser> TColourQuantiser::Build(const TPixelRows& picture,
                                                        const TImportProgress& progress) {
    TColourQuantiser q;
    if (q.CollectExact(picture, ProgressPart(progress, 0, 500))) {
        q.Exact = true;
        return q;
    }
    if (progress && !progress(500))
        return std::nullopt;
    q.Palette.clear();
    q.ExactKeys.clear();
    q.ExactIndexes.clear();

    std::vector<TBin> bins(Bins);
    std::uint64_t blacks = 0, whites = 0;
    const TImportProgress second = ProgressPart(progress, 500, 500);
    for (int y = 0; y < picture.Height; ++y) {
        if (!ReportRows(second, y, picture.Height))
            return std::nullopt;
        const std::uint32_t* row = PixelRow(picture, y);
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t rgb = OverWhite(row[x]);
            if (rgb == Black) {
                ++blacks;
                continue;
            }
            if (rgb == White) {
                ++whites;
                continue;
            }
            TBin& bin = bins[static_cast<std::size_t>(BinOf(rgb))];
            if (bin.Count == 0)
                bin.First = rgb;
            else if (bin.First != rgb)
                bin.Mixed = true;
            ++bin.Count;
            for (int c = 0; c < 3; ++c)
                bin.Sum[c] += Channel(rgb, c);
        }
    }

    q.BinEntry.assign(Bins, NoEntry);
    if (blacks != 0) {
        q.BlackEntry = static_cast<int>(q.Palette.size());
        q.Palette.push_back(Black);
    }
    if (whites != 0) {
        q.WhiteEntry = static_cast<int>(q.Palette.size());
        q.Palette.push_back(White);
    }

    // Flat colours: a bin that only ever saw one colour, seen often enough
    // not to be a stray pixel of a photograph.
    const std::uint64_t pixels = static_cast<std::uint64_t>(picture.Width) * picture.Height;
    const std::uint64_t often = std::max<std::uint64_t>(16, pixels / 65536);
    std::vector<int> flat, rest;
    for (int i = 0; i < Bins; ++i) {
        const TBin& bin = bins[static_cast<std::size_t>(i)];
        if (bin.Count == 0)
            continue;
        (!bin.Mixed && bin.Count >= often ? flat : rest).push_back(i);
    }
    std::stable_sort(flat.begin(), flat.end(), [&](int a, int b) {
        return bins[static_cast<std::size_t>(a)].Count > bins[static_cast<std::size_t>(b)].Count;
    });
    if (flat.size() > MaxFlatColours) {
        rest.insert(rest.end(), flat.begin() + MaxFlatColours, flat.end());
        flat.resize(MaxFlatColours);
    }
    for (int i : flat) {
        q.BinEntry[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(q.Palette.size());
        q.Palette.push_back(bins[static_cast<std::size_t>(i)].First);
    }

    const std::vector<std::uint32_t> boxes = TCutter(bins, rest).Cut(MaxColours - q.Palette.size());
    q.Palette.insert(q.Palette.end(), boxes.begin(), boxes.end());
    for (int i : rest) {
        const TBin& bin = bins[static_cast<std::size_t>(i)];
        q.BinEntry[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(Nearest(q.Palette, bin.Mean(0), bin.Mean(1), bin.Mean(2)));
    }
    return q;
}

void TColourQuantiser::MapRow(const TPixelRows& picture, int y, std::uint8_t* out) const {
    const std::uint32_t* row = PixelRow(picture, y);
    std::uint32_t last = picture.Width > 0 ? ~row[0] : 0;
    std::uint8_t lastIndex = 0;
    for (int x = 0; x < picture.Width; ++x) {
        if (row[x] != last) {
            last = row[x];
            const std::uint32_t rgb = OverWhite(last);
            int index = 0;
            if (Exact)
                index = ExactIndex(rgb).value_or(0);
            else if (rgb == Black)
                index = BlackEntry;
            else if (rgb == White)
                index = WhiteEntry;
            else
                index = BinEntry[static_cast<std::size_t>(BinOf(rgb))];
            lastIndex = static_cast<std::uint8_t>(index);
        }
        out[x] = lastIndex;
    }
}
