#include "framework/gdi/recordingdc.h"

#include <utility>

std::vector<TRecordingDC::TCall> TRecordingDC::CallsOf(TOp op) const {
    std::vector<TCall> out;
    for (const TCall& call : Recorded)
        if (call.Op == op)
            out.push_back(call);
    return out;
}

void TRecordingDC::Record(TOp op, std::vector<TPoint> points) {
    Recorded.push_back({op, std::move(points), GetPen(), GetBrush(), GetROP2()});
}

void TRecordingDC::Ellipse(int left, int top, int right, int bottom) {
    Record(TOp::Ellipse, {{left, top}, {right, bottom}});
}

void TRecordingDC::Polyline(const TPoint* points, int count) {
    Record(TOp::Polyline, std::vector<TPoint>(points, points + count));
}

void TRecordingDC::Polygon(const TPoint* points, int count) {
    Record(TOp::Polygon, std::vector<TPoint>(points, points + count));
}

void TRecordingDC::Rectangle(int left, int top, int right, int bottom) {
    Record(TOp::Rectangle, {{left, top}, {right, bottom}});
}

void TRecordingDC::StretchBlt(int destX, int destY, int destWidth, int destHeight,
                              const TDibBits&, const TRect& sourceRect, std::uint32_t rop) {
    Record(TOp::StretchBlt, {{destX, destY}, {destWidth, destHeight}});
    Recorded.back().RasterOp = rop;
    Recorded.back().SourceRect = sourceRect;
}

void TRecordingDC::DrawLine(TPoint from, TPoint to) {
    Record(TOp::Line, {from, to});
}

TSize TRecordingDC::GetTextExtent(std::string_view text) const {
    return {static_cast<int>(text.size()) * CharWidth, CharHeight};
}

void TRecordingDC::DrawText(TPoint deviceTopLeft, std::string_view text) {
    Record(TOp::Text, {deviceTopLeft});
    Recorded.back().Text = text;
    Recorded.back().TextColor = GetTextColor();
    Recorded.back().TextOutline = GetTextOutline();
}
