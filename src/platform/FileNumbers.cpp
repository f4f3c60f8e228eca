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

// Where a number's digits lie: after the blanks and an optional sign, up to the end of a field of
// `width` characters.
struct Field {
    const char *digits;
    const char *last;
    bool negative = false;
};

// False when nothing is left after the sign, or when a second sign follows it (from_chars would
// take a '-' of its own).
bool SignedField(std::string_view text, std::size_t at, int width, Field &field) {
    std::size_t first = std::min(at, text.size());
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    const std::size_t last =
        width > 0 ? std::min(text.size(), first + static_cast<std::size_t>(width)) : text.size();
    if (first < last && (text[first] == '+' || text[first] == '-')) {
        field.negative = text[first] == '-';
        ++first;
    }
    field.digits = text.data() + first;
    field.last = text.data() + last;
    return first < last && text[first] != '+' && text[first] != '-';
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
    Field field;
    if (!SignedField(text, at, width, field))
        return false;
    Real parsed = 0;
    const auto [end, error] = std::from_chars(field.digits, field.last, parsed);
    if (error == std::errc::invalid_argument)
        return false;
    if (error == std::errc::result_out_of_range)
        parsed = OutOfRange<Real>(
            std::string_view(field.digits, static_cast<std::size_t>(end - field.digits)));
    value = field.negative ? -parsed : parsed;
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
    Field field;
    if (!SignedField(text, at, width, field))
        return false;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(field.digits, field.last, magnitude);
    if (error == std::errc::invalid_argument)
        return false;
    if (error == std::errc::result_out_of_range)
        magnitude = LLONG_MAX;
    const long long signedValue = field.negative ? -magnitude : magnitude;
    value = static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
    at = static_cast<std::size_t>(end - text.data());
    return true;
}

} // namespace ventrel
