#include "datafile/datanumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars reports overflow and underflow alike; the power of ten of the
// leading significant digit tells them apart. [first, last) is the unsigned
// number from_chars took, which has a nonzero digit (zero is in range).
bool IsTooLarge(const char* first, const char* last) {
    constexpr std::int64_t saturation = 1'000'000'000;
    std::int64_t power = 0;
    bool significant = false;
    bool fraction = false;
    const char* p = first;
    for (; p != last && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            fraction = true;
        } else if (significant) {
            if (!fraction)
                ++power;
        } else if (fraction) {
            --power;
            significant = *p != '0';
        } else {
            significant = *p != '0';
        }
    }
    if (p == last)
        return power > 0;
    ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    std::int64_t exponent = 0;
    for (; p != last && exponent < saturation; ++p)
        exponent = exponent * 10 + (*p - '0');
    return power + (negative ? -exponent : exponent) > 0;
}

} // namespace

const char* ReadDataNumber(const char* first, const char* last, double& value) {
    const char* p = first;
    while (p != last && IsSpace(*p))
        ++p;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '+' || *p == '-'))
        ++p;
    // from_chars would also take "inf", "nan" and friends; a data number
    // begins with a digit or with a point and a digit.
    const bool startsNumber =
        p != last && (IsDigit(*p) || (*p == '.' && p + 1 != last && IsDigit(p[1])));
    if (!startsNumber)
        return nullptr;
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(p, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        magnitude = IsTooLarge(p, end) ? DataNumberLimit : 0.0;
    value = negative ? -magnitude : magnitude;
    return end;
}

bool ReadFieldNumber(std::string_view text, double& value) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const char* const last = number.data() + number.size();
    double read = 0.0;
    const char* end = ReadDataNumber(number.data(), last, read);
    if (!end)
        return false;
    end = std::find_if_not(end, last, IsSpace);
    if (end != last)
        return false;
    value = read;
    return true;
}
