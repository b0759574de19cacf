#include "core/curve.h"
#include "core/curveflags.h"
#include "datafile/datareader.h"
#include "datafile/datasink.h"
#include "datafile/datawriter.h"
#include "framework/gdi/usermessage.h"
#include "framework/gdi/recordingdc.h"

#include "barenumbers.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

namespace {

constexpr int ReadLines = 1'000'000;
constexpr int WrittenPoints = 2'000'000;

// A million lines of X and two Y columns, as a digitizing session or a
// spreadsheet export would give them.
const std::string& DataText() {
    static const std::string text = [] {
        std::string s;
        char number[32];
        for (int i = 0; i < ReadLines; ++i) {
            for (const double v : {i * 0.0125, 1000.0 / (i + 3), -4.5e-3 * (i % 977)}) {
                const auto end = std::to_chars(number, number + sizeof number, v).ptr;
                s.append(number, end);
                s += '\t';
            }
            s.back() = '\n';
        }
        return s;
    }();
    return text;
}

// Hands out a string's bytes without copying them.
class TMemoryBuffer : public std::streambuf {
public:
    explicit TMemoryBuffer(const std::string& text) {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

// Takes and forgets whatever is written.
class TDiscardBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// A sink that does nothing: the cost of reading and deciding alone.
class TIdleSink : public TDataSink {
public:
    bool CreateCurve(int) override { return true; }
    void AddPoint(int, double x, double y) override { benchmark::DoNotOptimize(x + y); }
    int ShowMessage(const TUserMessage&) override { return IDOK; }
    void ReadingEnded(int, std::uint32_t points, const std::string&) override { Points = points; }
    std::uint32_t Points = 0;
};

// A sink over real curves drawing into a context that ignores primitives.
class TCurveSink : public TIdleSink {
public:
    bool CreateCurve(int slot) override {
        Curves[slot] = std::make_unique<TCurve>(100);
        Curves[slot]->Dc = &Dc;
        return true;
    }
    void AddPoint(int slot, double x, double y) override { Curves[slot]->AddPoint(x, y); }
    TNullDC Dc;
    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
};

template <class TSink>
void BM_ReadDataFile(benchmark::State& state) {
    ResetCurveFlags();
    const std::string& text = DataText();
    for (auto _ : state) {
        TMemoryBuffer buffer(text);
        std::istream in(&buffer);
        TSink sink;
        TDataReader(sink, -1, 0).Read(in);
        if (sink.Points != 2u * ReadLines)
            state.SkipWithError("not every point was read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadDataFile<TIdleSink>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile<TCurveSink>)->Unit(benchmark::kMillisecond);

// The yardstick: from_chars over the same bytes and nothing else.
void BM_BareFromChars(benchmark::State& state) {
    const std::string& text = DataText();
    for (auto _ : state) {
        const char* p = text.data();
        const char* const end = p + text.size();
        double sum = 0;
        const int count = ReadBareNumbers(p, end, sum);
        benchmark::DoNotOptimize(sum);
        if (count != 3 * ReadLines)
            state.SkipWithError("not every number was read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_BareFromChars)->Unit(benchmark::kMillisecond);

// Two curves of a million points each.
struct TWrittenCurves {
    TWrittenCurves() {
        DrawSymbols = 0;
        DrawLines = 0;
        for (int c = 0; c < 2; ++c) {
            Owned.push_back(std::make_unique<TCurve>(100));
            for (int i = 0; i < WrittenPoints / 2; ++i)
                Owned.back()->AddPoint(i * 0.0125 + c, 1000.0 / (i + 3) - c);
            Slots.push_back(Owned.back().get());
        }
        ResetCurveFlags();
    }
    std::vector<std::unique_ptr<TCurve>> Owned;
    std::vector<TCurve*> Slots;
};

TWrittenCurves& Curves() {
    static TWrittenCurves curves;
    return curves;
}

void BM_WriteData(benchmark::State& state) {
    TWrittenCurves& curves = Curves();
    for (auto _ : state) {
        TDiscardBuffer buffer;
        std::ostream out(&buffer);
        if (!WriteData(out, curves.Slots, '\t').Saved)
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * WrittenPoints);
}
BENCHMARK(BM_WriteData)->Unit(benchmark::kMillisecond);

// The yardstick: to_chars of every X and Y in the same form into a buffer.
void BM_BareToChars(benchmark::State& state) {
    TWrittenCurves& curves = Curves();
    char line[64];
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (TCurve* curve : curves.Slots) {
            curve->Rewind();
            TCurvePoint p;
            while (curve->NextPoint(p)) {
                char* end = std::to_chars(line, line + 32, p.X, std::chars_format::scientific, 10).ptr;
                end = std::to_chars(end, line + 64, p.Y, std::chars_format::scientific, 10).ptr;
                bytes += static_cast<std::size_t>(end - line);
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * WrittenPoints);
}
BENCHMARK(BM_BareToChars)->Unit(benchmark::kMillisecond);

// The whole save onto the disk: temporary file, flushes, rename.
void BM_SaveDataFile(benchmark::State& state) {
    TWrittenCurves& curves = Curves();
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "kestrova-bench-save.dat";
    for (auto _ : state) {
        if (!SaveDataFile(file, curves.Slots).Saved)
            state.SkipWithError("save failed");
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(state.iterations() * WrittenPoints);
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

} // namespace
