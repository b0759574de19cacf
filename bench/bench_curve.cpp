#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/gdi/recordingdc.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Growing one curve point by point: the block grows by 100 points at a time,
// so the whole run must stay linear in the number of points.
void BM_GrowCurve(benchmark::State& state) {
    const auto points = static_cast<std::uint32_t>(state.range(0));
    DrawSymbols = 0;
    DrawLines = 0;
    for (auto _ : state) {
        TCurve curve(100);
        for (std::uint32_t i = 0; i < points; ++i)
            curve.AddPoint(i * 0.001, i * 0.002);
        benchmark::DoNotOptimize(curve.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * points);
    ResetCurveFlags();
}
BENCHMARK(BM_GrowCurve)->Arg(1'000'000)->Arg(2'000'000)->Arg(5'000'000)->Arg(10'000'000)->Arg(20'000'000)->Unit(benchmark::kMillisecond);

// The yardstick for growth: taking and touching as much fresh memory as the
// points need, once. On large sizes this machine's page faults dominate both.
void BM_FreshMemoryBaseline(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0)) * sizeof(TCurvePoint);
    for (auto _ : state) {
        auto* block = static_cast<char*>(std::malloc(bytes));
        std::memset(block, 1, bytes);
        benchmark::DoNotOptimize(block);
        std::free(block);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FreshMemoryBaseline)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// Drawing a whole curve into a context that ignores the primitives: the cost
// of scaling, clipping and the symbol tests alone. Argument 1 draws on log
// axes; its floor is the linear drawing plus the logarithms of
// BM_LogOfEveryCoordinate.
void BM_DrawCurve(benchmark::State& state) {
    const auto points = static_cast<std::uint32_t>(state.range(0));
    const TAxisKind kind = state.range(1) ? TAxisKind::Log10 : TAxisKind::Linear;
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, 0.1, 0.13, 100, 100, kind, kind);
    ResetCurveFlags();
    TNullDC dc;
    TCurve curve(100);
    DrawSymbols = 0;
    DrawLines = 0;
    for (std::uint32_t i = 0; i < points; ++i)
        curve.AddPoint((i % 1000 + 1) * 0.1, (i % 777 + 1) * 0.13);
    DrawSymbols = 1;
    DrawLines = 1;
    curve.Dc = &dc;
    for (auto _ : state)
        curve.Draw();
    state.SetItemsProcessed(state.iterations() * points);
    ResetCurveFlags();
    GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, 0, 0, 100, 100);
}
BENCHMARK(BM_DrawCurve)->Args({1'000'000, 0})->Args({1'000'000, 1})->Unit(benchmark::kMillisecond);

// What a log axis adds at the least: one log10 per coordinate of the same
// points, read from memory as drawing reads them.
void BM_LogOfEveryCoordinate(benchmark::State& state) {
    const auto points = static_cast<std::uint32_t>(state.range(0));
    std::vector<TCurvePoint> stored;
    for (std::uint32_t i = 0; i < points; ++i)
        stored.push_back({(i % 1000 + 1) * 0.1, (i % 777 + 1) * 0.13});
    for (auto _ : state) {
        double sum = 0;
        for (const TCurvePoint& p : stored)
            sum += std::log10(p.X) + std::log10(p.Y);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_LogOfEveryCoordinate)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
