#include "core/curve.h"
#include "core/curveflags.h"
#include "core/undohistory.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int Columns = 2;
constexpr std::uint32_t PointsPerColumn = 500'000;

// A window's curve table after a drawn curve and a data file of a million
// points in two columns were read, the read recorded as one step.
struct TReadTable {
    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
    int CurrentCurve = -1;
    std::uint32_t PointCount = 0;
    int DrawMode = 0;
    TUndoHistory History;

    TCurveTableRef Ref() { return {Curves, CurrentCurve, PointCount, DrawMode}; }

    TReadTable() {
        DrawSymbols = 0;
        DrawLines = 0;
        Curves[++CurrentCurve] = std::make_unique<TCurve>(100);
        Curves[0]->AddPoint(1, 1);
        PointCount = 1;
        History.BeginStep("Open Data", Ref());
        for (int c = 0; c < Columns; ++c) {
            auto& curve = Curves[++CurrentCurve];
            curve = std::make_unique<TCurve>(100);
            for (std::uint32_t i = 0; i < PointsPerColumn; ++i)
                curve->AddPoint(i, c + i * 0.5);
            PointCount += PointsPerColumn;
        }
        History.EndStep(Ref(), true);
        ResetCurveFlags();
    }
};

// Undo of the read, the step the Edit menu takes; redo, untimed, puts the
// read back for the next round.
void BM_UndoMillionPointRead(benchmark::State& state) {
    TReadTable table;
    for (auto _ : state) {
        table.History.Undo(table.Ref());
        benchmark::DoNotOptimize(table.Curves[1].get());
        state.PauseTiming();
        table.History.Redo(table.Ref());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Columns * PointsPerColumn);
}
BENCHMARK(BM_UndoMillionPointRead)->Unit(benchmark::kMicrosecond);

// The floor: the same curves taken out of their slots and the counters set
// back by hand, with nothing to look up.
void BM_UndoFloorMoveCurvesByHand(benchmark::State& state) {
    TReadTable table;
    std::vector<std::unique_ptr<TCurve>> parked;
    for (auto _ : state) {
        for (int slot = 1; slot <= Columns; ++slot)
            parked.push_back(std::move(table.Curves[slot]));
        table.CurrentCurve = 0;
        table.PointCount = 1;
        benchmark::DoNotOptimize(table.Curves[1].get());
        state.PauseTiming();
        for (int slot = Columns; slot >= 1; --slot) {
            table.Curves[slot] = std::move(parked.back());
            parked.pop_back();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Columns * PointsPerColumn);
}
BENCHMARK(BM_UndoFloorMoveCurvesByHand)->Unit(benchmark::kMicrosecond);

} // namespace
