// A stop's footage written as organ builders do: 8, 16, 2 2/3, 1 3/5, 8/3 or 2.667.
#include "Footage.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ventrel {
namespace {

// A whole number at `pos`, advancing past its digits; false when there is none.
bool ReadWhole(const std::string &text, size_t &pos, long &value) {
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
           pos - start < 6)
        value = value * 10 + (text[pos++] - '0');
    return pos > start &&
           (pos == text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])));
}

std::optional<double> ParseDecimal(const std::string &text) {
    std::string copy = text;
    for (char &c : copy)
        if (c == ',')
            c = '.';
    for (char c : copy)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.')
            return std::nullopt;
    double value = 0;
    const char *end = copy.data() + copy.size();
    const auto [ptr, ec] = std::from_chars(copy.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> ParseFootage(const std::string &input) {
    size_t first = input.find_first_not_of(" \t'");
    size_t last = input.find_last_not_of(" \t'");
    if (first == std::string::npos)
        return std::nullopt;
    const std::string text = input.substr(first, last - first + 1);
    if (text.find('/') == std::string::npos)
        return ParseDecimal(text);
    // [whole (space | - | +)] numerator / denominator
    size_t pos = 0;
    long whole = 0, numerator = 0, denominator = 0;
    if (!ReadWhole(text, pos, numerator))
        return std::nullopt;
    if (pos < text.size() && (text[pos] == ' ' || text[pos] == '-' || text[pos] == '+')) {
        whole = numerator;
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '-' || text[pos] == '+'))
            ++pos;
        if (!ReadWhole(text, pos, numerator))
            return std::nullopt;
    }
    if (pos >= text.size() || text[pos] != '/')
        return std::nullopt;
    ++pos;
    if (!ReadWhole(text, pos, denominator) || pos != text.size() || denominator == 0)
        return std::nullopt;
    return static_cast<double>(whole) + static_cast<double>(numerator) / denominator;
}

std::string FormatFootage(double footage) {
    char text[64];
    if (!std::isfinite(footage) || footage <= 0 || footage > 1e6) {
        std::snprintf(text, sizeof text, "%.3f", footage);
        return text;
    }
    for (int denominator = 1; denominator <= 9; ++denominator) {
        const double scaled = footage * denominator;
        const long numerator = std::lround(scaled);
        if (std::fabs(scaled - static_cast<double>(numerator)) > 1e-3 * denominator)
            continue;
        const long whole = numerator / denominator, rest = numerator % denominator;
        if (rest == 0)
            std::snprintf(text, sizeof text, "%ld", whole);
        else if (whole == 0)
            std::snprintf(text, sizeof text, "%ld/%d", rest, denominator);
        else
            std::snprintf(text, sizeof text, "%ld %ld/%d", whole, rest, denominator);
        return text;
    }
    std::snprintf(text, sizeof text, "%.3f", footage);
    return text;
}

double NearestUsualFootage(double footage) {
    // The harmonic series of 64', 32' and 16' as far as most organs use it: octaves, fifths and
    // thirds (sevenths are rare enough to be given by name rather than guessed).
    static constexpr std::array<double, 20> kUsual = {64,
                                                      32,
                                                      21.0 + 1.0 / 3,
                                                      16,
                                                      10.0 + 2.0 / 3,
                                                      8,
                                                      6.0 + 2.0 / 5,
                                                      5 + 1.0 / 3,
                                                      4,
                                                      3.0 + 1.0 / 5,
                                                      2.0 + 2.0 / 3,
                                                      2,
                                                      1.0 + 3.0 / 5,
                                                      1.0 + 1.0 / 3,
                                                      1,
                                                      4.0 / 5,
                                                      2.0 / 3,
                                                      1.0 / 2,
                                                      2.0 / 5,
                                                      1.0 / 3};
    if (!(footage > 0) || !std::isfinite(footage))
        return 8;
    double best = kUsual[0];
    for (double usual : kUsual)
        if (std::fabs(std::log2(usual / footage)) < std::fabs(std::log2(best / footage)))
            best = usual;
    return best;
}

} // namespace ventrel
