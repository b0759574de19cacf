#pragma once

#include <charconv>
#include <system_error>

// The floor of reading a data file: from_chars over the bytes, stepping over
// anything that is not a number, and nothing else. Returns how many numbers
// it read and adds them into sum, so the work cannot be optimised away.
inline int ReadBareNumbers(const char* p, const char* const end, double& sum) {
    int count = 0;
    while (p != end) {
        double v;
        const auto result = std::from_chars(p, end, v);
        if (result.ec == std::errc()) {
            sum += v;
            ++count;
            p = result.ptr;
        } else {
            ++p;
        }
    }
    return count;
}
