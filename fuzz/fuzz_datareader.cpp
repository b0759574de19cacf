// Reads arbitrary bytes as a data file into a table of real curves. The
// first byte picks how many curves are already held and whether questions
// are answered with OK or Cancel; the second after how many point blocks
// memory runs out. Checks: curves are made one after another, every point
// is finite and lands in a slot below 20, the counts reported at the end
// match the curves, and the reading ends exactly once.
#include "core/curve.h"
#include "core/curveflags.h"
#include "datafile/datareader.h"
#include "datafile/datasink.h"
#include "framework/gdi/usermessage.h"
#include "framework/gdi/globalmemory.h"
#include "framework/gdi/recordingdc.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

class TCheckingSink : public TDataSink {
public:
    TCheckingSink(int held, bool cancel) : Last(held), Cancel(cancel) {}

    bool CreateCurve(int slot) override {
        Check(slot == Last + 1 && slot < MaxCurves);
        auto curve = std::make_unique<TCurve>(100);
        curve->Dc = &Dc;
        Curves[slot] = std::move(curve);
        Last = slot;
        return true;
    }
    void AddPoint(int slot, double x, double y) override {
        Check(slot >= 0 && slot <= Last && Curves[slot]);
        Check(std::isfinite(x) && std::isfinite(y));
        Curves[slot]->AddPoint(x, y);
    }
    int ShowMessage(const TUserMessage& message) override {
        Check(!message.Text.empty());
        return message.Buttons == MB_OKCANCEL && Cancel ? IDCANCEL : IDOK;
    }
    void ReadingEnded(int currentCurve, std::uint32_t pointCount, const std::string&) override {
        Check(!Ended && currentCurve == Last);
        Ended = true;
        std::uint32_t held = 0;
        for (const auto& curve : Curves)
            held += curve ? curve->GetCount() : 0;
        Check(pointCount == held);
    }

    bool Ended = false;

private:
    int Last;
    bool Cancel;
    TNullDC Dc;
    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int held = data[0] % (MaxCurves + 1) - 1;
    const bool cancel = data[0] & 0x80;
    int blocksLeft = data[1] == 0 ? -1 : data[1];
    SetAllocationHook([&blocksLeft](std::size_t) { return blocksLeft < 0 || blocksLeft-- > 0; });
    ResetCurveFlags();
    DrawSymbols = data[1] & 1;
    DrawLines = (data[1] >> 1) & 1;

    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
    TCheckingSink sink(held, cancel);
    TDataReader(sink, held, 0).Read(in);
    Check(sink.Ended);

    SetAllocationHook({});
    return 0;
}
