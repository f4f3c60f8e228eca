// The half-tone deviation as a line through points along the compass: reading, writing, value.
#include "StopScale.h"

#include <charconv>
#include <cmath>

namespace ventrel {
namespace {

bool ParseNumber(const std::string &text, double &value) {
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

std::string Trim(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

double DeviationAt(const std::vector<DeviationPoint> &line, double note) {
    if (line.empty())
        return 0;
    if (note <= line.front().note)
        return line.front().halfTones;
    for (size_t i = 1; i < line.size(); ++i) {
        const DeviationPoint &a = line[i - 1], &b = line[i];
        if (note <= b.note) {
            if (b.note == a.note)
                return b.halfTones;
            return a.halfTones + (b.halfTones - a.halfTones) * (note - a.note) / (b.note - a.note);
        }
    }
    return line.back().halfTones;
}

std::vector<DeviationPoint> ParseDeviation(const std::string &text, std::string &error) {
    std::vector<DeviationPoint> line;
    size_t start = 0;
    for (int index = 1;; ++index) {
        const size_t comma = text.find(',', start);
        const std::string item = Trim(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        const size_t at = item.find('@');
        DeviationPoint point;
        double note = 1;
        if (!ParseNumber(Trim(item.substr(0, at)), point.halfTones) ||
            (at != std::string::npos && !ParseNumber(Trim(item.substr(at + 1)), note))) {
            error = "deviation: point " + std::to_string(index) + " (\"" + item +
                    "\") is not HALF-TONES or HALF-TONES@NOTE";
            return {};
        }
        if (at == std::string::npos && index > 1) {
            error = "deviation: point " + std::to_string(index) + " (\"" + item +
                    "\") needs its note, as in -1@49";
            return {};
        }
        if (note != std::floor(note) || std::fabs(note) > 1e6) {
            error = "deviation: the note of point " + std::to_string(index) +
                    " must be a whole note number";
            return {};
        }
        point.note = static_cast<int>(note);
        line.push_back(point);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return line;
}

std::string FormatDeviation(const std::vector<DeviationPoint> &line) {
    std::string text;
    for (const DeviationPoint &point : line) {
        char number[32];
        const auto result = std::to_chars(number, number + sizeof number, point.halfTones);
        if (!text.empty())
            text += ",";
        text.append(number, result.ptr);
        text += "@" + std::to_string(point.note);
    }
    return text;
}

} // namespace ventrel
