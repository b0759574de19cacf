// Feeds arbitrary bytes to the data-line parser and the number reader.
// Checks: no value is ever infinite or NaN, columns only rise, nothing is
// read past the end, and wherever a number is read, the C library's strtod
// (in the C locale) reads the same text as the same value.
#include "datafile/dataline.h"
#include "datafile/datanumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool IsHexPrefix(const char* p, const char* end) {
    while (p != end && (*p == '+' || *p == '-' || *p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    return end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
}

void CheckNumberAgainstStrtod(const std::string& text) {
    const char* const first = text.data();
    const char* const last = first + text.size();
    double value = 0.0;
    const char* end = ReadDataNumber(first, last, value);
    if (!end)
        return;
    Check(end > first && end <= last);
    Check(std::isfinite(value));
    if (IsHexPrefix(first, last))
        return; // strtod reads hexadecimal there, the data format does not
    char* strtodEnd = nullptr;
    double expected = std::strtod(first, &strtodEnd);
    if (std::isinf(expected))
        expected = std::copysign(DataNumberLimit, expected);
    Check(strtodEnd == end);
    Check(value == expected && std::signbit(value) == std::signbit(expected));
}

void CheckLine(std::string_view line) {
    TDataLine parsed;
    ParseDataLine(line, parsed);
    int previous = -1;
    std::size_t i = 0;
    for (; parsed.Columns[i] != -1; ++i) {
        Check(i < parsed.YValues.size());
        Check(parsed.Columns[i] > previous);
        previous = parsed.Columns[i];
        Check(std::isfinite(parsed.YValues[i]));
    }
    if (i > 0)
        Check(std::isfinite(parsed.X));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckLine(text);
    // strtod stops at a NUL byte, so compare on the text before the first.
    CheckNumberAgainstStrtod(text.substr(0, text.find('\0')));
    return 0;
}
