#pragma once

#include "framework/canvasbits.h"
#include "framework/gdi/dc.h"

#include <memory>
#include <vector>

class QImage;
class QPainter;
class QRect;
class TEllipseShape;

// A device context that draws into a window's canvas (a 32-bit image). It
// rasterises the way GDI does where the program can tell the difference:
// one-pixel lines with our own stepping (last pixel excluded, shared
// vertices hit once, GDI's dash patterns), rectangles covering left..right-1
// and top..bottom-1, ellipses from a cached pixel shape, the image blit by
// our own nearest-neighbour sampling. Every mix mode is applied per pixel,
// so XOR drawing is exact. Only wide pens, filled polygons and text go
// through QPainter, with antialiasing off; text is in the application's
// font.
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
    TSize GetTextExtent(std::string_view text) const override;

protected:
    void DrawLine(TPoint from, TPoint to) override;
    void DrawText(TPoint deviceTopLeft, std::string_view text) override;
    // Told of every device rectangle drawn into (client DCs show it).
    virtual void Changed(const QRect& area);

private:
    // Follows the canvas when the window was resized since the last call.
    void Refresh();
    int DevicePenWidth() const;
    TRect DeviceBox(int left, int top, int right, int bottom) const;
    void DevicePolyline(const TPoint* device, int count, bool closed);
    void StrokeLine(TPoint from, TPoint to, class TPenPattern& pattern);
    void FillSpan(int y, int left, int right, const struct TPixelOp& op);
    void FillPolygonInterior(const TPoint* device, int count);
    QPainter& Painter();
    void ChangedBox(const TRect& box);

    QImage& Canvas;
    TCanvasBits Bits;
    std::unique_ptr<QPainter> QtPainter;
    // Symbols come in a few sizes (rounding makes a box one pixel larger or
    // smaller) and pen styles; their shapes are kept for the DC's life.
    const TEllipseShape& EllipseShape(int width, int height, TPenStyle style);
    std::vector<std::unique_ptr<TEllipseShape>> EllipseShapes;
};
