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

// Reads a field that is to hold one number (a Scale dialog field): the
// number as above and nothing else, blanks around it allowed, a decimal
// comma taken as the point. False for anything else, an empty field
// included; `value` is then untouched.
bool ReadFieldNumber(std::string_view text, double& value);
