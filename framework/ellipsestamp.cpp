#include "framework/ellipsestamp.h"

#include <algorithm>

TEllipseStamp::TEllipseStamp(int width, int height, std::uint32_t pen, std::uint32_t brush)
    : Width(width), Height(height), Pen(pen), Brush(brush) {
    const TEllipseShape shape(width, height, PS_SOLID);
    Rows = shape.Filled();
    for (const TEllipseShape::TSpan& row : Rows)
        Pixels.insert(Pixels.end(), static_cast<std::size_t>(row.Right - row.Left + 1), pen);
    // Each row has at most one interior run, and the rows are in order.
    std::size_t start = 0;
    auto interior = shape.Interior().begin();
    for (const TEllipseShape::TSpan& row : Rows) {
        if (interior != shape.Interior().end() && interior->Y == row.Y) {
            std::fill(Pixels.begin() + static_cast<std::ptrdiff_t>(start + interior->Left - row.Left),
                      Pixels.begin() + static_cast<std::ptrdiff_t>(start + interior->Right - row.Left + 1),
                      brush);
            ++interior;
        }
        start += static_cast<std::size_t>(row.Right - row.Left + 1);
    }
}

void TEllipseStamp::CopyTo(const TCanvasBits& bits, int left, int top) const {
    const std::uint32_t* from = Pixels.data();
    for (const TEllipseShape::TSpan& row : Rows) {
        const int count = row.Right - row.Left + 1;
        std::copy_n(from, count, bits.Row(top + row.Y) + left + row.Left);
        from += count;
    }
}
