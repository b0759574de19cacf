#pragma once

#include "framework/gdi/usermessage.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

class TCurve;

// What a save came to: whether the data now count as saved (the window may
// set DataSaved), and the message box to show, if any.
struct TDataWriteResult {
    bool Saved = false;
    std::optional<TUserMessage> Message;
};

// A comma for file names ending in ".CSV" in any case, a TAB for all others.
char DataSeparator(std::string_view fileName);

// Writes the points of the curves, slot by slot, one line per point: X,
// then slot + 1 separators, then Y, each as printf's "%12.10e" writes it
// (always with a decimal point), and CR LF. A curve without points writes
// nothing. Each slot holds a curve. The stream is flushed and tested after
// each curve; on an error no further curve is written and the result
// carries "Sorry, cannot write more. Disk full?".
TDataWriteResult WriteData(std::ostream& out, std::span<TCurve* const> curves, char separator);

// Saves the curves under the chosen name, with the separator the name asks
// for. The data replace the chosen file only once everything was written
// without error; on any error, or a crash, the old file stays as it was and
// nothing is left behind. Where the folder refuses new files, an existing
// writable file is written in place. A link is followed and kept, and the
// file keeps its mode. "Unable to open file for writing" when the file
// cannot be written at all.
TDataWriteResult SaveDataFile(const std::filesystem::path& path, std::span<TCurve* const> curves);
