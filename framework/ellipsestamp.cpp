#include "framework/ellipsestamp.h"

#include <algorithm>
#include <cstddef>

TEllipseStamp::TEllipseStamp(int width, int height, TPenStyle style, std::uint32_t pen,
                             std::optional<std::uint32_t> brush)
    : Width(width), Height(height), Style(style), Pen(pen), Brush(brush) {
    const TEllipseShape shape(width, height, style);
    // Every pixel drawn is opaque, so 0 marks one left alone. The outline
    // and the interior never share a pixel.
    std::vector<std::uint32_t> box(static_cast<std::size_t>(width) * height, 0);
    const auto paint = [&](const std::vector<TEllipseShape::TSpan>& spans, std::uint32_t pixel) {
        for (const TEllipseShape::TSpan& s : spans)
            std::fill(box.begin() + s.Y * width + s.Left, box.begin() + s.Y * width + s.Right + 1,
                      pixel);
    };
    if (brush)
        paint(shape.Interior(), *brush);
    paint(shape.OutlineSpans(), pen);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* const row = box.data() + static_cast<std::ptrdiff_t>(y) * width;
        for (int x = 0; x < width;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && row[x] != 0)
                ++x;
            Runs.push_back({y, start, x - 1});
            Pixels.insert(Pixels.end(), row + start, row + x);
        }
    }
}

void TEllipseStamp::CopyTo(const TCanvasBits& bits, int left, int top) const {
    const std::uint32_t* from = Pixels.data();
    for (const TEllipseShape::TSpan& run : Runs) {
        const int count = run.Right - run.Left + 1;
        std::copy_n(from, count, bits.Row(top + run.Y) + left + run.Left);
        from += count;
    }
}
