#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The longest line a data file may hold, its line end not counted.
inline constexpr std::size_t MaxDataLineLength = 256;

// One data line taken apart: its X, its Y values in the order they stand,
// and the column of each; Columns ends with -1 after the last value, so a
// line without data has -1 first. A line of MaxDataLineLength characters
// carries far fewer values than there is room for.
struct TDataLine {
    double X = 0.0;
    std::array<double, MaxDataLineLength> YValues{};
    std::array<int, MaxDataLineLength + 1> Columns{};
};

// Splits one line (without its line end). A line carries data only when it
// begins, after optional white space, with a number: its X. The rest is
// scanned for Y values: spaces separate numbers; one TAB, comma or semicolon
// between two values only separates, and each further one with nothing but
// spaces or other characters before it stands for an empty column; any other
// character is passed over. Values that do not fit in YValues (only possible
// on lines longer than MaxDataLineLength) are not read.
void ParseDataLine(std::string_view line, TDataLine& parsed);
