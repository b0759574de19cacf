// Precise digitizing on a 10000 x 10000 picture: one wheel notch of zoom,
// from the event to the repainted window, and the loupe following one
// pointer move, each against the bare blit of the same pixels.
#include "offscreenmain.h"

#include "drawwindowprobe.h"

#include "framework/canvasdc.h"
#include "framework/dibblit.h"
#include "framework/gdi/gdiobjects.h"
#include "image/dib.h"
#include "resources/tables/ids.h"
#include "window/drawwindow.h"
#include "window/loupewindow.h"

#include <QImage>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int PictureSize = 10000;
constexpr int CanvasWidth = 1600;
constexpr int CanvasHeight = 1000;

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// An 8-bit grey picture of noise, written once for the whole run.
const std::string& PicturePath() {
    static const std::string path = [] {
        const std::uint32_t offset = 14 + 40 + 256 * 4;
        const std::size_t bytes = static_cast<std::size_t>(PictureSize) * PictureSize;
        std::vector<std::uint8_t> head;
        Put(head, 0x4D42, 2);
        Put(head, offset + static_cast<std::uint32_t>(bytes), 4);
        Put(head, 0, 4);
        Put(head, offset, 4);
        for (std::uint32_t v : {40u, std::uint32_t(PictureSize), std::uint32_t(PictureSize)})
            Put(head, v, 4);
        Put(head, 1, 2);
        Put(head, 8, 2);
        for (std::uint32_t v : {0u, 0u, 2835u, 2835u, 0u, 0u})
            Put(head, v, 4);
        for (std::uint32_t e = 0; e < 256; ++e)
            Put(head, e * 0x010101u, 4);
        std::vector<std::uint8_t> pixels(bytes);
        for (std::size_t i = 0; i < bytes; ++i)
            pixels[i] = static_cast<std::uint8_t>((i * 2654435761u) >> 24);
        const std::string name =
            (std::filesystem::temp_directory_path() / "kestrova-bench-zoom.bmp").string();
        std::FILE* file = std::fopen(name.c_str(), "wb");
        std::fwrite(head.data(), 1, head.size(), file);
        std::fwrite(pixels.data(), 1, pixels.size(), file);
        std::fclose(file);
        return name;
    }();
    return path;
}

// The drawing window showing the picture, as Open Image leaves it.
struct TPictureWindow {
    TPictureWindow() {
        Window.GetHandle()->resize(CanvasWidth, CanvasHeight);
        TDrawWindowProbe(Window).SetImage(TDib::ReadFile(PicturePath()));
        Window.EvCommand(CM_IMAGE);
    }
    TDrawWindow Window;
};

TCanvasBits BitsOf(QImage& canvas) {
    return {reinterpret_cast<std::uint32_t*>(canvas.bits()),
            static_cast<int>(canvas.bytesPerLine() / 4), canvas.width(), canvas.height()};
}

void Paint(TWindow& window, QImage& canvas) {
    canvas.fill(QColor(192, 192, 192));
    TCanvasDC dc(canvas);
    window.Paint(dc, true, window.GetClientRect());
}

// One notch in, one notch out, each as the wheel sends it over the window
// and followed by the window's repaint; per notch.
void BM_WheelZoomStep(benchmark::State& state) {
    TPictureWindow picture;
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    const TPoint at{CanvasWidth / 3, CanvasHeight / 3};
    picture.Window.EvMouseWheel(at, 120);
    for (auto _ : state) {
        for (int delta : {120, -120}) {
            picture.Window.EvMouseWheel(at, delta);
            Paint(picture.Window, canvas);
        }
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_WheelZoomStep)->Unit(benchmark::kMillisecond);

// The floor: the canvas cleared and the same shown part of the picture
// stretched over the image square's pixels, per notch.
void BM_WheelZoomFloorBlit(benchmark::State& state) {
    TPictureWindow picture;
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    picture.Window.EvMouseWheel({CanvasWidth / 3, CanvasHeight / 3}, 120);
    const TRect shown = TDrawWindowProbe(picture.Window).ImageSrcRect();
    const TDibBits bits = TDrawWindowProbe(picture.Window).Dib()->GetBlitSource();
    const TRect device{CanvasWidth * 533 / 10000, CanvasHeight * 533 / 10000,
                       CanvasWidth * 9467 / 10000, CanvasHeight * 9467 / 10000};
    for (auto _ : state) {
        for (int i = 0; i < 2; ++i) {
            canvas.fill(QColor(192, 192, 192));
            StretchDibToCanvas(BitsOf(canvas), device, bits, shown, SRCINVERT);
        }
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_WheelZoomFloorBlit)->Unit(benchmark::kMillisecond);

// A pointer move over the drawing window with the loupe shown: the window
// hears of the move and the loupe paints itself anew about the pointer.
void BM_LoupeFollowsPointer(benchmark::State& state) {
    TPictureWindow picture;
    picture.Window.EvCommand(CM_LOUPE);
    TLoupeWindow& loupe = *TDrawWindowProbe(picture.Window).Loupe();
    QImage canvas(TLoupeWindow::LoupeSize.Cx, TLoupeWindow::LoupeSize.Cy, QImage::Format_RGB32);
    int x = 200;
    for (auto _ : state) {
        x = x < CanvasWidth - 200 ? x + 1 : 200;
        picture.Window.EvMouseMove({x, CanvasHeight / 2});
        Paint(loupe, canvas);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_LoupeFollowsPointer)->Unit(benchmark::kMicrosecond);

// The floor: the loupe's square of picture pixels stretched onto its canvas.
void BM_LoupeFloorBlit(benchmark::State& state) {
    TPictureWindow picture;
    QImage canvas(TLoupeWindow::LoupeSize.Cx, TLoupeWindow::LoupeSize.Cy, QImage::Format_RGB32);
    const TDibBits bits = TDrawWindowProbe(picture.Window).Dib()->GetBlitSource();
    // Eight times a screen pixel of 10000 / 1600 * 8934 / 10000 picture pixels.
    const int span = TLoupeWindow::LoupeSize.Cx * PictureSize / (CanvasWidth * 8);
    int x = 200;
    for (auto _ : state) {
        x = x < PictureSize - span - 200 ? x + 7 : 200;
        canvas.fill(QColor(192, 192, 192));
        StretchDibToCanvas(BitsOf(canvas), {0, 0, canvas.width(), canvas.height()}, bits,
                           {x, 4000, x + span, 4000 + span}, SRCINVERT);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_LoupeFloorBlit)->Unit(benchmark::kMicrosecond);

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
