// Every value of a stop's scale checked against its range, with a message naming the field.
#include "StopScale.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace ventrel {
namespace {

std::string Number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

bool Within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

// A stop name is one word of the characters the description reader keeps in a name.
bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' ||
           c == '%' || c == ',';
}

std::string CheckHoleRule(const HoleRule &rule, const std::string &field) {
    if (!rule.table.empty()) {
        int previous = 0;
        for (const auto &[diameter, hole] : rule.table) {
            if (diameter <= previous || diameter > 2000)
                return field + " table: body diameters must rise, from 1 to 2000 mm (" +
                       std::to_string(diameter) + " after " + std::to_string(previous) + ")";
            if (hole < 1 || hole > 500)
                return field + " table: hole " + std::to_string(hole) +
                       " mm is outside 1 to 500 mm";
            previous = diameter;
        }
        return "";
    }
    if (!(std::isfinite(rule.ratio) && rule.ratio > 0 && rule.ratio < 1))
        return field + " ratio: " + Number(rule.ratio) + " is not between 0 and 1";
    if (rule.minimum < 0 || rule.minimum > 500)
        return field + " minimum: " + std::to_string(rule.minimum) + " mm is outside 0 to 500 mm";
    if (rule.maximum < 0 || rule.maximum > 500 || (rule.maximum > 0 && rule.maximum < rule.minimum))
        return field + " maximum: " + std::to_string(rule.maximum) +
               " mm must be 0 (none) or between the minimum and 500 mm";
    if (rule.overHole < -1 || rule.overHole > 100)
        return field + " margin over the plate hole: " + std::to_string(rule.overHole) +
               " mm is outside 0 to 100 mm";
    return "";
}

} // namespace

std::string CheckScale(const StopScale &scale) {
    if (scale.name.empty() || scale.name.size() > 127)
        return "name: give one word of 1 to 127 characters";
    for (char c : scale.name)
        if (!IsNameCharacter(c))
            return "name: \"" + scale.name + "\" must be one word of letters, digits and - _ . % ,";
    if (!(std::isfinite(scale.footage) && scale.footage > 0 && scale.footage <= 64))
        return "footage: " + Number(scale.footage) + " is not above 0 and at most 64 feet";
    if (scale.pipeCount < 1 || scale.pipeCount > 80)
        return "pipes: " + std::to_string(scale.pipeCount) + " is outside 1 to 80";
    if (scale.firstNote < 1 || scale.firstNote > 80)
        return "first: note " + std::to_string(scale.firstNote) + " is outside 1 to 80";
    if (!Within(scale.pitch, 300, 600))
        return "pitch: " + Number(scale.pitch) + " Hz is outside 300 to 600 Hz";
    if (!Within(scale.temperature, -20, 50))
        return "temperature: " + Number(scale.temperature) + " degrees is outside -20 to 50";
    if (!Within(scale.endCorrection, 0, 5))
        return "end correction: " + Number(scale.endCorrection) + " diameters is outside 0 to 5";
    if (scale.deviation.empty())
        return "deviation: give at least one point";
    for (size_t i = 0; i < scale.deviation.size(); ++i) {
        const DeviationPoint &point = scale.deviation[i];
        const std::string which = "deviation: point " + std::to_string(i + 1) + ": ";
        if (!Within(point.halfTones, -30, 30))
            return which + Number(point.halfTones) + " half-tones is outside -30 to +30";
        if (point.note < 1 || point.note > 128)
            return which + "note " + std::to_string(point.note) + " is outside 1 to 128";
        if (i > 0 && point.note <= scale.deviation[i - 1].note)
            return which + "note " + std::to_string(point.note) + " must come after note " +
                   std::to_string(scale.deviation[i - 1].note);
    }
    if (std::string error = CheckHoleRule(scale.plateHole, "plate hole"); !error.empty())
        return error;
    return CheckHoleRule(scale.falseChestHole, "false-chest hole");
}

} // namespace ventrel
