// The reverse of a scale: a chest stop's diameters as half-tone deviations from the reference.
#include "StopDeviation.h"

#include "Footage.h"
#include "ReferenceScale.h"
#include "chest/CStop.h"
#include "platform/LowerCase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace ventrel {
namespace {

struct NamedFootage {
    std::string_view word;
    double footage;
};

// Stops whose name says their footage without a number.
constexpr std::array<NamedFootage, 9> kNamedFootages = {{{"nazard", 2.0 + 2.0 / 3},
                                                         {"nasard", 2.0 + 2.0 / 3},
                                                         {"quinte", 2.0 + 2.0 / 3},
                                                         {"tierce", 1.0 + 3.0 / 5},
                                                         {"terz", 1.0 + 3.0 / 5},
                                                         {"larigot", 1.0 + 1.0 / 3},
                                                         {"doublette", 2},
                                                         {"prestant", 4},
                                                         {"sifflet", 1}}};

constexpr std::array<std::string_view, 9> kStoppedWords = {"bourdon",   "gedackt",  "gedeckt",
                                                           "soubasse",  "subbass",  "cor-de-nuit",
                                                           "quintaton", "quintade", "stopped"};

} // namespace

std::vector<DeviationPoint> StopDeviations(const CStop &stop, double footage) {
    std::vector<DeviationPoint> points;
    if (!(footage > 0))
        return points;
    for (int k = 0; k < stop.PipeSlots(); ++k) {
        const int side = stop.m_diameter[k];
        if (!stop.IsPresent(k) || side <= 0)
            continue;
        const double diameter = stop.m_square ? 2.0 * side / std::sqrt(std::numbers::pi) : side;
        const int note = stop.m_first_pipe + k;
        points.push_back({note, DeviationOf(diameter, ReferencePosition(footage, note))});
    }
    return points;
}

GuessedFootage GuessFootage(const CStop &stop) {
    const std::string name = LowerCase(stop.m_name);
    if (!stop.m_mixture) {
        size_t digits = name.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
            --digits;
        if (digits < name.size() && name.size() - digits <= 2) {
            const int number = std::stoi(name.substr(digits));
            for (int usual : {64, 32, 16, 8, 4, 2, 1})
                if (number == usual)
                    return {static_cast<double>(number), "name"};
        }
        for (const NamedFootage &named : kNamedFootages)
            if (name.find(named.word) != std::string::npos)
                return {named.footage, "name"};
    }
    // The first present pipe with a length, taken as the pipe of the reference conditions.
    for (int k = 0; k < stop.PipeSlots(); ++k) {
        if (!stop.IsPresent(k) || stop.m_length[k] <= 0 || stop.m_diameter[k] <= 0)
            continue;
        const bool stopped =
            std::any_of(kStoppedWords.begin(), kStoppedWords.end(), [&](std::string_view word) {
                return name.find(word) != std::string::npos;
            });
        const StopScale reference;
        const double wave = (stop.m_length[k] + reference.endCorrection * stop.m_diameter[k]) /
                            (stopped ? 0.25 : 0.5);
        const double frequency = SpeedOfSound(reference.temperature) / wave;
        const int note = stop.m_first_pipe + k;
        return {NearestUsualFootage(8.0 * NoteFrequency(8, note, reference.pitch) / frequency),
                "length"};
    }
    return {8, "length"};
}

} // namespace ventrel
