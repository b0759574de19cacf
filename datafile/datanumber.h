#pragma once

#include <limits>
#include <string_view>

// What a number that overflows a double reads as, with its sign.
inline constexpr double DataNumberLimit = std::numeric_limits<double>::max();

// Reads one number of the data-file format starting at first: white space
// in front is skipped (space, TAB, LF, VT, FF, CR), then an optional + or -,
// decimal digits with an optional decimal point and at least one digit, and
// an optional exponent (e or E, optional sign, digits). The decimal point is
// always a point, whatever the locale. "5." and ".5" are numbers; "1e" reads
// as 1 and leaves the "e" unread. Words such as "inf" or "nan" and
// hexadecimal forms are not numbers. A magnitude beyond the range of a
// double reads as DataNumberLimit with its sign, one too small as zero.
// Returns the position after the number, or nullptr when none starts there.
const char* ReadDataNumber(const char* first, const char* last, double& value);

// A number typed into a field: one data number and nothing else but white
// space around it, with either a decimal point or a decimal comma (one of
// them; "1,5" reads as 1.5). False when the text is anything else.
bool ReadTypedNumber(std::string_view text, double& value);
