#pragma once

#include "framework/gdi/dc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A device context that draws nothing and records every primitive with its
// exact integer arguments and the pen, brush and mix mode in force, so tests
// can check what was drawn and what was not. Its font is a fixed one, each
// character CharWidth by CharHeight device pixels, so that text placement
// can be checked without a real font.
class TRecordingDC : public TDC {
public:
    enum class TOp { Ellipse, Polyline, Polygon, Rectangle, Line, StretchBlt, Text };
    static constexpr int CharWidth = 6, CharHeight = 10;

    struct TCall {
        TOp Op;
        // Corners for Ellipse/Rectangle, the device top left for Text,
        // vertices otherwise.
        std::vector<TPoint> Points;
        TPen Pen;
        TBrush Brush;
        int Rop2;
        std::uint32_t RasterOp = 0; // StretchBlt only
        TRect SourceRect{};         // StretchBlt only
        std::string Text{};         // Text only
        TColor TextColor{};         // Text only
        std::optional<TColor> TextOutline{}; // Text only
    };

    const std::vector<TCall>& Calls() const { return Recorded; }
    std::vector<TCall> CallsOf(TOp op) const;
    void Clear() { Recorded.clear(); }

    void Ellipse(int left, int top, int right, int bottom) override;
    void Polyline(const TPoint* points, int count) override;
    void Polygon(const TPoint* points, int count) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void StretchBlt(int destX, int destY, int destWidth, int destHeight, const TDibBits& source,
                    const TRect& sourceRect, std::uint32_t rop) override;
    TSize GetTextExtent(std::string_view text) const override;

protected:
    void DrawLine(TPoint from, TPoint to) override;
    void DrawText(TPoint deviceTopLeft, std::string_view text) override;

private:
    void Record(TOp op, std::vector<TPoint> points);
    std::vector<TCall> Recorded;
};

// A device context that ignores everything it is asked to draw; for
// measuring the cost of the callers alone.
class TNullDC : public TDC {
public:
    void Ellipse(int, int, int, int) override {}
    void Polyline(const TPoint*, int) override {}
    void Polygon(const TPoint*, int) override {}
    void Rectangle(int, int, int, int) override {}
    void StretchBlt(int, int, int, int, const TDibBits&, const TRect&, std::uint32_t) override {}
    TSize GetTextExtent(std::string_view) const override { return {}; }

protected:
    void DrawLine(TPoint, TPoint) override {}
    void DrawText(TPoint, std::string_view) override {}
};
