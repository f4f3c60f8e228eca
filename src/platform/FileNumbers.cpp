// Formatting and reading numbers with '.' as the decimal point, without the C library's locale.
#include "FileNumbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace ventrel {

namespace {

// The blanks of scanf's "C" locale.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips the blanks, then bounds the field to `width` characters; false when nothing is left.
bool Field(std::string_view text, std::size_t at, int width, std::size_t &first,
           std::size_t &last) {
    first = std::min(at, text.size());
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    last = width > 0 ? std::min(text.size(), first + static_cast<std::size_t>(width)) : text.size();
    return first < last;
}

// A value from_chars found but its type cannot hold: an infinity when its magnitude is large, a
// zero when it is small (which the exponent's sign, else the integer digits, tell).
template <typename Real> Real OutOfRange(std::string_view digits) {
    const std::size_t exponent = digits.find_first_of("eE");
    bool large;
    if (exponent != std::string_view::npos && exponent + 1 < digits.size())
        large = digits[exponent + 1] != '-';
    else
        large = digits.substr(0, digits.find('.')).find_first_not_of('0') != std::string_view::npos;
    return large ? std::numeric_limits<Real>::infinity() : Real(0);
}

template <typename Real>
bool ReadRealOf(std::string_view text, std::size_t &at, Real &value, int width) {
    std::size_t first, last;
    if (!Field(text, at, width, first, last))
        return false;
    std::size_t p = first;
    bool negative = false;
    if (text[p] == '+' || text[p] == '-') {
        negative = text[p] == '-';
        ++p;
    }
    // from_chars takes a '-' of its own, which must not follow the sign read above.
    if (p >= last || text[p] == '+' || text[p] == '-')
        return false;
    Real parsed = 0;
    const char *begin = text.data() + p;
    const auto [end, error] = std::from_chars(begin, text.data() + last, parsed);
    if (error == std::errc::invalid_argument)
        return false;
    if (error == std::errc::result_out_of_range)
        parsed = OutOfRange<Real>(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    value = negative ? -parsed : parsed;
    at = static_cast<std::size_t>(end - text.data());
    return true;
}

} // namespace

void AppendFixed(std::string &out, double value, int width, int precision) {
    precision = std::clamp(precision, 0, 100);
    // The largest double has 309 digits before the point.
    char buffer[320 + 100 + 2];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    const std::size_t length = error == std::errc() ? static_cast<std::size_t>(end - buffer) : 0;
    if (width > 0 && static_cast<std::size_t>(width) > length)
        out.append(static_cast<std::size_t>(width) - length, ' ');
    out.append(buffer, length);
}

std::string FixedText(double value, int width, int precision) {
    std::string text;
    AppendFixed(text, value, width, precision);
    return text;
}

bool ReadReal(std::string_view text, std::size_t &at, float &value, int width) {
    return ReadRealOf(text, at, value, width);
}

bool ReadReal(std::string_view text, std::size_t &at, double &value, int width) {
    return ReadRealOf(text, at, value, width);
}

bool ReadInt(std::string_view text, std::size_t &at, int &value, int width) {
    std::size_t first, last;
    if (!Field(text, at, width, first, last))
        return false;
    std::size_t p = first;
    bool negative = false;
    if (text[p] == '+' || text[p] == '-') {
        negative = text[p] == '-';
        ++p;
    }
    long long magnitude = 0;
    const char *begin = text.data() + p;
    const auto [end, error] = std::from_chars(begin, text.data() + last, magnitude);
    if (end == begin || (error != std::errc() && error != std::errc::result_out_of_range) ||
        *begin == '-')
        return false;
    if (error == std::errc::result_out_of_range)
        magnitude = LLONG_MAX;
    const long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
    at = static_cast<std::size_t>(end - text.data());
    return true;
}

} // namespace ventrel
