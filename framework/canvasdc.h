#pragma once

#include "framework/canvasbits.h"
#include "framework/ellipseshape.h"
#include "framework/ellipsestamp.h"
#include "framework/gdi/dc.h"
#include "framework/pixelop.h"
#include "framework/shapemapping.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QFont;
class QImage;
class QPainter;
class QString;

// A device context that draws into a window's canvas (a 32-bit image). It
// rasterises the way GDI does where the program can tell the difference:
// one-pixel lines with our own stepping (last pixel excluded, shared
// vertices hit once, GDI's dash patterns), rectangles covering left..right-1
// and top..bottom-1, ellipses from a cached pixel shape, the image blit by
// our own nearest-neighbour sampling. Every mix mode is applied per pixel,
// so XOR drawing is exact. Only wide pens, filled polygons and text go
// through QPainter, with antialiasing off; text is in the application's
// font. A line or ellipse drawn with the copy mix mode again while nothing
// drawn since has touched its pixels (the symbols of points that land on
// one pixel) is skipped: it could not change one. Curves hand their shapes
// over in runs, drawn without a call per shape.
class TCanvasDC : public TDC {
public:
    explicit TCanvasDC(QImage& canvas);
    ~TCanvasDC() override;

    void Ellipse(int left, int top, int right, int bottom) override;
    void Polyline(const TPoint* points, int count) override;
    void Polygon(const TPoint* points, int count) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void StretchBlt(int destX, int destY, int destWidth, int destHeight, const TDibBits& source,
                    const TRect& sourceRect, std::uint32_t rop) override;
    // In the copy mix mode with a one-pixel pen, straight into the canvas;
    // otherwise as any context draws them.
    void DrawCurveShapes(std::span<const TCurveShape> shapes, const TPen* pen) override;
    TSize GetTextExtent(std::string_view text) const override;

protected:
    void DrawLine(TPoint from, TPoint to) override;
    void DrawText(TPoint deviceTopLeft, std::string_view text) override;
    // Told of every device box drawn into, edges inclusive (client DCs show
    // it); never of a primitive that changed nothing.
    virtual void Changed(const TRect& box);

private:
    // Follows the canvas when the window was resized since the last call.
    void Refresh();
    int DevicePenWidth() const;
    TRect DeviceBox(int left, int top, int right, int bottom) const;
    void DevicePolyline(const TPoint* device, int count, bool closed);
    void StrokeLine(TPoint from, TPoint to, class TPenPattern& pattern);
    void FillSpan(int y, int left, int right, const TPixelOp& op);
    void FillSpans(const TRect& box, const std::vector<TEllipseShape::TSpan>& spans,
                   const TPixelOp& op);
    void FillPolygonInterior(const TPoint* device, int count);
    QPainter& Painter();
    TSize TextExtent(const QFont& font, const QString& text) const;

    // Lines and ellipses drawn with the copy mix mode whose pixels nothing
    // drawn since has touched (ends in Left/Top and Right/Bottom for a
    // line, the device box for an ellipse), with their pen and brush, one
    // for each pen and brush: the curves of a file with several columns
    // take turns. Drawing one of them again could not change a pixel.
    enum class TShapeKind { Other, Line, Ellipse };
    struct TKeptShape {
        TShapeKind Kind = TShapeKind::Other;
        TRect Device;
        TRect Covered; // every pixel it may have changed, edges inclusive
        TPen Pen;
        TBrush Brush;
        int PenWidth = 1;
    };
    bool RepeatsKeptShape(TShapeKind kind, const TRect& device);
    // Counts a drawing into the canvas: forgets the kept shapes it may have
    // drawn over, keeps it when it is a line or an ellipse, and tells
    // Changed.
    void Drew(TShapeKind kind, const TRect& device, const TRect& covered) {
        Drew(kind, device, covered, covered);
    }
    // The same for drawings that changed pixels all over Changed and ended
    // with the shape given.
    void Drew(TShapeKind kind, const TRect& device, const TRect& covered, const TRect& changed);
    void DrawCurveRun(std::span<const TCurveShape> shapes);

    QImage& Canvas;
    TCanvasBits Bits;
    std::unique_ptr<QPainter> QtPainter;
    // Symbols come in a few sizes (rounding makes a box one pixel larger or
    // smaller) and pen styles; their shapes are kept for the DC's life.
    const TEllipseShape& EllipseShape(int width, int height, TPenStyle style);
    std::vector<std::unique_ptr<TEllipseShape>> EllipseShapes;
    // The same for the symbols of curves drawn in runs, in their colours.
    const TEllipseStamp& EllipseStamp(int width, int height, TPenStyle style, std::uint32_t pen,
                                      std::optional<std::uint32_t> brush);
    std::vector<std::unique_ptr<TEllipseStamp>> EllipseStamps;
    // The corners of curve shapes as mapped last.
    TShapeMapping Mapped;
    static constexpr std::size_t MaxKeptShapes = 8;
    std::array<TKeptShape, MaxKeptShapes> KeptShapes;
    std::size_t KeptCount = 0;
    // The drawing count after this context's last drawing: when it moved
    // on, another context drew, and no kept shape can be trusted.
    std::uint64_t OwnSerial = 0;
};
