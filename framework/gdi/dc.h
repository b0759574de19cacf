#pragma once

#include "framework/gdi/gdiobjects.h"
#include "framework/gdi/types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A packed device-independent bitmap as a blit source: bottom-up rows of
// 1, 4 or 8 bits per pixel, each padded to a multiple of 4 bytes, and a
// colour table of RGBQUAD entries (blue, green, red, reserved).
struct TDibBits {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    const std::uint8_t* ColorTable = nullptr;
    int ColorTableEntries = 0;
    const std::uint8_t* Bits = nullptr;
};

// Which point of a text's box TextOut puts at the point it is given; each
// counts from the box's start (left, top) to its end.
enum class THorizontalAnchor { Left, Center, Right };
enum class TVerticalAnchor { Top, Middle, Bottom };
struct TTextAnchor {
    THorizontalAnchor Horizontal = THorizontalAnchor::Left;
    TVerticalAnchor Vertical = TVerticalAnchor::Top;
};

// One primitive of a curve, in logical units: a segment from A to B (a
// two-point Polyline) or a symbol, the ellipse in the box with corners A
// and B.
struct TCurveShape {
    enum class TKind : std::uint8_t { Segment, Symbol };
    TKind Kind = TKind::Segment;
    TPoint A;
    TPoint B;
    friend bool operator==(const TCurveShape&, const TCurveShape&) = default;
};

// One axis of GDI's mapping: device = (logical - window origin) * viewport
// extent / window extent + viewport origin, rounded to nearest with halves
// away from zero, or only moved by the origins without scaling (MM_TEXT).
class TAxisMapping {
public:
    TAxisMapping(bool scaled, int windowOrg, int windowExt, int viewportExt, int viewportOrg)
        : Scaled(scaled), WindowOrg(windowOrg), WindowExt(windowExt), ViewportExt(viewportExt),
          ViewportOrg(viewportOrg), WindowExtSize(WindowExt < 0 ? -double(WindowExt) : WindowExt) {}

    int operator()(int logical) const {
        std::int64_t v = static_cast<std::int64_t>(logical) - WindowOrg;
        if (Scaled)
            v = Scale(v);
        return Clamp(v + ViewportOrg);
    }
    friend bool operator==(const TAxisMapping&, const TAxisMapping&) = default;

private:
    // v * viewport extent / window extent, rounded: floor((|a| + |c| / 2) /
    // |c|) with the sign of the quotient. Below 2^53 a double division
    // gives that floor exactly (the true quotient is at least 1 / |c| from
    // the next integer, more than half its rounding step), and costs a
    // fraction of a 64-bit integer division; curves map millions of values.
    std::int64_t Scale(std::int64_t v) const {
        if (WindowExt == 0)
            return 0;
        const std::int64_t num = v * ViewportExt;
        const bool negative = (num < 0) != (WindowExt < 0);
        const std::int64_t c = WindowExt < 0 ? -std::int64_t{WindowExt} : WindowExt;
        const std::int64_t n = (num < 0 ? -num : num) + c / 2;
        constexpr std::int64_t Exact = std::int64_t{1} << 53;
        const std::int64_t q = n < Exact ? static_cast<std::int64_t>(static_cast<double>(n) / WindowExtSize)
                                         : n / c;
        return negative ? -q : q;
    }
    static int Clamp(std::int64_t v) {
        constexpr std::int64_t lo = -2147483647 - 1, hi = 2147483647;
        return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
    }

    bool Scaled;
    int WindowOrg, WindowExt, ViewportExt, ViewportOrg;
    double WindowExtSize;
};

// The abstract device context everything draws through. It keeps GDI's
// state (mapping mode, window and viewport extents and origins, the selected
// pen and brush, the mix mode, the background mode, the current position)
// and the text colour, and leaves the primitives and the font to the
// concrete context. Coordinates given to
// the primitives are logical; LogicalToDevice maps them as GDI does.
// Defaults are GDI's: MM_TEXT, a black one-pixel solid pen, a white solid
// brush, R2_COPYPEN, OPAQUE.
class TDC {
public:
    TDC() = default;
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;
    virtual ~TDC();

    int SetMapMode(int mode);
    int GetMapMode() const { return MapMode; }
    TSize SetWindowExt(TSize extent);
    TSize SetViewportExt(TSize extent);
    TPoint SetWindowOrg(TPoint origin);
    TPoint SetViewportOrg(TPoint origin);

    // Select returns the object that was selected before. Inline: curves
    // select their pen around every segment and symbol.
    TPen SelectObject(const TPen& pen) {
        const TPen previous = CurrentPen;
        CurrentPen = pen;
        return previous;
    }
    TBrush SelectObject(const TBrush& brush) {
        const TBrush previous = CurrentBrush;
        CurrentBrush = brush;
        return previous;
    }
    const TPen& GetPen() const { return CurrentPen; }
    const TBrush& GetBrush() const { return CurrentBrush; }

    int SetROP2(int mode);
    int GetROP2() const { return Rop2; }
    int SetBkMode(int mode);
    int GetBkMode() const { return BkMode; }
    TColor SetTextColor(TColor color);
    TColor GetTextColor() const { return TextColor; }
    // A one-pixel outline of this colour around every stroke of text, so
    // that it reads on any ground; none at first.
    std::optional<TColor> SetTextOutline(std::optional<TColor> color);
    const std::optional<TColor>& GetTextOutline() const { return TextOutline; }

    // GDI's mapping: device = (logical - window origin) * viewport extent /
    // window extent + viewport origin, rounded to nearest (halves away from
    // zero). Logical values must already be integers.
    TPoint LogicalToDevice(TPoint logical) const;
    // Each axis of that mapping alone, for mapping many values at once.
    TAxisMapping XMapping() const;
    TAxisMapping YMapping() const;
    // Logical length of one device pixel along x, for pen widths.
    int LogicalToDeviceWidth(int logicalWidth) const;

    void MoveTo(int x, int y);
    TPoint GetCurrentPosition() const { return Position; }
    // Draws from the current position to (x, y), excluding the end pixel,
    // and makes (x, y) the current position.
    void LineTo(int x, int y);

    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polyline(const TPoint* points, int count) = 0;
    virtual void Polygon(const TPoint* points, int count) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // One line of text in the text colour (and its outline), drawn over what
    // lies beneath it whatever the background mode (no box is filled behind
    // it), placed so that the anchor of its box lies on the logical point
    // (x, y).
    void TextOut(int x, int y, std::string_view text, TTextAnchor anchor);
    // The size of the text's box in device pixels, in the context's font.
    virtual TSize GetTextExtent(std::string_view text) const = 0;
    // Stretches the source rectangle (pixels, y from the top of the picture)
    // of the bitmap onto the destination (logical, x, y, width, height; a
    // negative height turns it the right way up in a y-up mapping).
    virtual void StretchBlt(int destX, int destY, int destWidth, int destHeight,
                            const TDibBits& source, const TRect& sourceRect,
                            std::uint32_t rop) = 0;

    // Draws a curve's shapes in order, each with the pen given (the one
    // selected when null) and the selected brush. Here each is one Polyline
    // or Ellipse call with the pen selected around it; a context that only
    // makes pixels may draw the run its own way, leaving out what could not
    // change one.
    virtual void DrawCurveShapes(std::span<const TCurveShape> shapes, const TPen* pen);

protected:
    // One straight line of the LineTo kind; the base keeps the position.
    virtual void DrawLine(TPoint from, TPoint to) = 0;
    // The text with its box's top left corner at the device point.
    virtual void DrawText(TPoint deviceTopLeft, std::string_view text) = 0;

private:

    int MapMode = MM_TEXT;
    TSize WindowExt{1, 1};
    TSize ViewportExt{1, 1};
    TPoint WindowOrg{};
    TPoint ViewportOrg{};
    TPen CurrentPen{};
    TBrush CurrentBrush{};
    int Rop2 = R2_COPYPEN;
    int BkMode = OPAQUE;
    TColor TextColor{};
    std::optional<TColor> TextOutline;
    TPoint Position{};
    // The last values mapped on each axis (and the last pen widths) and
    // where they went, forgotten whenever the mapping changes. Curves map
    // the same values again and again: a segment starts where the one
    // before ended, a symbol's edges follow its centre, points less than a
    // logical unit apart give one value, and along a flat curve only one
    // axis moves.
    class TAxisMemo {
    public:
        bool Find(int logical, int& device) const {
            for (std::size_t i = 0; i < Count; ++i)
                if (Logical[i] == logical) {
                    device = Device[i];
                    return true;
                }
            return false;
        }
        void Add(int logical, int device) {
            Logical[Next] = logical;
            Device[Next] = device;
            Next = (Next + 1) % Size;
            Count = Count < Size ? Count + 1 : Size;
        }
        void Clear() { Count = 0; }

    private:
        static constexpr std::size_t Size = 4;
        std::array<int, Size> Logical{};
        std::array<int, Size> Device{};
        std::size_t Count = 0;
        std::size_t Next = 0;
    };
    void ForgetMapped();
    mutable TAxisMemo MappedX;
    mutable TAxisMemo MappedY;
    mutable TAxisMemo MappedWidths;
};
