// File|Open Data in the real drawing window (offscreen): a million lines of
// X and two Y columns whose points all fall inside the graph square, read
// through the file dialog and drawn as they arrive. The floor is the least
// the same work can cost: fread and from_chars over the same bytes, plus one
// full repaint of the same points.
#include "benchapp.h"
#include "offscreenmain.h"
#include "barenumbers.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int Lines = 1'000'000;
constexpr int ClientWidth = 1600;
constexpr int ClientHeight = 1000;

const TBenchDataFile& DataFile() {
    static const TBenchDataFile file("kestrova-bench-open.dat", Lines, 2, [](int line, int column) {
        const double x = 100.0 * line / Lines;
        return column == 0 ? x : column == 1 ? 50.0 + 40.0 * std::sin(x * 0.3) : 30.0 + 0.5 * x;
    });
    return file;
}

void BM_OpenDataInWindow(benchmark::State& state) {
    const TBenchDataFile& data = DataFile();
    TBenchApp app(ClientWidth, ClientHeight);
    for (auto _ : state) {
        state.PauseTiming();
        app.NewData();
        TBenchApp::ShowPending();
        state.ResumeTiming();
        app.OpenData(data.Path);
        TBenchApp::ShowPending();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.Bytes));
}
BENCHMARK(BM_OpenDataInWindow)->Unit(benchmark::kMillisecond);

// The floor: the bytes read and every number parsed, then the points drawn
// once by a full repaint of a window that holds them.
void BM_OpenDataFloor(benchmark::State& state) {
    const TBenchDataFile& data = DataFile();
    TBenchApp app(ClientWidth, ClientHeight);
    app.OpenData(data.Path);
    std::vector<char> bytes(data.Bytes);
    for (auto _ : state) {
        std::FILE* file = std::fopen(data.Path.c_str(), "rb");
        const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        const char* p = bytes.data();
        const char* const end = p + read;
        double sum = 0;
        const int count = ReadBareNumbers(p, end, sum);
        benchmark::DoNotOptimize(sum);
        if (count != 3 * Lines)
            state.SkipWithError("not every number was read");
        app.Repaint();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.Bytes));
}
BENCHMARK(BM_OpenDataFloor)->Unit(benchmark::kMillisecond);

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
