#include "image/dib.h"
#include "image/globalblock.h"
#include "image/pixelrotation.h"

#include "scannedplot.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// An uncompressed bottom-up bitmap with a 40-byte header and a grey table.
std::string WriteBitmap(const std::string& name, int width, int height, int bits,
                        const std::vector<std::uint8_t>& pixels) {
    const std::uint32_t entries = 1u << bits;
    const std::uint32_t offset = 14 + 40 + entries * 4;
    std::vector<std::uint8_t> out;
    Put(out, 0x4D42, 2);
    Put(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        Put(out, v, 4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(bits), 2);
    for (std::uint32_t v : {0u, 0u, 2835u, 2835u, 0u, 0u})
        Put(out, v, 4);
    for (std::uint32_t e = 0; e < entries; ++e)
        Put(out, (e * 255 / (entries - 1)) * 0x010101u, 4);
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(out.data(), 1, out.size(), file);
    std::fwrite(pixels.data(), 1, pixels.size(), file);
    std::fclose(file);
    return path;
}

std::size_t RowBytes(int width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// A scanned plot: white paper (the largest index) with a grid every 237
// pixels, a few curves and scattered specks in black (index 0).
std::vector<std::uint8_t> ScannedPlot(int size, int bits) {
    const std::size_t rowBytes = RowBytes(size, bits);
    std::vector<std::uint8_t> pixels(rowBytes * size, 0xFF);
    DrawScannedPlot(size, [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return;
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const int shift = 8 - bits - static_cast<int>(bit % 8);
        pixels[y * rowBytes + bit / 8] &= static_cast<std::uint8_t>(~(((1 << bits) - 1) << shift));
    });
    return pixels;
}

std::vector<std::uint8_t> Noise(std::size_t bytes) {
    std::vector<std::uint8_t> pixels(bytes);
    std::mt19937 random(3);
    for (auto& p : pixels)
        p = static_cast<std::uint8_t>(random());
    return pixels;
}

// The slider's largest turn, applied as the paint applies it.
constexpr double LargestTurn = -541.0 / 8668.0;

// Resident memory from /proc/self/status: the line's value in bytes.
std::int64_t StatusBytes(const char* key) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long long kilobytes = -1;
    while (status && std::fgets(line, sizeof line, status))
        if (std::strncmp(line, key, std::strlen(key)) == 0)
            kilobytes = std::atoll(line + std::strlen(key));
    if (status)
        std::fclose(status);
    return kilobytes * 1024;
}

// Starts the peak of resident memory (VmHWM) afresh at what is resident now.
bool ResetPeakMemory() {
    std::FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (!refs)
        return false;
    const bool reset = std::fputs("5", refs) >= 0;
    return std::fclose(refs) == 0 && reset;
}

// Each turn runs on the picture as loaded. Its loaded bits stay beside it
// as the recall copy does in the window, so the peak of resident memory
// during the turn, less what was resident before it, is what the turn
// itself needs; the counter gives it in pictures.
void RotateLoaded(benchmark::State& state, const std::string& path) {
    const std::unique_ptr<TDib> dib = TDib::ReadFile(path);
    std::filesystem::remove(path);
    if (!dib) {
        state.SkipWithError("bitmap not read");
        return;
    }
    const std::vector<std::uint8_t> loaded(dib->GetBits(), dib->GetBits() + dib->GetSizeImage());
    std::int64_t peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(dib->GetBits(), loaded.data(), loaded.size());
        const std::int64_t before = StatusBytes("VmRSS:");
        if (!ResetPeakMemory())
            state.SkipWithError("the peak of resident memory cannot be reset");
        state.ResumeTiming();
        benchmark::DoNotOptimize(RotateImage(*dib, {0, 0}, LargestTurn, 1));
        benchmark::ClobberMemory();
        state.PauseTiming();
        peak = std::max(peak, StatusBytes("VmHWM:") - before);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * loaded.size()));
    state.counters["turn_peak_pictures"] =
        static_cast<double>(peak) / static_cast<double>(loaded.size());
}

void BM_Rotate8BitScannedPlot(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    RotateLoaded(state, WriteBitmap("kestrova-bench-plot8.bmp", size, size, 8, ScannedPlot(size, 8)));
}
BENCHMARK(BM_Rotate8BitScannedPlot)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Every pixel differs from the background: the most work a turn can do.
void BM_Rotate8BitNoise(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    RotateLoaded(state, WriteBitmap("kestrova-bench-noise8.bmp", size, size, 8,
                                    Noise(RowBytes(size, 8) * size)));
}
BENCHMARK(BM_Rotate8BitNoise)->Arg(4000)->Unit(benchmark::kMillisecond);

// What any turn of a 10000 x 10000 8-bit picture does at least: take a
// fresh picture-sized block from the allocator the turn uses, fill it with
// the background, and read every byte of the picture once.
void BM_TurnFloor8Bit(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0)) * static_cast<std::size_t>(state.range(0));
    const std::vector<std::uint8_t> picture(bytes, 0xFF);
    for (auto _ : state) {
        const TGlobalBlock target = AllocGlobalBlock(bytes);
        std::memset(target.get(), 0xFF, bytes);
        std::uint64_t ink = 0;
        for (std::size_t i = 0; i + 8 <= bytes; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, picture.data() + i, 8);
            ink |= ~word;
        }
        benchmark::DoNotOptimize(ink);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_TurnFloor8Bit)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Rotate1BitScannedPlot(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    RotateLoaded(state, WriteBitmap("kestrova-bench-plot1.bmp", size, size, 1, ScannedPlot(size, 1)));
}
BENCHMARK(BM_Rotate1BitScannedPlot)->Arg(4000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_Rotate4BitScannedPlot(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    RotateLoaded(state, WriteBitmap("kestrova-bench-plot4.bmp", size, size, 4, ScannedPlot(size, 4)));
}
BENCHMARK(BM_Rotate4BitScannedPlot)->Arg(10000)->Unit(benchmark::kMillisecond);

// Reading a 100 MB bitmap against reading the same file with one fread
// into a fresh buffer.
class BigBitmap {
public:
    BigBitmap() {
        constexpr int size = 10240; // 8 bits: 104,857,600 bytes of pixels
        Path = WriteBitmap("kestrova-bench-big.bmp", size, size, 8, Noise(RowBytes(size, 8) * size));
        Bytes = std::filesystem::file_size(Path);
    }
    ~BigBitmap() { std::filesystem::remove(Path); }
    std::string Path;
    std::uintmax_t Bytes = 0;
};

const BigBitmap& Big() {
    static const BigBitmap big;
    return big;
}

void BM_ReadBitmap100MB(benchmark::State& state) {
    Big();
    for (auto _ : state) {
        const std::unique_ptr<TDib> dib = TDib::ReadFile(Big().Path);
        if (!dib)
            state.SkipWithError("bitmap not read");
        benchmark::DoNotOptimize(dib.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Big().Bytes));
}
BENCHMARK(BM_ReadBitmap100MB)->Unit(benchmark::kMillisecond);

void BM_FreadBaseline100MB(benchmark::State& state) {
    Big();
    for (auto _ : state) {
        std::FILE* file = std::fopen(Big().Path.c_str(), "rb");
        auto* buffer = static_cast<std::uint8_t*>(std::malloc(Big().Bytes));
        const std::size_t read = std::fread(buffer, 1, Big().Bytes, file);
        benchmark::DoNotOptimize(buffer);
        std::fclose(file);
        std::free(buffer);
        if (read != Big().Bytes)
            state.SkipWithError("short read");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Big().Bytes));
}
BENCHMARK(BM_FreadBaseline100MB)->Unit(benchmark::kMillisecond);

} // namespace
