#pragma once

#include "datafile/dataline.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>

class TDataSink;

// One reading of a data file into the curve table behind a sink. Column c
// of the file feeds the curve in slot base + c + 1, base being the last slot
// in use when the reading began, so the file's columns become new curves
// after those already held; curves for columns without a value so far are
// made on the way, empty. The reader decides every message of the reading
// (too long a line, read errors, too many curves, numbers out of range,
// memory, points a log axis cannot show) and reports the counts at the
// end. It owns the working data of
// one reading: the line number, the base, the warned flag and the parsed
// line. Use one reader for one reading.
class TDataReader {
public:
    // currentCurve and pointCount: the table's state before the reading.
    TDataReader(TDataSink& sink, int currentCurve, std::uint32_t pointCount);

    // Opens the file and reads it. When it is not a regular file or cannot
    // be opened, shows "Unable to open file" and does nothing else; the
    // counts are not reported.
    void ReadFile(const std::filesystem::path& path);
    // Reads lines until the stream ends or a failure or the user ends the
    // reading; then, however it ended, says how many of the points read
    // have no place on the graph scale's log axes (when there are any) and
    // reports the counts.
    void Read(std::istream& in);

private:
    // False when the reading has to end after this line.
    bool TakeLine();
    bool MakeCurvesUpTo(int slot);
    void WarnTooManyCurves();
    void NoteNotDrawn();

    TDataSink& Sink;
    int Base;
    int CurrentCurve;
    std::uint32_t PointCount;
    std::uint32_t LineNumber = 0;
    bool Warned = false;
    std::uint64_t Total = 0;
    std::uint32_t NotDrawn = 0;
    TDataLine Line;
};
