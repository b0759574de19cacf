#include "framework/picturedecoder.h"
#include "image/colourquantiser.h"
#include "image/dib.h"
#include "image/pixelcopy.h"
#include "window/pictureimport.h"

#include "scannedplot.h"

#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int ScanSize = 10000;

// A scanned plot: white paper, a black grid every 237 pixels, five curves
// and scattered specks.
QImage ScannedPlot() {
    QImage image(ScanSize, ScanSize, QImage::Format_Grayscale8);
    image.fill(0xFF);
    DrawScannedPlot(ScanSize, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < ScanSize && y < ScanSize)
            image.scanLine(y)[x] = 0;
    });
    return image;
}

// The scan saved as a PNG of each kind a scanner or a converter writes:
// 1-bit, 8-bit grey and 24-bit colour. Written once a run.
const std::string& ScanPng(int bits) {
    static std::map<int, std::string> paths;
    auto& path = paths[bits];
    if (path.empty()) {
        static const QImage scan = ScannedPlot();
        const QImage image = bits == 1
                                 ? scan.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)
                             : bits == 8 ? scan
                                         : scan.convertToFormat(QImage::Format_RGB888);
        path = (std::filesystem::temp_directory_path() /
                ("kestrova-bench-scan" + std::to_string(bits) + "-" + std::to_string(::getpid()) +
                 ".png"))
                   .string();
        image.save(QString::fromStdString(path), "png", 50);
    }
    return path;
}

struct TRemoveScans {
    ~TRemoveScans() {
        for (int bits : {1, 8, 24})
            std::filesystem::remove(std::filesystem::temp_directory_path() /
                                    ("kestrova-bench-scan" + std::to_string(bits) + "-" +
                                     std::to_string(::getpid()) + ".png"));
    }
} RemoveScans;

// File|Import Picture's work as the window runs it, without the window.
std::unique_ptr<TDib> Import(const std::string& path, TPixelCopy& backup) {
    return ImportPictureFile(path, DefaultImportPixelLimit, backup).Dib;
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

// The memory `work` takes at its peak beyond what the process held before,
// measured in a child process so that each figure starts afresh.
double PeakMegabytes(const std::function<void()>& work) {
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        // Freed memory the allocator still holds would hide new requests.
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
        malloc_trim(0);
        const long before = StatusKb("VmRSS:");
        work();
        const long extra = StatusKb("VmHWM:") - before;
        const ssize_t written = write(channel[1], &extra, sizeof extra);
        _exit(written == sizeof extra ? 0 : 1);
    }
    long extra = -1;
    if (read(channel[0], &extra, sizeof extra) != sizeof extra)
        extra = -1;
    close(channel[0]);
    close(channel[1]);
    waitpid(child, nullptr, 0);
    return static_cast<double>(extra) / 1024.0;
}

void BM_ImportScanPng(benchmark::State& state) {
    const std::string& path = ScanPng(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TPixelCopy backup;
        const std::unique_ptr<TDib> dib = Import(path, backup);
        if (!dib)
            state.SkipWithError("picture not imported");
        benchmark::DoNotOptimize(dib.get());
    }
    // Peak against the decoded image plus the image kept (its pixel copy
    // is taken after the decoded image is gone).
    std::size_t decoded = 0, result = 0;
    {
        const QImage image = QImageReader(QString::fromStdString(path)).read();
        decoded = static_cast<std::size_t>(image.sizeInBytes());
        TPixelCopy backup;
        const std::unique_ptr<TDib> dib = Import(path, backup);
        result = dib ? dib->GetSizeImage() : 0;
    }
    state.counters["peak_MB"] = PeakMegabytes([&] {
        TPixelCopy backup;
        benchmark::DoNotOptimize(Import(path, backup).get());
    });
    state.counters["decoded_plus_result_MB"] = static_cast<double>(decoded + result) / (1 << 20);
}
BENCHMARK(BM_ImportScanPng)->Arg(1)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: Qt's own decode of the same file, nothing else.
void BM_QtReadScanPng(benchmark::State& state) {
    const std::string& path = ScanPng(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImageReader reader(QString::fromStdString(path));
        const QImage image = reader.read();
        if (image.isNull())
            state.SkipWithError("picture not read");
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["peak_MB"] = PeakMegabytes([&] {
        QImageReader reader(QString::fromStdString(path));
        benchmark::DoNotOptimize(reader.read().constBits());
    });
}
BENCHMARK(BM_QtReadScanPng)->Arg(1)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

// A photograph-like picture: smooth light over the frame, a sky, and fine
// noise, so that nearly every pixel differs from its neighbours.
std::vector<std::uint32_t> Photo(int size) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    std::mt19937 random(5);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = static_cast<double>(x) / size, v = static_cast<double>(y) / size;
            const auto channel = [&](double base) {
                const double value = base + static_cast<int>(random() % 17) - 8;
                return static_cast<std::uint32_t>(std::clamp(value, 0.0, 255.0));
            };
            const std::uint32_t r = channel(200 * u + 40 * std::sin(9 * v));
            const std::uint32_t g = channel(180 * v + 50 * std::cos(7 * u));
            const std::uint32_t b = channel(120 + 100 * std::sin(5 * (u + v)));
            pixels[static_cast<std::size_t>(y) * size + x] = 0xFF000000u | r << 16 | g << 8 | b;
        }
    return pixels;
}

void BM_QuantisePhoto(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const std::vector<std::uint32_t> photo = Photo(size);
    TPixelRows rows;
    rows.Width = rows.Height = size;
    rows.BitCount = 32;
    rows.Top = reinterpret_cast<const std::uint8_t*>(photo.data());
    rows.Stride = static_cast<std::ptrdiff_t>(size) * 4;
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(size) * size);
    for (auto _ : state) {
        const auto quantiser = TColourQuantiser::Build(rows);
        for (int y = 0; y < size; ++y)
            quantiser->MapRow(rows, y, indexes.data() + static_cast<std::size_t>(y) * size);
        benchmark::DoNotOptimize(indexes.data());
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_QuantisePhoto)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace
