#include "datafile/datareader.h"

#include "core/curveflags.h"
#include "core/curvemessages.h"
#include "core/graphscale.h"
#include "datafile/countstext.h"
#include "datafile/datanumber.h"
#include "datafile/datasink.h"
#include "datafile/linereader.h"
#include "framework/gdi/usermessage.h"

#include <cmath>
#include <fstream>
#include <string>

namespace {

// How often the sink is asked whether to go on: often enough to answer
// within a few milliseconds, seldom enough to cost nothing.
constexpr std::uint32_t LinesPerCheck = 4096;

TUserMessage FileError(const char* text) {
    return {text, "File Error", MB_OK, MB_ICONEXCLAMATION};
}

TUserMessage OutOfRangeQuestion(std::uint32_t lineNumber) {
    return {"Number out of range encountered at line " + std::to_string(lineNumber) +
                ". Continue reading the file?",
            "", MB_OKCANCEL, 0};
}

// Overflowing numbers read as the largest double; a file may also spell it.
bool IsOutOfRange(double value) {
    return std::fabs(value) == DataNumberLimit;
}

} // namespace

TDataReader::TDataReader(TDataSink& sink, int currentCurve, std::uint32_t pointCount)
    : Sink(sink), Base(currentCurve), CurrentCurve(currentCurve), PointCount(pointCount) {}

// Only a regular file (or a link to one) is opened: opening a FIFO would
// wait for a writer for good, and a device may never end.
void TDataReader::ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, error))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        Sink.ShowMessage(FileError("Unable to open file"));
        return;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    Total = error ? 0 : size;
    Read(in);
}

void TDataReader::Read(std::istream& in) {
    TLineReader lines(in, MaxDataLineLength);
    std::string_view text;
    for (bool reading = true; reading;) {
        switch (lines.Next(text)) {
        case TLineReader::TResult::Line:
            ++LineNumber;
            ParseDataLine(text, Line);
            reading = TakeLine();
            if (reading && LineNumber % LinesPerCheck == 0)
                reading = Sink.KeepReading(LineNumber, lines.Consumed(), Total);
            break;
        case TLineReader::TResult::TooLong:
            Sink.ShowMessage(FileError("Too long line encountered"));
            reading = false;
            break;
        case TLineReader::TResult::ReadError:
            Sink.ShowMessage(FileError("Error reading file"));
            reading = false;
            break;
        case TLineReader::TResult::End:
            reading = false;
            break;
        }
    }
    NoteNotDrawn();
    Sink.ReadingEnded(CurrentCurve, PointCount, CountsText(CurrentCurve + 1, PointCount));
}

bool TDataReader::TakeLine() {
    for (std::size_t i = 0; Line.Columns[i] != -1; ++i) {
        const int slot = Base + Line.Columns[i] + 1;
        if (slot >= MaxCurves) {
            WarnTooManyCurves();
            return true;
        }
        if (!MakeCurvesUpTo(slot)) {
            Sink.ShowMessage(NoMemoryForCurveMessage());
            return true;
        }
        const double y = Line.YValues[i];
        if (IsOutOfRange(Line.X) || IsOutOfRange(y)) {
            if (Sink.ShowMessage(OutOfRangeQuestion(LineNumber)) == IDOK)
                continue;
            return false;
        }
        Sink.AddPoint(slot, Line.X, y);
        if (OutOfMemory) {
            Sink.ShowMessage(NoMemoryForPointsMessage());
            return false;
        }
        ++PointCount;
        if (!GraphScale.HasPosition(Line.X, y))
            ++NotDrawn;
    }
    return true;
}

bool TDataReader::MakeCurvesUpTo(int slot) {
    while (CurrentCurve < slot) {
        if (!Sink.CreateCurve(CurrentCurve + 1))
            return false;
        ++CurrentCurve;
    }
    return true;
}

void TDataReader::WarnTooManyCurves() {
    if (Warned)
        return;
    Sink.ShowMessage({"Sorry, cannot show more than " + std::to_string(MaxCurves) +
                          " curves. The rest of them will be ignored.",
                      "Attention!", MB_OK, MB_ICONEXCLAMATION});
    Warned = true;
}

// The points are stored and saved all the same; the note keeps a log plot
// with missing points from passing for the whole file.
void TDataReader::NoteNotDrawn() {
    if (NotDrawn == 0)
        return;
    const bool one = NotDrawn == 1;
    Sink.ShowMessage({std::to_string(NotDrawn) + (one ? " point" : " points") +
                          " at or below zero on a log axis " + (one ? "was" : "were") +
                          " not drawn.",
                      "Note", MB_OK, MB_ICONINFORMATION});
}
