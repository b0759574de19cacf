#pragma once

#include <cstdint>
#include <string>

#include "core/curve.h"

struct TUserMessage;

// What a data-file reading does to the curve table and to the user, so that
// the reading decides everything and the table's owner only carries it
// out: make curves, hand them points, show message boxes, and take the
// final counts.
class TDataSink {
public:
    virtual ~TDataSink() = default;

    // Puts a new empty curve (growth 100) into slot, always the slot right
    // after the last one in use, with the pen of that slot and the reading's
    // drawing context. False when the curve cannot be made.
    virtual bool CreateCurve(int slot) = 0;
    // Hands the point to the curve in slot (TCurve::AddPoint, which draws
    // it) and marks the data as not saved. The reading tests OutOfMemory
    // afterwards.
    virtual void AddPoint(int slot, double x, double y) = 0;
    // Shows the message box and returns the button pressed (IDOK, IDCANCEL).
    virtual int ShowMessage(const TUserMessage& message) = 0;
    // Asked every few thousand lines: the last line read, and the bytes
    // read of the file's size (0 when not known). False ends the reading
    // after that line, keeping what was read, as a read error does.
    virtual bool KeepReading(std::uint32_t /*lineNumber*/, std::uint64_t /*bytesRead*/,
                             std::uint64_t /*bytesTotal*/) {
        return true;
    }
    // The reading is over: the last slot in use (-1 for none), the number
    // of points in all curves, and the counts text for the status bar.
    virtual void ReadingEnded(int currentCurve, std::uint32_t pointCount,
                              const std::string& countsText) = 0;
};
